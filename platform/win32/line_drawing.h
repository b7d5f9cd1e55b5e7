// The lines of a stored layout, drawn on the window itself.
#pragma once

#include <windows.h>

#include <span>

#include "platform/runtime/layout_scale.h"
#include "platform/types/stored_layout.h"

namespace trelumo {

/// Draws lines in table order, each later one over the earlier ones.
void draw_lines(HDC dc, std::span<const LineLayout> lines, const LayoutScale& scale);

}  // namespace trelumo
