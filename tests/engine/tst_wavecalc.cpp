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
    void waveTargets_data()
    {
        QTest::addColumn<bool>("bull");
        QTest::addColumn<bool>("wave1Basis");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<bool>("showDetails");
        // wave 3 point, target, extension; wave 5 point, target, extension; on the
        // wave 1 basis the 75%, 62%, 50% and 38% retracements
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<uint>("wav3PointColour");

        QTest::newRow("bull wave 1") << true << true << 10.0 << 20.0 << true << QStringList{
            "26.18", "27.50", "30.00", "36.18", "37.50", "46.18", "12.50", "13.82", "15.00", "16.20"} << uint(ColourGreen);
        QTest::newRow("bear wave 1 floored at zero") << false << true << 20.0 << 10.0 << false << QStringList{
            "3.82", "2.50", ".00", ".00", ".00", ".00", "17.50", "16.18", "15.00", "13.80"} << uint(ColourRed);
        QTest::newRow("bear below one has no leading zero") << false << true << 1.5 << 1.0 << true << QStringList{
            ".69", ".63", ".50", ".19", ".13", ".00", "1.38", "1.31", "1.25", "1.19"} << uint(ColourRed);
        QTest::newRow("half cents round away from zero") << true << true << 0.0 << 0.02 << false << QStringList{
            ".03", ".04", ".04", ".05", ".06", ".07", "0.01", "0.01", "0.01", "0.01"} << uint(ColourGreen);
        QTest::newRow("bull wave 3") << true << false << 10.0 << 20.0 << false
                                     << QStringList{"20.00", "", "", "26.18", "27.50", "36.18"} << uint(ColourYellow);
        QTest::newRow("bear wave 3") << false << false << 20.0 << 10.0 << true
                                     << QStringList{"10.00", "", "", "3.82", "2.50", ".00"} << uint(ColourYellow);
    }
    // Each level is drawn on its label and kept as the number shown; on the
    // wave 3 basis the wave 3 target and extension keep what they held.
    void waveTargets()
    {
        QFETCH(bool, bull);
        QFETCH(bool, wave1Basis);
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(bool, showDetails);
        QFETCH(QStringList, texts);
        QFETCH(uint, wav3PointColour);

        WaveState state = stateFor(bull, start, end);
        // Only this direction's flags count; the other direction's say the opposite.
        for (auto [up, down] : {std::pair{&WaveState::bShowWav3Up, &WaveState::bShowWav3Dn},
                                {&WaveState::bShowWav5Up, &WaveState::bShowWav5Dn}, {&WaveState::bShowRetUp, &WaveState::bShowRetDn}}) {
            state.*(bull ? up : down) = showDetails;
            state.*(bull ? down : up) = !showDetails;
        }
        FakeLabels labels;
        QVERIFY(CalcWaveTarget(state, labels, wave1Basis));
        if (wave1Basis)
            QVERIFY(CalcRetracement(state, labels));

        QCOMPARE(state.dblWaveLength, std::abs(end - start));
        using S = WaveState;
        const std::pair<LabelRole, double S::*> levels[] = {
            {LabelRole::Wav3Point, &S::dblWav3Point}, {LabelRole::Wav3Target, &S::dblWav3Target},
            {LabelRole::Wav3Ext, &S::dblWav3Ext},     {LabelRole::Wav5Point, &S::dblWav5Point},
            {LabelRole::Wav5Target, &S::dblWav5Target}, {LabelRole::Wav5Ext, &S::dblWav5Ext},
            {LabelRole::Ret75, &S::dblRet75}, {LabelRole::Ret62, &S::dblRet62}, {LabelRole::Ret50, &S::dblRet50},
            {LabelRole::Ret38, &S::dblRet38}};
        for (qsizetype i = 0; i < texts.size(); ++i) {
            QCOMPARE(labels.textOf(levels[i].first, bull), texts[i]);
            QCOMPARE(state.*levels[i].second, texts[i].isEmpty() ? -999 : texts[i].toDouble());
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
        for (LabelRole retracement : {LabelRole::Ret75, LabelRole::Ret62, LabelRole::Ret50, LabelRole::Ret38})
            QCOMPARE(labels.visibleOf(retracement, bull), wave1Basis ? std::optional<bool>(showDetails) : std::nullopt);
        QCOMPARE(labels.visibleOf(LabelRole::RetracePicture, bull), wave1Basis ? std::optional<bool>(true) : std::nullopt);

        // Nothing of the other direction, and not the start and end labels, which Calculate owns.
        for (const auto &[label, data] : labels.labels)
            QVERIFY2((static_cast<int>(label) < ChartLabelCount / 2) == bull, chartLabelName(label));
        QVERIFY(!labels.labels.count(labelFor(LabelRole::Start, bull)));
        QVERIFY(!labels.labels.count(labelFor(LabelRole::End1, bull)));
    }

    void outOfRangeTouchesNothing_data()
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

    void outOfRangeTouchesNothing()
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
};

QTEST_GUILESS_MAIN(TestWaveCalc)
#include "tst_wavecalc.moc"
