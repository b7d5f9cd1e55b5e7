// The time a paste into an amount field takes to answer, for a paste of an amount's size, of
// 160.000 characters and of a megabyte: the field's Change empties what can no longer become an
// amount, as the program's fields do. The clipboard holds digits.
//   paste_probe   prints: one line a paste, characters and milliseconds
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <string>

#include "core/conversion.h"
#include "platform/qt/amount_edit.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const trelumo::Conversion conversion;
    trelumo::AmountEdit field;
    QObject::connect(&field, &QLineEdit::textChanged, &field, [&](const QString& text) {
        if (!conversion.is_beginning(trelumo::Currency::euro, text.toStdString())) field.clear();
    });
    field.show();
    field.activateWindow();
    if (!QTest::qWaitForWindowActive(&field)) return 1;
    for (const int size : {999, 160'000, 1 << 20}) {
        field.setText(QStringLiteral("7"));
        field.selectAll();
        QApplication::clipboard()->setText(QString(size, QLatin1Char('1')));
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
        const auto end = std::chrono::steady_clock::now();
        std::printf("%d %.2f\n", size,
                    std::chrono::duration<double, std::milli>(end - start).count());
    }
    return 0;
}
