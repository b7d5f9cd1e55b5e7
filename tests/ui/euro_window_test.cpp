#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFontInfo>
#include <QHash>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTextBrowser>
#include <algorithm>
#include <cstdlib>

#include "gui_fixture.h"
#include "platform/qt/help.h"
#include "platform/types/contrast.h"

namespace {

QWidget* top_level_named(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && widget->isVisible()) return widget;
    return nullptr;
}

int count_top_levels_named(const QString& name) {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += widget->objectName() == name && widget->isVisible();
    return count;
}

void close_top_level_named(const QString& name) {
    if (QWidget* widget = top_level_named(name)) widget->close();
}

QColor background(const QLineEdit* field) {
    return field->palette().color(QPalette::Base);
}

trelumo::Rgb rgb(QRgb pixel) {
    return {static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
            static_cast<std::uint8_t>(qBlue(pixel))};
}

// The contrast ratio, from the pixels drawn inside a control, between its most common colour (its
// ground) and the colour that stands out most from it (its text). A field is drawn without its
// caret and its selection, whose colours are the theme's own pair.
double drawn_contrast(QWidget* control) {
    auto* field = qobject_cast<QLineEdit*>(control);
    if (field) {
        field->deselect();
        field->setReadOnly(true);
    }
    const QImage image = control->grab().toImage();
    if (field) field->setReadOnly(false);
    const QRect inside = image.rect().adjusted(4, 4, -4, -4);
    QHash<QRgb, int> counts;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) ++counts[image.pixel(x, y)];
    QRgb ground = counts.begin().key();
    for (auto count = counts.begin(); count != counts.end(); ++count)
        if (count.value() > counts[ground]) ground = count.key();
    double ratio = 1;
    for (auto count = counts.begin(); count != counts.end(); ++count)
        ratio = std::max(ratio, trelumo::contrast_ratio(rgb(count.key()), rgb(ground)));
    return ratio;
}

bool fully_selected(const QLineEdit* field) {
    return field->selectedText() == field->text() && !field->text().isEmpty();
}

void key_to_focus(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::activePopupWidget();
    if (!target) target = QApplication::focusWidget();
    QTest::keyClick(target, key, modifiers);
}

void close_with_esc_and_come_back(const QString& window_name, QWidget* main_window) {
    QTRY_VERIFY(top_level_named(window_name));
    QWidget* window = top_level_named(window_name);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(!window->isVisible());
    main_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main_window));
}

}  // namespace

class EuroWindowTest : public QObject, public GuiFixture {
    Q_OBJECT

    void go_away_and_back(const QString& trip) {
        if (trip == QStringLiteral("menu bar by Alt")) {
            key_to_focus(Qt::Key_Alt, Qt::AltModifier);
            key_to_focus(Qt::Key_Escape);
        } else if (trip == QStringLiteral("Archivo menu opened and closed")) {
            key_to_focus(Qt::Key_A, Qt::AltModifier);
            QTRY_VERIFY(QApplication::activePopupWidget());
            key_to_focus(Qt::Key_Escape);
            key_to_focus(Qt::Key_Escape);
        } else {
            key_to_focus(Qt::Key_Y, Qt::AltModifier);
            QTRY_VERIFY(QApplication::activePopupWidget());
            key_to_focus(Qt::Key_A);
            close_with_esc_and_come_back(QStringLiteral("frmAbout"), window());
        }
    }

private slots:
    void init() { open_main_window(); }

    void cleanup() {
        close_top_level_named(QStringLiteral("help_window"));
        close_main_window();
    }

    void starts_with_zero_euros_selected_and_no_conversion_shown() {
        QCOMPARE(window()->windowTitle(), QStringLiteral("Trelumo"));
        QCOMPARE(QApplication::focusWidget(), text_euro());
        QCOMPARE(text_euro()->text(), QStringLiteral("0,00"));
        QVERIFY(fully_selected(text_euro()));
        QCOMPARE(text_pts()->text(), QStringLiteral("0"));
        QCOMPARE(background(text_euro()), QApplication::palette().color(QPalette::ToolTipBase));
        QCOMPARE(background(text_pts()), QApplication::palette().color(QPalette::Base));
        QCOMPARE(result()->text(), QString());
        QVERIFY(!fizq()->isVisible());
        QVERIFY(!fdcha()->isVisible());
    }

