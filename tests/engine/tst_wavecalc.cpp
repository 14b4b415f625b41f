#include "PriceNotation.h"
#include "WaveCalc.h"

#include <QTest>

#include <array>
#include <map>
#include <optional>

using namespace ondara;

namespace {

// Labels as plain data, each remembering what the calculation did to it.
class FakeLabels : public ChartLabels
{
public:
    struct Label {
        std::optional<std::string> text;
        std::optional<BgrColour> colour;
        std::optional<bool> visible;
    };

    void setText(ChartLabel label, const std::string &text) override { labels[label].text = text; }
    std::string text(ChartLabel label) const override
    {
        const auto it = labels.find(label);
        return it == labels.end() ? std::string() : it->second.text.value_or(std::string());
    }
    void setTextColour(ChartLabel label, BgrColour colour) override { labels[label].colour = colour; }
    void setVisible(ChartLabel label, bool visible) override { labels[label].visible = visible; }

    QString textOf(ChartLabel label) const { return QString::fromStdString(text(label)); }
    bool touched(ChartLabel label) const { return labels.count(label) != 0; }
    std::optional<bool> visibleOf(ChartLabel label) const
    {
        const auto it = labels.find(label);
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
    return state;
}

constexpr double Untouched = -999;

} // namespace

class TestWaveCalc : public QObject
{
    Q_OBJECT

private slots:
    void waveTargets_data();
    void waveTargets();
    void detailVisibilityFollowsFlags_data();
    void detailVisibilityFollowsFlags();
    void otherDirectionUntouched_data();
    void otherDirectionUntouched();
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
    // Texts of the wave 3 point, target, extension and wave 5 point, target, extension.
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<double>>("stored");
    QTest::addColumn<uint>("wav3PointColour");

