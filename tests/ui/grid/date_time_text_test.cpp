#include "ui/grid/date_time_text.h"

#include <QtTest>

namespace zelvaro {

class DateTimeTextTest : public QObject {
    Q_OBJECT

  private slots:
    void showsShortDateAndLongTime_data();
    void showsShortDateAndLongTime();
};

void DateTimeTextTest::showsShortDateAndLongTime_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("msecOfDay");
    QTest::addColumn<QString>("text");
    const int afternoon = ((14 * 60 + 3) * 60 + 7) * 1000 + 123;
    QTest::newRow("Brazil") << "pt_BR" << afternoon << "15/03/2024 14:03:07";
    QTest::newRow("United States") << "en_US" << afternoon << "3/15/24 2:03:07 PM";
    QTest::newRow("Germany") << "de_DE" << afternoon << "15.03.24 14:03:07";
    QTest::newRow("midnight shows no time") << "pt_BR" << 0 << "15/03/2024";
    QTest::newRow("just after midnight") << "pt_BR" << 1 << "15/03/2024 00:00:00";
}

void DateTimeTextTest::showsShortDateAndLongTime() {
    QFETCH(QString, locale);
    QFETCH(int, msecOfDay);
    QFETCH(QString, text);
    const DateTimeText format{QLocale(locale)};
    QCOMPARE(format(*LocalDateTime::make(2024, 3, 15, msecOfDay)), text);
}

int runDateTimeTextTests(int argc, char** argv) {
    DateTimeTextTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace zelvaro

#include "date_time_text_test.moc"
