#include "text_match.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <cmath>
#include <cstdlib>

#include "pixels.h"

namespace probe {
namespace {

constexpr int ink_threshold = 96;    // how far from the background a pixel must be to be ink
constexpr int pixel_tolerance = 48;  // how far two inks may differ and still be the same pixel
constexpr int placements = 64;       // fractions of a pixel tried

QImage drawn_text(const QString& text, const QFont& font, QRgb colour, QRgb background,
                  QPointF offset) {
    // At the screen's ratio of device pixels to Qt's own, as the program under test draws.
    const qreal ratio = qGuiApp->devicePixelRatio();
    const QFontMetrics metrics(font);
    QImage image(QSize(metrics.horizontalAdvance(text) + 40, metrics.height() + 40) * ratio,
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(background);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor(colour));
    painter.drawText(QPointF(20, 20 + metrics.ascent()) + offset / ratio, text);
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

// At a ratio of device pixels to Qt's own that is no whole number (1.5 at 144 dpi), Qt puts
// each glyph on device pixels in a way a text drawn afresh does not repeat: the ink shown may be
// a pixel narrower or shorter, and differ in up to a tenth of its pixels, and be the same text. A
// text cut short loses more than that.
bool fractional_ratio() {
    const qreal ratio = qGuiApp->devicePixelRatio();
    return ratio != std::floor(ratio);
}

// Compares the ink of a drawn text, told from its background by `is_ink`, with the ink shown.
void compare(const QImage& shot, const QImage& drawn, const PixelTest& is_ink, TextMatch& match) {
    const QRect ink = bounding_box(drawn, drawn.rect(), is_ink);
    match.drawn = ink.size();
    const QSize shown = match.shown.size();
    const int slack = fractional_ratio() ? 1 : 0;
    if (std::abs(ink.width() - shown.width()) > slack ||
        std::abs(ink.height() - shown.height()) > slack)
        return;
    const QSize common = ink.size().boundedTo(shown);
    // Where the drawn ink is a pixel larger, the pixel is lost on one side or the other.
    for (const int dx : {0, ink.width() - common.width()}) {
        for (const int dy : {0, ink.height() - common.height()}) {
            const int count = differences(shot, match.shown.topLeft(), drawn,
                                          ink.topLeft() + QPoint(dx, dy), common);
            if (match.differences < 0 || count < match.differences) match.differences = count;
        }
    }
    const int count = match.differences;
    match.matches = count <= slack * common.width() * common.height() / 10;
}

}  // namespace

TextMatch match_text(const QImage& shot, const QRect& region, const QString& text,
                     const QFont& font, QRgb colour, std::optional<QRgb> given_background) {
    const QRgb background = given_background.value_or(dominant_colour(shot, region));
    const auto is_ink = [background](QRgb pixel) {
        return differ(pixel, background, ink_threshold);
    };
    TextMatch match;
    match.shown = bounding_box(shot, region, is_ink);
    // At a ratio that is no whole number, a line may also start half-way down a device pixel.
    const int heights = fractional_ratio() ? 2 : 1;
    for (int height = 0; height < heights && !match.matches; ++height) {
        for (int step = 0; step < placements && !match.matches; ++step) {
            const QPointF offset(qreal(step) / placements, height * 0.5);
            compare(shot, drawn_text(text, font, colour, background, offset), is_ink, match);
        }
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