    void tab_tidies_the_field_left_and_converts_into_the_other_data() {
        QTest::addColumn<bool>("from_pesetas");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("tidied");
        QTest::addColumn<QString>("converted");
        QTest::addColumn<QString>("sentence");

        QTest::newRow("1 euro") << false << "1"
                                << "1,00"
                                << "166"
                                << "1,00 Euros  =  166 Ptas.";
        QTest::newRow("half cent rounds up") << false << "12,345"
                                             << "12,35"
                                             << "2.055"
                                             << "12,35 Euros  =  2.055 Ptas.";
        QTest::newRow("thousands") << false << "1234,5"
                                   << "1.234,50"
                                   << "205.404"
                                   << "1.234,50 Euros  =  205.404 Ptas.";
        QTest::newRow("empty euros") << false << ""
                                     << "0,00"
                                     << "0"
                                     << "0,00 Euros  =  0 Ptas.";
        QTest::newRow("102 pesetas") << true << "102"
                                     << "102"
                                     << "0,61"
                                     << "102 Ptas.  =  0,61 Euros";
        QTest::newRow("grouped pesetas") << true << "1.000.000"
                                         << "1.000.000"
                                         << "6.010,12"
                                         << "1.000.000 Ptas.  =  6.010,12 Euros";
        QTest::newRow("ungrouped pesetas") << true << "1000"
                                           << "1.000"
                                           << "6,01"
                                           << "1.000 Ptas.  =  6,01 Euros";
        QTest::newRow("empty pesetas") << true << ""
                                       << "0"
                                       << "0,00"
                                       << "0 Ptas.  =  0,00 Euros";
    }

    void tab_tidies_the_field_left_and_converts_into_the_other() {
        QFETCH(bool, from_pesetas);
        QFETCH(QString, typed);
        QFETCH(QString, tidied);
        QFETCH(QString, converted);
        QFETCH(QString, sentence);

        if (from_pesetas) tab();
        QLineEdit* left = from_pesetas ? text_pts() : text_euro();
        QLineEdit* entered = from_pesetas ? text_euro() : text_pts();
        QTest::keyClick(left, Qt::Key_Delete);  // the entered field starts wholly selected
        type(typed);
        tab();

        QCOMPARE(left->text(), tidied);
        QCOMPARE(result()->text(), sentence);
        QCOMPARE(entered->text(), converted);
        QCOMPARE(QApplication::focusWidget(), entered);
        QVERIFY(fully_selected(entered));
        QCOMPARE(fdcha()->isVisible(), !from_pesetas);
        QCOMPARE(fizq()->isVisible(), from_pesetas);
    }

    void pesetas_come_back_rounded_through_euros() {
        tab();
        type(QStringLiteral("102"));
        tab();
        QCOMPARE(text_euro()->text(), QStringLiteral("0,61"));
        tab();
        QCOMPARE(text_pts()->text(), QStringLiteral("101"));
        QCOMPARE(result()->text(), QStringLiteral("0,61 Euros  =  101 Ptas."));
        tab();
        tab();
        QCOMPARE(text_euro()->text(), QStringLiteral("0,61"));
        QCOMPARE(text_pts()->text(), QStringLiteral("101"));
    }

