// Questions about the pixels of a screenshot: where the pixels of a kind lie, which colour fills a
// region.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <functional>
#include <optional>

namespace probe {

using PixelTest = std::function<bool(QRgb)>;

/// The kinds of pixel the command line names: "dark", "#RRGGBB" or "not:#RRGGBB".
std::optional<PixelTest> pixel_test_named(const QString& name);

/// The smallest rectangle holding every pixel of `region` that passes `test`; empty if none does.
QRect bounding_box(const QImage& image, const QRect& region, const PixelTest& test);

/// The colour that fills most of `region`.
QRgb dominant_colour(const QImage& image, const QRect& region);

/// A text's contrast with its ground in a region: the ground is the colour that fills most of it,
/// the ink the colour of the text's strokes, and the ratio theirs (WCAG 2.x).
struct TextContrast {
    QRgb ground;
    QRgb ink;
    double ratio;
};

/// The contrast that at least `ink_pixels` pixels of the region reach against its ground: the
/// strokes of a text reach it, a caret or a stray pixel alone do not.
TextContrast text_contrast(const QImage& image, const QRect& region, int ink_pixels);

/// Whether two colours differ by more than `tolerance` in some channel.
bool differ(QRgb a, QRgb b, int tolerance);

}  // namespace probe
