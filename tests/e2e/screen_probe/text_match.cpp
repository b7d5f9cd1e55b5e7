#include "text_match.h"

#include <QFontMetrics>
#include <QPainter>

#include "pixels.h"

namespace probe {
namespace {

constexpr int ink_threshold = 96;    // how far from the background a pixel must be to be ink
constexpr int pixel_tolerance = 48;  // how far two inks may differ and still be the same pixel
constexpr int placements = 64;       // fractions of a pixel tried

QImage drawn_text(const QString& text, const QFont& font, QRgb colour, QRgb background,
                  qreal offset) {
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text) + 40, metrics.height() + 40, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor(colour));
    painter.drawText(QPointF(20 + offset, 20 + metrics.ascent()), text);
    return image;
}

int differences(const QImage& a, QPoint a_origin, const QImage& b, QPoint b_origin, QSize size) {
    int count = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (differ(a.pixel(a_origin + QPoint(x, y)), b.pixel(b_origin + QPoint(x, y)),
                       pixel_tolerance))
                ++count;
    return count;
}

// Compares the ink of a drawn text, told from its background by `is_ink`, with the ink shown.
void compare(const QImage& shot, const QImage& drawn, const PixelTest& is_ink, TextMatch& match) {
    const QRect ink = bounding_box(drawn, drawn.rect(), is_ink);
    match.drawn = ink.size();
    if (ink.size() != match.shown.size()) return;
    const int count = differences(shot, match.shown.topLeft(), drawn, ink.topLeft(), ink.size());
    if (match.differences < 0 || count < match.differences) match.differences = count;
    match.matches = count == 0;
}

}  // namespace

TextMatch match_text(const QImage& shot, const QRect& region, const QString& text,
                     const QFont& font, QRgb colour) {
    const QRgb background = dominant_colour(shot, region);
    const auto is_ink = [background](QRgb pixel) {
        return differ(pixel, background, ink_threshold);
    };
    TextMatch match;
    match.shown = bounding_box(shot, region, is_ink);
    for (int step = 0; step < placements && !match.matches; ++step) {
        const QImage drawn = drawn_text(text, font, colour, background, qreal(step) / placements);
        compare(shot, drawn, is_ink, match);
    }
    return match;
}

TextMatch match_drawn_text(const QImage& shot, const QRect& region, const QImage& picture) {
    const QRgb shown_background = dominant_colour(shot, region);
    const QRgb drawn_background = dominant_colour(picture, picture.rect());
    // The text is drawn on a background of its own: the region's takes its place.
    QImage drawn = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (drawn.pixel(x, y) == drawn_background) drawn.setPixel(x, y, shown_background);
    TextMatch match;
    match.shown = bounding_box(shot, region, [shown_background](QRgb pixel) {
        return differ(pixel, shown_background, ink_threshold);
    });
    compare(
        shot, drawn,
        [drawn_background](QRgb pixel) { return differ(pixel, drawn_background, ink_threshold); },
        match);
    return match;
}

}  // namespace probe
