#pragma once

#include <QObject>
#include <QPalette>
#include <QPointer>
#include <vector>

#include "platform/types/colour_value.h"

class QWidget;

namespace trelumo {

class StoredLayout;

/// The colours a window takes from the theme, taken again whenever the theme changes while the
/// program runs: backgrounds named by system colour values, each with the text colour made to be
/// read on it, and the texts the stored layout gives colours of their own, kept in them where
/// they read on the window's ground and drawn in the theme's text colour where they would not.
class ThemeColours : public QObject {
public:
    /// Follows the theme for the window of a stored layout and its controls; `ground` is what the
    /// window is painted in.
    ThemeColours(QWidget* window, ColourValue ground, const StoredLayout& layout);

    /// Paints a widget's `role` (Window or Base) in a colour value, and its text in the colour
    /// made for it; on Base, a selected text where it reads on the theme's selection.
    void set_background(QWidget* widget, QPalette::ColorRole role, ColourValue value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Background {
        QPointer<QWidget> widget;
        QPalette::ColorRole role;
        ColourValue value;
    };
    struct OwnText {
        QPointer<QWidget> widget;
        ColourValue own;
    };

    void paint(const Background& background) const;
    void paint(const OwnText& text) const;

    QWidget* window_;
    ColourValue ground_;
    std::vector<Background> backgrounds_;
    std::vector<OwnText> own_texts_;
};

}  // namespace trelumo