    QTest::newRow("bull wave 1")
        << true << true << 10.0 << 20.0
        << QStringList{"26.18", "27.50", "30.00", "36.18", "37.50", "46.18"}
        << QList<double>{26.18, 27.5, 30, 36.18, 37.5, 46.18} << uint(ColourGreen);
    QTest::newRow("bear wave 1 floored at zero")
        << false << true << 20.0 << 10.0
        << QStringList{"3.82", "2.50", ".00", ".00", ".00", ".00"}
        << QList<double>{3.82, 2.5, 0, 0, 0, 0} << uint(ColourRed);
    QTest::newRow("bear below one has no leading zero")
        << false << true << 1.5 << 1.0
        << QStringList{".69", ".63", ".50", ".19", ".13", ".00"}
        << QList<double>{0.69, 0.63, 0.5, 0.19, 0.13, 0} << uint(ColourRed);
    QTest::newRow("bull wave 3")
        << true << false << 10.0 << 20.0
        << QStringList{"20.00", "", "", "26.18", "27.50", "36.18"}
        << QList<double>{20, Untouched, Untouched, 26.18, 27.5, 36.18} << uint(ColourYellow);
    QTest::newRow("bear wave 3")
        << false << false << 20.0 << 10.0
        << QStringList{"10.00", "", "", "3.82", "2.50", ".00"}
        << QList<double>{10, Untouched, Untouched, 3.82, 2.5, 0} << uint(ColourYellow);
    QTest::newRow("bull half cent rounds away from zero")
        << true << true << 0.0 << 0.02
        << QStringList{".03", ".04", ".04", ".05", ".06", ".07"}
        << QList<double>{0.03, 0.04, 0.04, 0.05, 0.06, 0.07} << uint(ColourGreen);
}

void TestWaveCalc::waveTargets()
{
    QFETCH(bool, bull);
    QFETCH(bool, wave1Basis);
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(QStringList, texts);
    QFETCH(QList<double>, stored);
    QFETCH(uint, wav3PointColour);

    WaveState state = stateFor(bull, start, end);
    state.dblWav3Target = Untouched;
    state.dblWav3Ext = Untouched;
    FakeLabels labels;
    QVERIFY(CalcWaveTarget(state, labels, wave1Basis));

    QCOMPARE(state.dblWaveLength, std::abs(end - start));
    const LabelRole roles[] = {LabelRole::Wav3Point, LabelRole::Wav3Target, LabelRole::Wav3Ext,
                               LabelRole::Wav5Point, LabelRole::Wav5Target, LabelRole::Wav5Ext};
    const double WaveState::*variables[] = {&WaveState::dblWav3Point, &WaveState::dblWav3Target,
                                            &WaveState::dblWav3Ext, &WaveState::dblWav5Point,
                                            &WaveState::dblWav5Target, &WaveState::dblWav5Ext};
    for (int i = 0; i < 6; ++i) {
        const ChartLabel label = LabelFor(roles[i], bull);
        QCOMPARE(labels.textOf(label), texts[i]);
        QCOMPARE(state.*variables[i], stored[i]);
    }
    QCOMPARE(labels.labels[LabelFor(LabelRole::Wav3Point, bull)].colour, BgrColour(wav3PointColour));
    if (!wave1Basis) {
        QCOMPARE(labels.visibleOf(LabelFor(LabelRole::Wav3Target, bull)), std::optional<bool>(false));
        QCOMPARE(labels.visibleOf(LabelFor(LabelRole::Wav3Ext, bull)), std::optional<bool>(false));
        // The wave 3 end point keeps the visibility Calculate gave it.
        QCOMPARE(labels.visibleOf(LabelFor(LabelRole::Wav3Point, bull)), std::nullopt);
    }
}

void TestWaveCalc::detailVisibilityFollowsFlags_data()
{
    QTest::addColumn<bool>("bull");
    QTest::addColumn<bool>("wave1Basis");
    QTest::addColumn<bool>("show3");
    QTest::addColumn<bool>("show5");
    for (bool bull : {true, false}) {
        for (bool wave1 : {true, false}) {
            for (int flags = 0; flags < 4; ++flags) {
                const QByteArray name = QByteArray(bull ? "bull" : "bear") + (wave1 ? " wave1" : " wave3")
                                        + " show3=" + QByteArray::number(flags & 1)
                                        + " show5=" + QByteArray::number(flags >> 1);
                QTest::newRow(name.constData()) << bull << wave1 << bool(flags & 1) << bool(flags & 2);
            }
        }
    }
}

void TestWaveCalc::detailVisibilityFollowsFlags()
{
    QFETCH(bool, bull);
    QFETCH(bool, wave1Basis);
    QFETCH(bool, show3);
    QFETCH(bool, show5);

    WaveState state = bull ? stateFor(true, 10, 20) : stateFor(false, 20, 10);
    // Flags of the other direction must not leak into this one.
    state.bShowWav3Up = bull ? show3 : !show3;
    state.bShowWav3Dn = bull ? !show3 : show3;
    state.bShowWav5Up = bull ? show5 : !show5;
    state.bShowWav5Dn = bull ? !show5 : show5;
    FakeLabels labels;
    QVERIFY(CalcWaveTarget(state, labels, wave1Basis));

    const auto visible = [&](LabelRole role) { return labels.visibleOf(LabelFor(role, bull)); };
    QCOMPARE(visible(LabelRole::Wav5Target), std::optional<bool>(true));
    QCOMPARE(visible(LabelRole::Wav5Point), std::optional<bool>(show5));
    QCOMPARE(visible(LabelRole::Wav5Ext), std::optional<bool>(show5));
    if (wave1Basis) {
        QCOMPARE(visible(LabelRole::Wav3Target), std::optional<bool>(true));
        QCOMPARE(visible(LabelRole::Wav3Point), std::optional<bool>(show3));
        QCOMPARE(visible(LabelRole::Wav3Ext), std::optional<bool>(show3));
    }
}

void TestWaveCalc::otherDirectionUntouched_data()
{
    QTest::addColumn<bool>("bull");
    QTest::addColumn<bool>("wave1Basis");
    QTest::newRow("bull wave 1") << true << true;
    QTest::newRow("bull wave 3") << true << false;
    QTest::newRow("bear wave 1") << false << true;
    QTest::newRow("bear wave 3") << false << false;
}

void TestWaveCalc::otherDirectionUntouched()
{
    QFETCH(bool, bull);
    QFETCH(bool, wave1Basis);
    WaveState state = bull ? stateFor(true, 10, 20) : stateFor(false, 20, 10);
    FakeLabels labels;
    QVERIFY(CalcWaveTarget(state, labels, wave1Basis));
    if (wave1Basis)
        QVERIFY(CalcRetracement(state, labels));
    for (int i = 0; i < ChartLabelCount; ++i) {
        const auto label = static_cast<ChartLabel>(i);
        const bool bullLabel = i < ChartLabelCount / 2;
        if (bullLabel != bull)
            QVERIFY2(!labels.touched(label), ChartLabelName(label));
    }
    // Start and end labels belong to Calculate, not to the level computations.
    QVERIFY(!labels.touched(LabelFor(LabelRole::Start, bull)));
    QVERIFY(!labels.touched(LabelFor(LabelRole::End1, bull)));
}

void TestWaveCalc::retracements_data()
{
    QTest::addColumn<bool>("bull");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<bool>("showFlag");
    // 75%, 62%, 50%, 38%
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<double>>("stored");

    QTest::newRow("bull 10 to 20 hidden") << true << 10.0 << 20.0 << false
        << QStringList{"12.50", "13.82", "15.00", "16.20"} << QList<double>{12.5, 13.82, 15, 16.2};
    QTest::newRow("bull 10 to 20 shown") << true << 10.0 << 20.0 << true
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
        const ChartLabel label = LabelFor(roles[i], bull);
        QCOMPARE(labels.textOf(label), texts[i]);
        QCOMPARE(state.*variables[i], stored[i]);
        QCOMPARE(labels.visibleOf(label), std::optional<bool>(showFlag));
    }
    QCOMPARE(labels.visibleOf(LabelFor(LabelRole::RetracePicture, bull)), std::optional<bool>(true));
    QVERIFY(!labels.touched(LabelFor(LabelRole::RetracePicture, !bull)));
}

