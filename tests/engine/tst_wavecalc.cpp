#include "PriceNotation.h"
#include "WaveCalc.h"

#include <QTest>

#include <map>
#include <optional>

using namespace ondara;

namespace {

// Labels as plain data, remembering what the calculation did to each.
class FakeLabels : public ChartLabels
{
public:
    struct Label {
        std::optional<std::string> text;
        std::optional<BgrColour> colour;
        std::optional<bool> visible;
    };
    void setText(ChartLabel label, const std::string &text) override { labels[label].text = text; }
    std::string text(ChartLabel label) const
    {
        const auto it = labels.find(label);
        return it == labels.end() ? std::string() : it->second.text.value_or(std::string());
    }
    void setTextColour(ChartLabel label, BgrColour colour) override { labels[label].colour = colour; }
    void setVisible(ChartLabel label, bool visible) override { labels[label].visible = visible; }

    QString textOf(LabelRole role, bool bull) const { return QString::fromStdString(text(labelFor(role, bull))); }
    std::optional<bool> visibleOf(LabelRole role, bool bull)
    {
        const auto it = labels.find(labelFor(role, bull));
        return it == labels.end() ? std::nullopt : it->second.visible;
    }
    std::map<ChartLabel, Label> labels;
};

WaveState stateFor(bool bull, double start, double end)
{
    WaveState state;
    state.bBullMarket = bull;
    state.dblWaveStart = start;
    state.dblWaveEnd = end;
    state.dblWav3Target = state.dblWav3Ext = -999; // kept on the wave 3 basis
    return state;
}

} // namespace

class TestWaveCalc : public QObject
{
    Q_OBJECT

private slots:
    void waveTargets_data();
    void waveTargets();
    void retracements_data();
    void retracements();
    void storedEqualsShown();
    void outOfRangeTouchesNothing_data();
    void outOfRangeTouchesNothing();
};

void TestWaveCalc::waveTargets_data()
{
    QTest::addColumn<bool>("bull");
    QTest::addColumn<bool>("wave1Basis");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<bool>("showDetails");
    // wave 3 point, target, extension; wave 5 point, target, extension
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<double>>("stored");
    QTest::addColumn<uint>("wav3PointColour");

    QTest::newRow("bull wave 1") << true << true << 10.0 << 20.0 << true
        << QStringList{"26.18", "27.50", "30.00", "36.18", "37.50", "46.18"}
        << QList<double>{26.18, 27.5, 30, 36.18, 37.5, 46.18} << uint(ColourGreen);
    QTest::newRow("bear wave 1 floored at zero") << false << true << 20.0 << 10.0 << false
        << QStringList{"3.82", "2.50", ".00", ".00", ".00", ".00"}
        << QList<double>{3.82, 2.5, 0, 0, 0, 0} << uint(ColourRed);
    QTest::newRow("bear below one has no leading zero") << false << true << 1.5 << 1.0 << true
        << QStringList{".69", ".63", ".50", ".19", ".13", ".00"}
        << QList<double>{0.69, 0.63, 0.5, 0.19, 0.13, 0} << uint(ColourRed);
    QTest::newRow("half cents round away from zero") << true << true << 0.0 << 0.02 << false
        << QStringList{".03", ".04", ".04", ".05", ".06", ".07"}
        << QList<double>{0.03, 0.04, 0.04, 0.05, 0.06, 0.07} << uint(ColourGreen);
    QTest::newRow("bull wave 3") << true << false << 10.0 << 20.0 << false
        << QStringList{"20.00", "", "", "26.18", "27.50", "36.18"}
        << QList<double>{20, -999, -999, 26.18, 27.5, 36.18} << uint(ColourYellow);
    QTest::newRow("bear wave 3") << false << false << 20.0 << 10.0 << true
        << QStringList{"10.00", "", "", "3.82", "2.50", ".00"}
        << QList<double>{10, -999, -999, 3.82, 2.5, 0} << uint(ColourYellow);
}

