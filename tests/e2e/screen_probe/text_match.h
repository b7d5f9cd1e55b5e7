// Whether a region of a screenshot shows a given text: the text is drawn afresh in the same font
// and colour on the region's own background, at every fraction of a pixel the toolkit may have
// placed it at, and its ink is compared pixel by pixel with the ink found in the region.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

namespace probe {

struct TextMatch {
    bool matches = false;
    QRect shown;           // the ink found in the region
    QSize drawn;           // the size of the ink of the text drawn afresh
    int differences = -1;  // pixels that differ at the best placement; -1 if no size matched
};

TextMatch match_text(const QImage& shot, const QRect& region, const QString& text,
                     const QFont& font, QRgb colour);

}  // namespace probe
