#include "pixels.h"

#include <QHash>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/types/contrast.h"

namespace probe {

std::optional<PixelTest> pixel_test_named(const QString& name) {
    if (name == QLatin1String("dark")) return [](QRgb pixel) { return qGray(pixel) < 128; };
    const bool negated = name.startsWith(QLatin1String("not:"));
    const QColor colour(negated ? name.mid(4) : name);
    if (!colour.isValid()) return std::nullopt;
    const QRgb wanted = colour.rgb();
    return [wanted, negated](QRgb pixel) { return differ(pixel, wanted, 0) == negated; };
}

QRect bounding_box(const QImage& image, const QRect& region, const PixelTest& test) {
    QRect box;
    const QRect area = region & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
    return box;
}

QRgb dominant_colour(const QImage& image, const QRect& region) {
    QHash<QRgb, int> counts;
    const QRect area = region & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y) | 0xFF000000];
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) std::tie(best, most) = std::pair(it.key(), it.value());
    return best;
}

TextContrast text_contrast(const QImage& image, const QRect& region, int ink_pixels) {
    const auto rgb = [](QRgb pixel) {
        return trelumo::Rgb{static_cast<std::uint8_t>(qRed(pixel)),
                            static_cast<std::uint8_t>(qGreen(pixel)),
                            static_cast<std::uint8_t>(qBlue(pixel))};
    };
    const QRgb ground = dominant_colour(image, region);
    std::vector<std::pair<double, QRgb>> pixels;
    const QRect area = region & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y) | 0xFF000000;
            pixels.emplace_back(trelumo::contrast_ratio(rgb(pixel), rgb(ground)), pixel);
        }
    }
    if (pixels.size() < static_cast<std::size_t>(ink_pixels)) return {ground, ground, 1.0};
    const auto ink = pixels.begin() + (ink_pixels - 1);
    std::nth_element(pixels.begin(), ink, pixels.end(), std::greater<>());
    return {ground, ink->second, ink->first};
}

bool differ(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) > tolerance || std::abs(qGreen(a) - qGreen(b)) > tolerance ||
           std::abs(qBlue(a) - qBlue(b)) > tolerance;
}

}  // namespace probe
