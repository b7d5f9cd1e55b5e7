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

/// Whether two colours differ by more than `tolerance` in some channel.
bool differ(QRgb a, QRgb b, int tolerance);

}  // namespace probe
