#pragma once

#include <QLineEdit>

/// A single-line amount field. The keypad's decimal key types the locale's decimal separator,
/// and a click that brings the focus into the field keeps the selection its GotFocus made.
class AmountEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit AmountEdit(QWidget* parent = nullptr);

    void set_decimal_separator(const QString& separator);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString decimal_separator_ = QStringLiteral(",");
    bool focused_by_click_ = false;
};
