// Whether a screenshot shows a picture at a place: every opaque pixel of the picture is there,
// and its transparent pixels all show one and the same background.
#pragma once

#include <QImage>
#include <QPoint>

namespace probe {

/// The number of pixels that do not match (0 when the picture is shown there).
int picture_differences(const QImage& shot, QPoint place, const QImage& picture);

}  // namespace probe
