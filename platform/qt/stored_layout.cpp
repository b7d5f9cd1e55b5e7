#include "platform/qt/stored_layout.h"

#include <QFontMetricsF>
#include <QWidget>

#include "platform/runtime/layout_scale.h"

namespace trelumo {
namespace {

constexpr int twips_per_pixel = 15;  // at 96 dpi, the stored layout's pixels

LayoutScale scale_for_font_of(const QWidget* form) {
    const QFontMetricsF metrics(form->font());
    const QString letters = QString::fromLatin1(measured_letters.data(),
                                                static_cast<qsizetype>(measured_letters.size()));
    // In the logical pixels the layout is placed in, at the DPI they stand for.
    return LayoutScale(form->logicalDpiY(),
                       {metrics.horizontalAdvance(letters) / static_cast<double>(letters.size()),
                        metrics.height()});
}

}  // namespace

StoredLayout::StoredLayout(QWidget* form, QSize client) : form_(form), client_(client) {
    for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow()) controls_.push_back({child, child->geometry()});
}

QSize StoredLayout::lay_out() const {
    const LayoutScale scale = scale_for_font_of(form_);
    const auto pixels = [&scale](int stored) { return scale.pixels(stored * twips_per_pixel); };
    for (const Placed& control : controls_) {
        const QRect& stored = control.stored;
        control.widget->setGeometry(pixels(stored.x()), pixels(stored.y()), pixels(stored.width()),
                                    pixels(stored.height()));
    }
    return {pixels(client_.width()), pixels(client_.height())};
}

}  // namespace trelumo
