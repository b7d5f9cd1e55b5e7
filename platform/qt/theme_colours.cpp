#include "platform/qt/theme_colours.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <algorithm>

#include "platform/qt/stored_layout.h"
#include "platform/qt/system_colour.h"
#include "platform/types/contrast.h"

namespace trelumo {
namespace {

QPalette::ColorRole text_role_on(QPalette::ColorRole background) {
    return background == QPalette::Base ? QPalette::Text : QPalette::WindowText;
}

}  // namespace

ThemeColours::ThemeColours(QWidget* window, ColourValue ground, const StoredLayout& layout)
    : QObject(window), window_(window), ground_(ground) {
    const auto controls = layout.window().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        QWidget* control = layout[static_cast<int>(i)];
        if (controls[i].fore_colour != no_colour)
            own_texts_.push_back({control, controls[i].fore_colour});
        if (controls[i].back_colour != no_colour)
            set_background(control, QPalette::Base, controls[i].back_colour);
    }
    for (const OwnText& text : own_texts_) paint(text);
    window->installEventFilter(this);
}

void ThemeColours::set_background(QWidget* widget, QPalette::ColorRole role, ColourValue value) {
    auto found = std::ranges::find_if(
        backgrounds_, [&](const Background& b) { return b.widget == widget && b.role == role; });
    if (found == backgrounds_.end()) {
        backgrounds_.push_back({widget, role, value});
        found = std::prev(backgrounds_.end());
    }
    found->value = value;
    paint(*found);
}

bool ThemeColours::eventFilter(QObject* watched, QEvent* event) {
    // The application's palette is the new theme's by now; each widget merges it into what it
    // sets itself once this has run.
    if (watched == window_ && event->type() == QEvent::ApplicationPaletteChange) {
        for (const Background& background : backgrounds_) paint(background);
        for (const OwnText& text : own_texts_) paint(text);
    }
    return false;
}

void ThemeColours::paint(const Background& background) const {
    if (!background.widget) return;
    const QPalette theme = QApplication::palette(background.widget);
    QPalette palette = background.widget->palette();
    palette.setColor(background.role, colour_of(background.value, theme));
    palette.setColor(text_role_on(background.role),
                     colour_of(text_colour_on(background.value), theme));
    if (background.role == QPalette::Base) {
        // A field's selected text, in the theme's colour unless it does not read on the
        // selection (Fusion's own white on blue does not).
        const Rgb selected =
            readable_on(rgb_of(theme.color(QPalette::Active, QPalette::Highlight)),
                        rgb_of(theme.color(QPalette::Active, QPalette::HighlightedText)));
        palette.setColor(QPalette::HighlightedText,
                         QColor(selected.red, selected.green, selected.blue));
    }
    background.widget->setPalette(palette);
}

void ThemeColours::paint(const OwnText& text) const {
    if (!text.widget) return;
    const QPalette theme = QApplication::palette(window_);
    const auto drawn = [&theme](ColourValue value) { return rgb_of(colour_of(value, theme)); };
    const ColourValue colour = readable_text_colour(text.own, ground_, false, drawn);
    QPalette palette = text.widget->palette();
    palette.setColor(QPalette::WindowText, colour_of(colour, theme));
    text.widget->setPalette(palette);
}

}  // namespace trelumo
