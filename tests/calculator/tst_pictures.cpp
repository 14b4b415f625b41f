// The pictures on a screen of twice the pixel density (this test runs at
// QT_SCALE_FACTOR=2): each has a double-size version, and button pictures
// stay readable on the light and the dark button face.
#include "ChartView.h"
#include "DataFiles.h"
#include "modCapture.h"

#include <QtTest>
#include <QtWidgets>

// The share of the picture's visible pixels that, laid on face, stand out from
// it by a contrast ratio of at least 3:1.
static double shareStandingOut(const QImage &picture, const QColor &face)
{
    // Relative luminance of sRGB colours, as the contrast ratio is defined on.
    const auto lin = [](double v) { return v <= 0.04045 ? v / 12.92 : qPow((v + 0.055) / 1.055, 2.4); };
    const auto lum = [&](QColor c) { return .2126 * lin(c.redF()) + .7152 * lin(c.greenF()) + .0722 * lin(c.blueF()); };
    QImage laid = picture;
    laid.fill(face);
    QPainter(&laid).drawImage(0, 0, picture);
    int visible = 0, standing = 0;
    for (int i = 0; i < picture.width() * picture.height(); ++i) {
        const QPoint at(i % picture.width(), i / picture.width());
        const double l = lum(laid.pixelColor(at)), f = lum(face);
        const bool shown = picture.pixelColor(at).alphaF() >= 0.5;
        visible += shown;
        standing += shown && (std::max(l, f) + 0.05) / (std::min(l, f) + 0.05) >= 3;
    }
    return double(standing) / visible;
}

static QImage comparable(const QPixmap &picture) { return picture.toImage().convertToFormat(QImage::Format_ARGB32); }

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void pictureHasDoubleSize_data()
    {
        QTest::addColumn<bool>("button");
        // Pictures on the chart, and the window's icon, bring their own background.
        const QStringList standAlone = {"wave5up.gif", "wave5upwhite.gif", "wave5down.gif", "wave5downwhite.gif",
                                        "save.bmp", "wavesplash.jpg", "retupgreen.gif", "retupwhite.gif",
                                        "retdnred.gif", "retdnwhite.gif", "ondara.png"};
        for (const QString &name : standAlone + QStringList{
                 "bullgreen.gif", "bullmarket.gif", "bearred.gif", "bearmarket.gif", "arrowup.gif", "arrowdn.gif",
                 "calc.gif", "usewave1.gif", "usewave3.gif", "usewave1bear.gif", "usewave3bear.gif",
                 "usewave1plain.gif", "dispdec.gif", "dispfrac.gif", "dispdecplain.gif", "HelpGreen.bmp", "HelpRed.bmp",
                 "help.bmp", "addsymbol.gif", "delsymbol.gif", "printchart.gif", "selectall.gif", "delete.gif",
                 "print.gif", "printpreview.gif", "savechart.gif"})
            QTest::newRow(qPrintable(name)) << !standAlone.contains(name);
    }
    void pictureHasDoubleSize()
    {
        QFETCH(bool, button);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QPixmap single, doubled;
        QVERIFY(ondara::loadPicture(name, single) && ondara::loadPicture(name, doubled, 2));
        QCOMPARE(doubled.size(), single.size() * 2);
        QCOMPARE(comparable(ondara::loadIcon(name).pixmap(single.size(), 2)), comparable(doubled));
        if (!button)
            return;
        // The light face is Fusion's; Qt 6.4's Fusion has no dark palette, and
        // (50, 50, 50) is the button face of later ones.
        QApplication::setStyle(QStringLiteral("Fusion"));
        for (const QImage &image : {comparable(single), comparable(doubled)}) {
            QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
            for (const QColor &face : {QApplication::palette().color(QPalette::Button), QColor(50, 50, 50)})
                QVERIFY2(shareStandingOut(image, face) >= 0.5, qPrintable(face.name()));
        }
    }

    // On the screen the chart is the double-size picture; captured, it keeps
    // one pixel for each of the window's.
    void chartDrawnAtScreenRatio()
    {
        ChartView chart;
        QVERIFY(chart.setPicture(QStringLiteral("wave5up.gif")));
        QCOMPARE(comparable(chart.grab()), comparable(QPixmap(ondara::findDoubleSizePicture("wave5up.gif"))));
        const QPixmap captured = modCapture::CaptureRegion(&chart, true, 0, 0, chart.width(), chart.height());
        QCOMPARE(comparable(captured), comparable(QPixmap(ondara::findPicture("wave5up.gif"))));
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
