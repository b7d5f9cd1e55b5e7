#include "platform/win32/line_drawing.h"

#include <algorithm>

#include "platform/win32/system_colour.h"

namespace trelumo {

void draw_lines(HDC dc, std::span<const LineLayout> lines, const LayoutScale& scale) {
    for (const LineLayout& line : lines) {
        const int width = std::max(1, scale.pixels(line.width * twips_per_pixel));
        const int x1 = scale.pixels(line.x1);
        const int y1 = scale.pixels(line.y1);
        const int x2 = scale.pixels(line.x2);
        const int y2 = scale.pixels(line.y2);
        // A line of some width grows right and down from its place, as the stored layout means it.
        RECT band{x1, y1, std::max(x1, x2) + (x1 == x2 ? width : 0),
                  std::max(y1, y2) + (y1 == y2 ? width : 0)};
        const HBRUSH brush = CreateSolidBrush(colour_of(line.colour));
        FillRect(dc, &band, brush);
        DeleteObject(brush);
    }
}

}  // namespace trelumo