    void shift_tab_and_clicks_convert_like_tab() {
        type(QStringLiteral("2"));
        QTest::keyClick(text_euro(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(text_pts()->text(), QStringLiteral("333"));
        type(QStringLiteral("500"));
        QTest::mouseClick(text_euro(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), text_euro());
        QTRY_COMPARE(text_euro()->text(), QStringLiteral("3,01"));  // GotFocus runs queued
        QVERIFY(fully_selected(text_euro()));
    }

    // A screen reader told of the press before the field has the focus says the field's name when
    // the focus comes.
    void a_left_click_brings_the_focus_in_as_its_button_comes_up() {
        type(QStringLiteral("1"));
        QTest::mousePress(text_pts(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), text_euro());
        QTest::mouseRelease(text_pts(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), text_pts());
        QTRY_COMPARE(text_pts()->text(), QStringLiteral("166"));
        QVERIFY(fully_selected(text_pts()));
    }

    void a_letter_empties_the_field_which_then_takes_digits_again() {
        type(QStringLiteral("12a"));
        QCOMPARE(text_euro()->text(), QString());
        type(QStringLiteral("3"));
        QCOMPARE(text_euro()->text(), QStringLiteral("3"));
    }

    void a_negative_amount_is_typed_from_the_left() {
        type(QStringLiteral("-"));
        QCOMPARE(text_euro()->text(), QStringLiteral("-"));
        type(QStringLiteral("5,25"));
        tab();
        QCOMPARE(text_euro()->text(), QStringLiteral("-5,25"));
        QCOMPARE(text_pts()->text(), QStringLiteral("-874"));
    }

    // State: the euro field entered, 0,00 selected. Action: keys, "^z" for ctrl+z and "^Z" for
    // ctrl+shift+z (redo), TAB and BACKTAB. Expected: the euro field's text and its caret, or its
    // selection from the caret's other end.
    void undo_goes_back_one_change_at_a_time_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("caret");
        const auto keys = [](const char* list) {
            return QString::fromLatin1(list).split(QLatin1Char(' '));
        };
        QTest::newRow("a run of emptyings, then more typed")
            << keys("12 a b ^z 3") << QStringLiteral("123") << 3 << 3;
        QTest::newRow("typed after an emptying")
            << keys("4 5 x 9 ^z ^z") << QStringLiteral("45") << 2 << 2;
        QTest::newRow("back to the text the focus came in to, and no further")
            << keys("4 x 9 ^z ^z ^z ^z ^z") << QStringLiteral("0,00") << 0 << 4;
        QTest::newRow("redo after undo")
            << keys("4 5 x ^z ^z ^Z") << QStringLiteral("45") << 2 << 2;
        QTest::newRow("the same text written again as the focus came back")
            << keys("1,00 TAB BACKTAB ^z") << QStringLiteral("1,00") << 0 << 4;
    }

    void undo_goes_back_one_change_at_a_time() {
        QFETCH(QStringList, keys);
        QFETCH(QString, field);
        QFETCH(int, anchor);
        QFETCH(int, caret);
        for (const QString& key : keys) {
            if (key == QStringLiteral("^z")) {
                QTest::keyClick(text_euro(), Qt::Key_Z, Qt::ControlModifier);
            } else if (key == QStringLiteral("^Z")) {
                QTest::keyClick(text_euro(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            } else if (key == QStringLiteral("TAB")) {
                tab();
            } else if (key == QStringLiteral("BACKTAB")) {
                key_to_focus(Qt::Key_Backtab, Qt::ShiftModifier);
            } else {
                type(key);
            }
        }
        QCOMPARE(text_euro()->text(), field);
        QCOMPARE(text_euro()->cursorPosition(), caret);
        const int selected = text_euro()->selectedText().size();
        QCOMPARE(selected, std::abs(caret - anchor));
    }

    // State: a dark theme whose tooltip colour is light, as GNOME's dark style has it. Action: an
    // amount typed into the highlighted field, TAB. Expected: the field being typed into, the
    // field left, the field entered and the sentence all readable, as drawn.
    void texts_stay_readable_in_a_dark_theme() {
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
            dark.setColor(role, QColor(0x24, 0x24, 0x24));
        for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            dark.setColor(role, QColor(0xEE, 0xEE, 0xEE));
        dark.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xDC));
        dark.setColor(QPalette::ToolTipText, Qt::black);
        QApplication::setPalette(dark);
        close_main_window();
        open_main_window();
        type(QStringLiteral("8888"));
        const double typed_into = drawn_contrast(text_euro());
        tab();
        const double left = drawn_contrast(text_euro());
        const double entered = drawn_contrast(text_pts());
        const double sentence = drawn_contrast(result());
        QApplication::setPalette(light);
        qInfo("contrast: typed into %.1f, left %.1f, entered %.1f, sentence %.1f", typed_into, left,
              entered, sentence);
        QVERIFY2(typed_into >= 4.5, qPrintable(QString::number(typed_into)));
        QVERIFY2(left >= 4.5, qPrintable(QString::number(left)));
        QVERIFY2(entered >= 4.5, qPrintable(QString::number(entered)));
        QVERIFY2(sentence >= 4.5, qPrintable(QString::number(sentence)));
    }

    // State: the euro field holds 7, selected. Action: ctrl+v, then ctrl+z. Expected: the field's
    // text after the paste, then 7 again.
    void a_paste_puts_in_an_amount_or_empties_the_field_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("field");
        const QString digits(1 << 20, QLatin1Char('1'));
        QTest::newRow("blanks and line ends around")
            << QString(40000, QLatin1Char(' ')) + QStringLiteral("\r\n5\n") << QStringLiteral("5");
        QTest::newRow("a line end first")
            << QStringLiteral("\r\n1.000 \u20AC") << QStringLiteral("1.000 \u20AC");
        QTest::newRow("a megabyte of digits") << digits << QString();
    }

