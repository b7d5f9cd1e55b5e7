// What a screen reader is told of a control through Qt's accessibility layer, beyond what Qt
// tells of it by itself.
#pragma once

#include <QLabel>

namespace trelumo {

/// A label whose text screen readers read out each time it is stated. To assistive technology it
/// is a notification, shown anew with each text: Orca reads a notification out as it shows, after
/// what it is saying (the field the focus has just reached) instead of cutting it short.
class AnnouncedLabel : public QLabel {
    Q_OBJECT

public:
    explicit AnnouncedLabel(QWidget* parent = nullptr);

    /// Shows the text and has screen readers read it out.
    void state(const QString& text);
};

}  // namespace trelumo