void TestWaveCalc::waveTargets()
{
    QFETCH(bool, bull);
    QFETCH(bool, wave1Basis);
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(bool, showDetails);
    QFETCH(QStringList, texts);
    QFETCH(QList<double>, stored);
    QFETCH(uint, wav3PointColour);

    WaveState state = stateFor(bull, start, end);
    // Only this direction's flags count; the other direction's say the opposite.
    (bull ? state.bShowWav3Up : state.bShowWav3Dn) = showDetails;
    (bull ? state.bShowWav5Up : state.bShowWav5Dn) = showDetails;
    (bull ? state.bShowWav3Dn : state.bShowWav3Up) = !showDetails;
    (bull ? state.bShowWav5Dn : state.bShowWav5Up) = !showDetails;
    FakeLabels labels;
    QVERIFY(CalcWaveTarget(state, labels, wave1Basis));
    if (wave1Basis)
        QVERIFY(CalcRetracement(state, labels));

    QCOMPARE(state.dblWaveLength, std::abs(end - start));
    const LabelRole roles[] = {LabelRole::Wav3Point, LabelRole::Wav3Target, LabelRole::Wav3Ext,
                               LabelRole::Wav5Point, LabelRole::Wav5Target, LabelRole::Wav5Ext};
    const double WaveState::*variables[] = {&WaveState::dblWav3Point, &WaveState::dblWav3Target,
                                            &WaveState::dblWav3Ext, &WaveState::dblWav5Point,
                                            &WaveState::dblWav5Target, &WaveState::dblWav5Ext};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(labels.textOf(roles[i], bull), texts[i]);
        QCOMPARE(state.*variables[i], stored[i]);
    }
    QCOMPARE(labels.labels[labelFor(LabelRole::Wav3Point, bull)].colour, BgrColour(wav3PointColour));

    // Targets always show; details follow their flags; on the wave 3 basis the
    // wave 3 target and extension hide and the end point keeps its visibility.
    QCOMPARE(labels.visibleOf(LabelRole::Wav5Target, bull), std::optional<bool>(true));
    QCOMPARE(labels.visibleOf(LabelRole::Wav5Ext, bull), std::optional<bool>(showDetails));
    QCOMPARE(labels.visibleOf(LabelRole::Wav3Target, bull), std::optional<bool>(wave1Basis));
    QCOMPARE(labels.visibleOf(LabelRole::Wav3Ext, bull), std::optional<bool>(wave1Basis && showDetails));
    QCOMPARE(labels.visibleOf(LabelRole::Wav3Point, bull),
             wave1Basis ? std::optional<bool>(showDetails) : std::nullopt);

    // Nothing of the other direction, and not the start and end labels, which Calculate owns.
    for (const auto &[label, data] : labels.labels)
        QVERIFY2((static_cast<int>(label) < ChartLabelCount / 2) == bull, chartLabelName(label));
    QVERIFY(!labels.labels.count(labelFor(LabelRole::Start, bull)));
    QVERIFY(!labels.labels.count(labelFor(LabelRole::End1, bull)));
}

void TestWaveCalc::retracements_data()
{
    QTest::addColumn<bool>("bull");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<bool>("showFlag");
    QTest::addColumn<QStringList>("texts"); // 75%, 62%, 50%, 38%
    QTest::addColumn<QList<double>>("stored");

    QTest::newRow("bull 10 to 20") << true << 10.0 << 20.0 << false
        << QStringList{"12.50", "13.82", "15.00", "16.20"} << QList<double>{12.5, 13.82, 15, 16.2};
    QTest::newRow("bear 20 to 10") << false << 20.0 << 10.0 << true
        << QStringList{"17.50", "16.18", "15.00", "13.80"} << QList<double>{17.5, 16.18, 15, 13.8};
    QTest::newRow("bull below one keeps its zero") << true << 0.2 << 1.0 << true
        << QStringList{"0.40", "0.51", "0.60", "0.70"} << QList<double>{0.4, 0.51, 0.6, 0.7};
    QTest::newRow("unrounded prices") << true << 10.123 << 20.456 << true
        << QStringList{"12.71", "14.07", "15.29", "16.53"} << QList<double>{12.71, 14.07, 15.29, 16.53};
}