    void a_paste_puts_in_an_amount_or_empties_the_field() {
        QFETCH(QString, clipboard);
        QFETCH(QString, field);
        type(QStringLiteral("7"));
        text_euro()->selectAll();
        QApplication::clipboard()->setText(clipboard);
        QTest::keyClick(text_euro(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text_euro()->text(), field);
        QTest::keyClick(text_euro(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text_euro()->text(), QStringLiteral("7"));
    }

    // State: the euro field entered, its text wholly selected. Action: the focus goes away
    // without reaching the other field, and comes back. Expected: the same text selected, so
    // that 5 typed replaces it.
    void typing_after_a_trip_away_replaces_the_selection_data() {
        QTest::addColumn<QString>("trip");
        for (const char* trip :
             {"menu bar by Alt", "Archivo menu opened and closed", "About window by the keyboard"})
            QTest::newRow(trip) << QString::fromLatin1(trip);
    }

    void typing_after_a_trip_away_replaces_the_selection() {
        QFETCH(QString, trip);
        type(QStringLiteral("1"));
        tab();
        QTest::keyClick(text_pts(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(text_euro()->text(), QStringLiteral("1,00"));

        go_away_and_back(trip);
        QCOMPARE(QApplication::focusWidget(), text_euro());
        QVERIFY(fully_selected(text_euro()));
        type(QStringLiteral("5"));
        tab();
        QCOMPARE(text_pts()->text(), QStringLiteral("832"));
    }

    void the_keypad_decimal_key_types_a_comma() {
        type(QStringLiteral("1"));
        QTest::keyClick(text_euro(), Qt::Key_Period, Qt::KeypadModifier);
        type(QStringLiteral("5"));
        QCOMPARE(text_euro()->text(), QStringLiteral("1,5"));
        tab();
        QCOMPARE(text_euro()->text(), QStringLiteral("1,50"));
    }

    void clicking_a_label_or_picture_keeps_the_focus_and_converts_nothing() {
        type(QStringLiteral("7"));
        for (QWidget* label : {static_cast<QWidget*>(result()),
                               window()->findChild<QWidget*>(QStringLiteral("Label3"))})
            QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), text_euro());
        QCOMPARE(text_euro()->text(), QStringLiteral("7"));
        QCOMPARE(result()->text(), QString());
    }

    void leaving_the_window_and_coming_back_keeps_the_typed_amount() {
        type(QStringLiteral("250"));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window()));

        QCOMPARE(QApplication::focusWidget(), text_euro());
        QCOMPARE(text_euro()->text(), QStringLiteral("250"));
        QCOMPARE(result()->text(), QString());
    }

    void a_context_menu_keeps_the_typed_amount() {
        type(QStringLiteral("250"));
        QTimer::singleShot(100, [] {
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        });
        QContextMenuEvent menu_request(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                       text_euro()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(text_euro(), &menu_request);

        QCOMPARE(QApplication::focusWidget(), text_euro());
        QCOMPARE(text_euro()->text(), QStringLiteral("250"));
        QCOMPARE(result()->text(), QString());
    }

    void f1_and_the_help_command_open_the_help_window() {
        QTest::keyClick(text_euro(), Qt::Key_F1);
        QWidget* help = top_level_named(QStringLiteral("help_window"));
        QVERIFY(help);
        QVERIFY(
            qobject_cast<QTextBrowser*>(help)->toPlainText().contains(QStringLiteral("166,386")));
        // Beside the main window as the screen allows, not over it from the screen's corner.
        QVERIFY(help->screen()->availableGeometry().contains(help->frameGeometry()));
        QVERIFY(help->frameGeometry().topLeft() != QPoint(0, 0));
        help->close();
        window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window()));

