// Whether a region of a screenshot shows a given text: the text is drawn afresh in the same font
// and colour on the region's own background, at every fraction of a pixel the toolkit may have
// placed it at, and its ink is compared pixel by pixel with the ink found in the region. A
// program that draws through another platform (a Windows program under Wine) brings the text as
// that platform drew it, in a picture, which is compared the same way.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>

namespace probe {

struct TextMatch {
    bool matches = false;
    QRect shown;           // the ink found in the region
    QSize drawn;           // the size of the ink of the text drawn afresh
    int differences = -1;  // pixels that differ at the best placement; -1 if no size matched
};

TextMatch match_text(const QImage& shot, const QRect& region, const QString& text,
                     const QFont& font, QRgb colour, std::optional<QRgb> background = {});

/// The same, with the text as drawn by the program's platform on a plain background.
TextMatch match_drawn_text(const QImage& shot, const QRect& region, const QImage& picture);

}  // namespace probe