void TestWaveCalc::storedEqualsShown()
{
    // Whatever the prices, the stored level is the number its label denotes.
    FakeLabels labels;
    for (int startCents = 1; startCents < 3000; startCents += 7) {
        for (bool bull : {true, false}) {
            const double a = startCents / 100.0;
            const double b = a + 3.33;
            WaveState state = bull ? stateFor(true, a, b) : stateFor(false, b, a);
            QVERIFY(CalcWaveTarget(state, labels, true));
            QVERIFY(CalcRetracement(state, labels));
            const std::pair<LabelRole, double> pairs[] = {
                {LabelRole::Wav3Target, state.dblWav3Target}, {LabelRole::Wav5Ext, state.dblWav5Ext},
                {LabelRole::Ret62, state.dblRet62}, {LabelRole::Ret38, state.dblRet38}};
            for (const auto &[role, value] : pairs)
                QCOMPARE(ParseNumber(labels.text(LabelFor(role, bull))).value_or(-1), value);
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
    QTest::newRow("bull extension overflows") << true << true << 0.0 << 5e14 << false;
    QTest::newRow("bull wave 3 extension fits") << true << false << 0.0 << 3.8e14 << true;
    QTest::newRow("bull wave 1 extension does not") << true << true << 0.0 << 3.8e14 << false;
    QTest::newRow("bear start too large") << false << true << 1e16 << 1.0 << false;
    QTest::newRow("bear large but shown") << false << true << 9e14 << 1.0 << true;
    QTest::newRow("fraction error value") << true << true << 1.0 << FracErrorValue << true;
}

void TestWaveCalc::outOfRangeTouchesNothing()
{
    QFETCH(bool, bull);
    QFETCH(bool, wave1Basis);
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(bool, inRange);

    QCOMPARE(LevelsInRange(start, end, bull, wave1Basis), inRange);
    WaveState state = stateFor(bull, start, end);
    FakeLabels labels;
    QCOMPARE(CalcWaveTarget(state, labels, wave1Basis), inRange);
    if (wave1Basis)
        CalcRetracement(state, labels);
    if (!inRange) {
        QVERIFY(labels.labels.empty());
        QCOMPARE(state.dblWav5Ext, 0.0);
    }
    for (const auto &[label, data] : labels.labels) {
        if (data.text) {
            QVERIFY2(data.text->find_first_not_of("0123456789.") == std::string::npos, data.text->c_str());
            QVERIFY(data.text->size() <= 19);
        }
    }
}

QTEST_GUILESS_MAIN(TestWaveCalc)
#include "tst_wavecalc.moc"
