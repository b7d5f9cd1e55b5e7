// Amount text read as and written from doubles, through the exact amounts of the number text. The
// program itself computes on exact amounts only; these serve the tests, which compare with doubles.
// They need std::from_chars and std::to_chars for double, which not every standard library has.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/number_text/number_text.h"

namespace trelumo {

/// The correctly rounded double that a numeric text denotes; nothing for a text that is not
/// numeric.
std::optional<double> parse_number(std::string_view text, const Separators& separators);

/// A double rounded half away from zero to the pattern's decimals on its shortest round-trip
/// decimal form, then written with the pattern (see format_amount). Non-finite values are written
/// as "inf", "-inf" or "nan".
std::string format_number(double value, std::string_view pattern, const Separators& separators);

/// The same for a 16-bit integer.
std::string format_number(std::int16_t value, std::string_view pattern,
                          const Separators& separators);

}  // namespace trelumo
