// A window's stored layout (its .ui file: places and sizes in pixels at 96 dpi, which Qt's own
// scaling takes to the screen's DPI) grown for the window's font, the application's unless the
// window sets one, the way dialog units do.
#pragma once

#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace trelumo {

class StoredLayout {
public:
    /// Keeps the places and sizes the stored layout gave the children of `form`, whose client
    /// area it draws at `client` pixels.
    StoredLayout(QWidget* form, QSize client);

    /// Places and sizes the controls for the form's font as it is now, and returns the size of
    /// the client area for it.
    QSize lay_out() const;

private:
    struct Placed {
        QWidget* widget;
        QRect stored;
    };

    QWidget* form_;
    QSize client_;
    std::vector<Placed> controls_;
};

}  // namespace trelumo
