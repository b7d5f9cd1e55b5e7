#include "picture_match.h"

#include <optional>

#include "pixels.h"

namespace probe {

int picture_differences(const QImage& shot, QPoint place, const QImage& picture) {
    const QImage opaque_test = picture.convertToFormat(QImage::Format_ARGB32);
    std::optional<QRgb> background;
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint at = place + QPoint(x, y);
            if (!shot.rect().contains(at)) {
                ++count;
                continue;
            }
            const QRgb wanted = opaque_test.pixel(x, y);
            const QRgb shown = shot.pixel(at);
            if (qAlpha(wanted) == 255) {
                count += differ(shown, wanted, 8);
            } else {
                if (!background) background = shown;
                count += differ(shown, *background, 8);
            }
        }
    return count;
}

}  // namespace probe
