// The About window's public registry reader: one value of one key, handed back as text.
#pragma once

#include <string>

#include "platform/registry/registry.h"

namespace trelumo {

/// Opens the key KeyName below KeyRoot (empty: KeyRoot itself) with read and write rights, reads
/// its value named SubKeyRef (empty: the unnamed value) into a 1024-byte buffer and closes the
/// key again. Returns true when the key was opened and the value read.
///
/// One trailing zero byte of the data is dropped, whatever the type. A string (REG_SZ) becomes
/// KeyVal as UTF-8; a 32-bit number (REG_DWORD) becomes "&h" and two upper-case hexadecimal
/// digits for each byte from the last to the first (78 56 34 12 gives &h12345678, 0A 00 00 00
/// gives &h00000A). A value of any other type leaves KeyVal as it was. On failure (no such key,
/// a key that may not be written, no such value, data over 1024 bytes) KeyVal becomes empty.
///
/// A value whose data are 0 bytes long is read like any other, with no byte to drop: the result
/// is true, and KeyVal becomes empty for a string, "&h" for a number, and stays as it was for
/// any other type.
///
/// Names and string data cross the registry in the system's narrow code page. A key or value
/// name that the code page cannot hold (such as "QΩ" in Windows-1252) is not looked for: the
/// result is false and KeyVal becomes empty.
bool GetKeyValue(registry::Registry& registry, const registry::KeyHandle& KeyRoot,
                 const std::string& KeyName, const std::string& SubKeyRef, std::string& KeyVal);

/// The same against the registry of the machine the program runs on.
bool GetKeyValue(const registry::KeyHandle& KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

}  // namespace trelumo
