#include "platform/qt/stored_layout.h"

#include <QAction>
#include <QFontMetricsF>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>

#include "platform/qt/accessible_control.h"
#include "platform/qt/amount_edit.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/system_colour.h"
#include "platform/runtime/layout_scale.h"

namespace trelumo {
namespace {

LayoutScale scale_for_font_of(const QWidget* client) {
    const QFontMetricsF metrics(client->font());
    const QString letters = QString::fromLatin1(measured_letters.data(),
                                                static_cast<qsizetype>(measured_letters.size()));
    // In the logical pixels the layout is placed in, at the DPI they stand for.
    return LayoutScale(client->logicalDpiY(),
                       {metrics.horizontalAdvance(letters) / static_cast<double>(letters.size()),
                        metrics.height()});
}

Qt::Alignment qt_alignment(Alignment alignment) {
    switch (alignment) {
        case Alignment::right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Alignment::centre:
            return Qt::AlignCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

QLabel* label(const ControlLayout& layout, QWidget* client) {
    QLabel* label = layout.announced ? new AnnouncedLabel(client) : new QLabel(client);
    label->setText(qt_text(layout.caption));
    if (layout.wraps) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    } else if (layout.alignment != Alignment::left) {
        label->setAlignment(qt_alignment(layout.alignment));
    }
    if (layout.border == Border::sunken) {
        label->setFrameShape(QFrame::WinPanel);
        label->setFrameShadow(QFrame::Sunken);
    }
    return label;
}

QLabel* picture(const ControlLayout& layout, QWidget* client) {
    auto* picture = new QLabel(client);
    picture->setPixmap(QPixmap(picture_path(layout.picture)));
    picture->setAlignment(Qt::AlignCenter);
    if (layout.border == Border::sunken) {
        picture->setFrameShape(QFrame::Panel);
        picture->setFrameShadow(QFrame::Sunken);
        picture->setLineWidth(2);
    }
    return picture;
}

QWidget* make_control(const ControlLayout& layout, QWidget* client) {
    switch (layout.kind) {
        case ControlKind::label:
            return label(layout, client);
        case ControlKind::text_field: {
            auto* field = new AmountEdit(client);
            field->setAlignment(qt_alignment(layout.alignment));
            return field;
        }
        case ControlKind::picture:
        case ControlKind::picture_box:
            return picture(layout, client);
        case ControlKind::push_button: {
            auto* button = new QPushButton(qt_text(layout.caption), client);
            button->setDefault(layout.default_button);
            return button;
        }
    }
    return nullptr;
}

// A font of the layout's: what it does not set is the window's. Where the face is missing,
// fontconfig finds its stand-in.
QFont qt_font(const FontLayout& font) {
    QFont made;
    made.setFamilies({qt_text(font.face)});
    made.setPointSize(font.points);
    made.setBold(font.bold);
    return made;
}

QRect twips_of(const LineLayout& line) {
    const LineBand band = band_of(line);
    return QRect(band.left, band.top, band.width, band.height);
}

}  // namespace

StoredLayout::StoredLayout(const WindowLayout& window, QWidget* client)
    : window_(&window), client_(client) {
    QWidget* top = client->window();
    top->setObjectName(qt_text(window.name));
    top->setWindowTitle(qt_text(window.title));
    top->setWindowIcon(QIcon(picture_path(window.icon)));
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        const ControlLayout& layout = window.controls[i];
        QWidget* control = make_control(layout, client);
        control->setObjectName(qt_text(layout.name));
        if (!layout.tooltip.empty()) control->setToolTip(qt_text(layout.tooltip));
        if (const std::string_view name = reader_name_of(window.controls, static_cast<int>(i));
            !name.empty())
            control->setAccessibleName(qt_text(name));
        if (layout.font) control->setFont(qt_font(*layout.font));
        if (layout.back_colour != no_colour) {
            control->setAutoFillBackground(true);
            control->setBackgroundRole(QPalette::Base);
        }
        if (!layout.visible) control->setVisible(false);
        controls_.push_back(control);
    }
    for (const LineLayout& layout : window.lines) {
        auto* line = new QFrame(client);
        line->setObjectName(qt_text(layout.name) + QLatin1Char('_') +
                            QString::number(layout.index));
        line->setAutoFillBackground(true);
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, colour_of(layout.colour, palette));
        line->setPalette(palette);
        lines_.push_back({line, &layout});
    }
}

QSize StoredLayout::lay_out() const {
    const LayoutScale scale = scale_for_font_of(client_);
    const auto place = [&scale](QWidget* widget, const QRect& twips) {
        widget->setGeometry(scale.pixels(twips.x()), scale.pixels(twips.y()),
                            scale.pixels(twips.width()), scale.pixels(twips.height()));
    };
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const ControlLayout& layout = window_->controls[i];
        place(controls_[i], QRect(layout.left, layout.top, layout.width, layout.height));
    }
    for (const Line& line : lines_) place(line.widget, twips_of(*line.layout));
    return {scale.pixels(window_->client_width), scale.pixels(window_->client_height)};
}

std::vector<QAction*> make_menu(std::span<const MenuItemLayout> menu, QMenuBar* bar,
                                QWidget* window) {
    std::vector<QAction*> actions(menu.size(), nullptr);
    std::vector<QMenu*> submenus(menu.size(), nullptr);
    for (std::size_t i = 0; i < menu.size(); ++i) {
        const MenuItemLayout& item = menu[i];
        if (item.parent.empty()) {
            submenus[i] = new QMenu(qt_text(item.caption), bar);
            submenus[i]->setObjectName(qt_text(item.name));
            bar->addAction(submenus[i]->menuAction());
            actions[i] = submenus[i]->menuAction();
            continue;
        }
        QMenu* parent = submenus[static_cast<std::size_t>(index_of(menu, item.parent))];
        if (is_separator(item)) {
            actions[i] = parent->addSeparator();
            continue;
        }
        actions[i] = new QAction(qt_text(item.caption), window);
        actions[i]->setObjectName(qt_text(item.name));
        parent->addAction(actions[i]);
    }
    return actions;
}

QString picture_path(std::string_view picture) {
    return QStringLiteral(":/pictures/") + qt_text(picture) + QStringLiteral(".xpm");
}

}  // namespace trelumo
