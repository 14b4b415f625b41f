#include "LocaleFormat.h"

#include <QStandardPaths>
#include <QTest>

using namespace ondara;

class TestLocaleFormat : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void dateAndTime_data();
    void dateAndTime();
    void storedValues_data();
    void storedValues();
};

void TestLocaleFormat::dateAndTime_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    // 15 January 2001, 15:04:05; a two-digit year grows to four, a zone is dropped.
    QTest::newRow("US") << QLocale(QLocale::English, QLocale::UnitedStates) << "1/15/2001" << "3:04:05 PM";
    QTest::newRow("British") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "15/01/2001" << "15:04:05";
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "15.01.2001" << "15:04:05";
    QTest::newRow("zone before the time") << QLocale(QLocale::Chinese, QLocale::China) << "2001/1/15" << "15:04:05";
    QTest::newRow("quoted letters kept")
        << QLocale(QLocale::Bulgarian, QLocale::Bulgaria) << QStringLiteral("15.01.2001 г.")
        << QStringLiteral("15:04:05 ч.");
    QTest::newRow("year first, two digits")
        << QLocale(QLocale::Korean, QLocale::SouthKorea) << "2001. 1. 15." << QStringLiteral("오후 3시 4분 5초");
}

void TestLocaleFormat::dateAndTime()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, date);
    QFETCH(QString, time);
    QCOMPARE(shortDateText(QDate(2001, 1, 15), locale), date);
    QCOMPARE(longTimeText(QTime(15, 4, 5), locale), time);
}

void TestLocaleFormat::storedValues_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("null") << us << QVariant() << "";
    QTest::newRow("no grouping") << us << QVariant(1234567.5) << "1234567.5";
    QTest::newRow("shortest that reads back") << us << QVariant(0.1 + 0.2) << "0.30000000000000004";
    QTest::newRow("decimal comma") << german << QVariant(1234.5) << "1234,5";
    QTest::newRow("midnight") << us << QVariant(QTime(0, 0)) << "12:00:00 AM";
    QTest::newRow("raw text as stored") << us << QVariant(QStringLiteral("2001-13-45")) << "2001-13-45";
}

void TestLocaleFormat::storedValues()
{
    QFETCH(QLocale, locale);
    QFETCH(QVariant, value);
    QFETCH(QString, expected);
    QCOMPARE(StoredValueText(locale)(value), expected);
}

QTEST_GUILESS_MAIN(TestLocaleFormat)
#include "tst_reportlocaleformat.moc"
