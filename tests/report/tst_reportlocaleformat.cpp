#include "LocaleFormat.h"

#include <QStandardPaths>
#include <QTest>

using namespace ondara;

// Stored values as the list and the printed table show them. A locale's own
// formats may give a two-digit year and a time zone: the year grows to four
// digits, the zone goes, and quoted letters stay as they are.
class TestLocaleFormat : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void storedValues_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expected");
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
        const QDate date(2001, 1, 15);
        const QTime time(15, 4, 5);
        QTest::newRow("US date") << us << QVariant(date) << "1/15/2001";
        QTest::newRow("US time") << us << QVariant(time) << "3:04:05 PM";
        QTest::newRow("year first") << QLocale(QLocale::Korean) << QVariant(date) << "2001. 1. 15.";
        QTest::newRow("zone before the time") << QLocale(QLocale::Chinese) << QVariant(time) << "15:04:05";
        QTest::newRow("quoted letters, date") << bulgarian << QVariant(date) << QStringLiteral("15.01.2001 г.");
        QTest::newRow("quoted letters, time") << bulgarian << QVariant(time) << QStringLiteral("15:04:05 ч.");
        QTest::newRow("null") << us << QVariant() << "";
        QTest::newRow("no grouping") << us << QVariant(1234567.5) << "1234567.5";
        QTest::newRow("shortest that reads back") << us << QVariant(0.1 + 0.2) << "0.30000000000000004";
        QTest::newRow("decimal comma") << QLocale(QLocale::German, QLocale::Germany) << QVariant(1234.5) << "1234,5";
    }

    void storedValues()
    {
        QFETCH(QLocale, locale);
        QFETCH(QVariant, value);
        QTEST(StoredValueText(locale)(value), "expected");
        // The calculator window's own date and time texts share these formats.
        if (value.typeId() == QMetaType::QDate)
            QTEST(shortDateText(value.toDate(), locale), "expected");
        if (value.typeId() == QMetaType::QTime)
            QTEST(longTimeText(value.toTime(), locale), "expected");
    }
};

QTEST_GUILESS_MAIN(TestLocaleFormat)
#include "tst_reportlocaleformat.moc"