        window()->findChild<QAction*>(QStringLiteral("temas"))->trigger();
        QVERIFY(top_level_named(QStringLiteral("help_window")));
        QCOMPARE(text_euro()->text(), QStringLiteral("0,00"));
    }

    void a_missing_help_document_is_reported_with_the_places_sought() {
        trelumo::show_help(QStringLiteral("NOEXISTE.HLP"));
        auto* box = qobject_cast<QMessageBox*>(top_level_named(QStringLiteral("help_missing")));
        QVERIFY(box);
        const QString text = box->text();
        box->close();
        for (const QString& sought :
             trelumo::help_document_candidates(QStringLiteral("NOEXISTE.HLP")))
            QVERIFY2(text.contains(QDir::toNativeSeparators(sought)), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("/help/noexiste.html")));
        QVERIFY(!top_level_named(QStringLiteral("help_window")));
    }

    void an_overflow_is_reported_once_and_the_program_keeps_running() {
        watchdog().expect(QStringLiteral("run_time_error"));
        type(QStringLiteral("1") + QString(307, QLatin1Char('0')));
        tab();
        QTRY_VERIFY(top_level_named(QStringLiteral("run_time_error")));
        QCoreApplication::processEvents();  // a second report would be shown by now
        QCOMPARE(count_top_levels_named(QStringLiteral("run_time_error")), 1);
        auto* box = qobject_cast<QMessageBox*>(top_level_named(QStringLiteral("run_time_error")));
        QCOMPARE(box->text(),
                 QStringLiteral("Se ha producido el error '6' en tiempo de ejecución:\n\n"
                                "Desbordamiento"));
        box->close();
        watchdog().expect(QString());
        window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window()));

        QVERIFY(window()->isVisible());
        QCOMPARE(result()->text(), QString());  // no stale conversion beside the new amount
        QVERIFY(!fizq()->isVisible() && !fdcha()->isVisible());
        QCOMPARE(text_pts()->text(), QString());
        QTest::mouseClick(text_pts(), Qt::LeftButton);
        QTest::keyClick(text_pts(), Qt::Key_Delete);
        type(QStringLiteral("166"));
        tab();
        QCOMPARE(text_euro()->text(), QStringLiteral("1,00"));
    }

    // State: the window open at the default font. Action: its font made twice as large, as the
    // application font the user chose reaches it. Expected: the window grows with it, "Pesetas:"
    // still fits its label, and the window shrinks back with the font.
    void follows_its_font_while_it_runs() {
        const QFont normal = window()->font();
        const QSize drawn = window()->centralWidget()->size();
        QFont larger = normal;
        larger.setPixelSize(QFontInfo(normal).pixelSize() * 2);
        window()->setFont(larger);
        const QSize grown = window()->centralWidget()->size();
        const auto* label = window()->findChild<QLabel*>(QStringLiteral("Label2"));
        const int caption = label->fontMetrics().horizontalAdvance(label->text());
        const int room = label->width();
        window()->setFont(normal);
        qInfo("window %dx%d, at twice the font %dx%d; Pesetas: %d pixels in %d", drawn.width(),
              drawn.height(), grown.width(), grown.height(), caption, room);
        QVERIFY(grown.width() >= 2 * drawn.width() && grown.height() >= 2 * drawn.height());
        QVERIFY(caption < room);
        QCOMPARE(window()->centralWidget()->size(), drawn);
    }

    void the_fields_have_their_labels_as_accessible_names() {
        QCOMPARE(text_euro()->accessibleName(), QStringLiteral("Euros"));
        QCOMPARE(text_pts()->accessibleName(), QStringLiteral("Pesetas"));
    }
};

TRELUMO_WINDOW_TEST_MAIN(EuroWindowTest)
#include "euro_window_test.moc"
