// The separators Trelumo reads amounts in, chosen from the environment as the C library chooses
// the numeric locale; the C locale reads as Spanish (Spain).
#include "platform/qt/locale_separators.h"

#include <QTest>

class LocaleSeparatorsTest : public QObject {
    Q_OBJECT

private slots:
    void follow_the_numeric_locale_data() {
        QTest::addColumn<QByteArray>("lc_all");
        QTest::addColumn<QByteArray>("lc_numeric");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("group");

        QTest::newRow("Spanish") << QByteArray() << QByteArray() << QByteArray("es_ES.UTF-8") << ","
                                 << ".";
        QTest::newRow("English") << QByteArray() << QByteArray() << QByteArray("en_GB.UTF-8") << "."
                                 << ",";
        QTest::newRow("nothing set reads as Spanish")
            << QByteArray() << QByteArray() << QByteArray() << ","
            << ".";
        QTest::newRow("C reads as Spanish")
            << QByteArray() << QByteArray() << QByteArray("C") << ","
            << ".";
        QTest::newRow("C.UTF-8 reads as Spanish")
            << QByteArray() << QByteArray() << QByteArray("C.UTF-8") << ","
            << ".";
        QTest::newRow("POSIX reads as Spanish")
            << QByteArray("POSIX") << QByteArray() << QByteArray("en_GB.UTF-8") << ","
            << ".";
        QTest::newRow("LC_NUMERIC over LANG")
            << QByteArray() << QByteArray("en_GB.UTF-8") << QByteArray("es_ES.UTF-8") << "."
            << ",";
        QTest::newRow("LC_NUMERIC=C over a Spanish LANG reads as Spanish")
            << QByteArray() << QByteArray("C") << QByteArray("es_ES.UTF-8") << ","
            << ".";
        QTest::newRow("LC_ALL over LC_NUMERIC")
            << QByteArray("de_DE.UTF-8") << QByteArray("en_GB.UTF-8") << QByteArray() << ","
            << ".";
        QTest::newRow("an empty LC_ALL is skipped")
            << QByteArray("") << QByteArray("en_GB.UTF-8") << QByteArray() << "."
            << ",";
        QTest::newRow("French groups with a narrow no-break space")
            << QByteArray("fr_FR.UTF-8@euro") << QByteArray() << QByteArray() << ","
            << QStringLiteral("\u202f");
    }

    void follow_the_numeric_locale() {
        QFETCH(QByteArray, lc_all);
        QFETCH(QByteArray, lc_numeric);
        QFETCH(QByteArray, lang);
        QFETCH(QString, decimal);
        QFETCH(QString, group);
        set_or_unset("LC_ALL", lc_all);
        set_or_unset("LC_NUMERIC", lc_numeric);
        set_or_unset("LANG", lang);

        const trelumo::Separators separators = trelumo::system_separators();
        QCOMPARE(QString::fromStdString(separators.decimal), decimal);
        QCOMPARE(QString::fromStdString(separators.group), group);
    }

private:
    static void set_or_unset(const char* name, const QByteArray& value) {
        if (value.isNull()) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }
};

QTEST_APPLESS_MAIN(LocaleSeparatorsTest)
#include "locale_separators_test.moc"