void TestWaveCalc::retracements()
{
    QFETCH(bool, bull);
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(bool, showFlag);
    QFETCH(QStringList, texts);
    QFETCH(QList<double>, stored);

    WaveState state = stateFor(bull, start, end);
    (bull ? state.bShowRetUp : state.bShowRetDn) = showFlag;
    (bull ? state.bShowRetDn : state.bShowRetUp) = !showFlag;
    FakeLabels labels;
    QVERIFY(CalcRetracement(state, labels));

    const LabelRole roles[] = {LabelRole::Ret75, LabelRole::Ret62, LabelRole::Ret50, LabelRole::Ret38};
    const double WaveState::*variables[] = {&WaveState::dblRet75, &WaveState::dblRet62,
                                            &WaveState::dblRet50, &WaveState::dblRet38};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(labels.textOf(roles[i], bull), texts[i]);
        QCOMPARE(state.*variables[i], stored[i]);
        QCOMPARE(labels.visibleOf(roles[i], bull), std::optional<bool>(showFlag));
    }
    QCOMPARE(labels.visibleOf(LabelRole::RetracePicture, bull), std::optional<bool>(true));
    QVERIFY(!labels.visibleOf(LabelRole::RetracePicture, !bull));
}

void TestWaveCalc::storedEqualsShown()
{
    FakeLabels labels;
    for (int cents = 1; cents < 3000; cents += 7) {
        for (bool bull : {true, false}) {
            const double low = cents / 100.0;
            const double high = low + 3.33;
            WaveState state = bull ? stateFor(true, low, high) : stateFor(false, high, low);
            QVERIFY(CalcWaveTarget(state, labels, true));
            QVERIFY(CalcRetracement(state, labels));
            for (auto [role, value] : {std::pair{LabelRole::Wav3Target, state.dblWav3Target},
                                       {LabelRole::Wav5Ext, state.dblWav5Ext},
                                       {LabelRole::Ret62, state.dblRet62}, {LabelRole::Ret38, state.dblRet38}})
                QCOMPARE(parseNumber(labels.text(labelFor(role, bull))).value_or(-1), value);
        }
    }
}

void TestWaveCalc::outOfRangeTouchesNothing_data()
{
    QTest::addColumn<bool>("bull");
    QTest::addColumn<bool>("wave1Basis");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<bool>("inRange");

    QTest::newRow("bull near the double range") << true << true << 1.0 << 1e308 << false;
    QTest::newRow("bull wave 3 extension fits") << true << false << 0.0 << 3.8e14 << true;
    QTest::newRow("bull wave 1 extension does not") << true << true << 0.0 << 3.8e14 << false;
    QTest::newRow("bear start too large") << false << true << 1e16 << 1.0 << false;
    QTest::newRow("bear large but shown") << false << true << 9e14 << 1.0 << true;
}

void TestWaveCalc::outOfRangeTouchesNothing()
{
    QFETCH(bool, bull);
    QFETCH(bool, wave1Basis);
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(bool, inRange);

    QCOMPARE(levelsInRange(start, end, bull, wave1Basis), inRange);
    WaveState state = stateFor(bull, start, end);
    FakeLabels labels;
    QCOMPARE(CalcWaveTarget(state, labels, wave1Basis), inRange);
    QCOMPARE(CalcRetracement(state, labels), levelsInRange(start, end, bull, true));
    if (!inRange)
        QCOMPARE(state.dblWav5Ext, 0.0);
    for (const auto &[label, data] : labels.labels) {
        if (data.text) // never "inf", "nan" or a 300-digit text on the chart
            QVERIFY2(data.text->size() <= 19 && data.text->find_first_not_of("0123456789.") == std::string::npos,
                     data.text->c_str());
    }
}

QTEST_GUILESS_MAIN(TestWaveCalc)
#include "tst_wavecalc.moc"
