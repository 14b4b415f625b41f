#include "ContextHelp.h"
#include "ControlIds.h"
#include "DataFiles.h"
#include "HelpViewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using namespace ondara;

class TestHelpViewer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void controlIdsStablePerWindow();
    void parseTopics_data();
    void parseTopics();
    void shippedTopicsCoverEveryPair();
    void lookupStartsAtItsPair_data();
    void lookupStartsAtItsPair();
    void missingFileShowsNothing();

private:
    QTemporaryDir m_dir;
    QString m_oldCwd;
};

void TestHelpViewer::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    m_oldCwd = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
}

void TestHelpViewer::cleanup()
{
    setHelpObserver({});
    QFile::remove(m_dir.filePath(QStringLiteral("WaveHelpPopup.txt")));
}

void TestHelpViewer::controlIdsStablePerWindow()
{
    const auto makeWindow = [](const QString &name) {
        auto *window = new QWidget;
        window->setObjectName(name);
        for (const char *control : {"cmdOne", "cmdTwo"})
            (new QPushButton(window))->setObjectName(QLatin1String(control));
        return window;
    };
    const auto idOf = [](QWidget *window, const char *control) {
        return GetDlgCtrlID(window->findChild<QWidget *>(QLatin1String(control)));
    };
    std::unique_ptr<QWidget> first(makeWindow(QStringLiteral("frmFirst")));
    std::unique_ptr<QWidget> second(makeWindow(QStringLiteral("frmSecond")));
    const int idOne = idOf(first.get(), "cmdOne");
    const int idTwo = idOf(first.get(), "cmdTwo");
    QVERIFY(idOne != 0);
    QVERIFY(idOne != idTwo);
    QCOMPARE(idOf(first.get(), "cmdOne"), idOne);
    // Numbering is per window, as the desktop gives it: windows may share numbers.
    QCOMPARE(idOf(second.get(), "cmdOne"), idOne);
    // A later instance of a window, asked in another order, keeps the numbers.
    first.reset(makeWindow(QStringLiteral("frmFirst")));
    QCOMPARE(idOf(first.get(), "cmdTwo"), idTwo);
    QCOMPARE(idOf(first.get(), "cmdOne"), idOne);
    QCOMPARE(GetDlgCtrlID(nullptr), 0);
}

void TestHelpViewer::parseTopics_data()
{
    QTest::addColumn<QString>("contents");
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("text");
    const QString file = QStringLiteral(".topic 1\nFirst line\nsecond line\n\n.topic 12\n  Twelve \n.topic 3\n");
    QTest::newRow("two lines") << file << 1 << "First line\nsecond line";
    QTest::newRow("trimmed") << file << 12 << "Twelve";
    QTest::newRow("missing topic") << file << 7 << "";
    QTest::newRow("text before the first topic is ignored") << QStringLiteral("stray\n.topic 2\nTwo") << 2 << "Two";
    QTest::newRow("windows line ends") << QStringLiteral(".topic 5\r\nFive\r\n") << 5 << "Five";
}

void TestHelpViewer::parseTopics()
{
    QFETCH(QString, contents);
    QFETCH(int, topic);
    QFETCH(QString, text);
    QCOMPARE(parseTopicFile(contents).value(topic), text);
}

void TestHelpViewer::shippedTopicsCoverEveryPair()
{
    const QString path = findHelpFile(QStringLiteral("WaveHelpPopup.txt"));
    QVERIFY2(!path.isEmpty(), "the help file is not beside the program");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const auto topics = parseTopicFile(QString::fromUtf8(file.readAll()));
    for (int topic = 1; topic <= 15; ++topic)
        QVERIFY2(topics.value(topic).size() > 20, qPrintable(QString::number(topic)));
}

void TestHelpViewer::lookupStartsAtItsPair_data()
{
    QTest::addColumn<int>("control");
    QTest::addColumn<int>("startPair");
    QTest::addColumn<int>("topic");
    // Controls 0..9 sit on the first window, 10..14 on the second, whose
    // identifiers repeat the first window's.
    QTest::newRow("calculator control from the top") << 2 << 1 << 3;
    QTest::newRow("report control from its own pair") << 12 << 13 << 13;
    QTest::newRow("report control searched from the top finds the twin") << 12 << 1 << 3;
    QTest::newRow("control before the start pair is not found") << 10 << 12 << 0;
}

void TestHelpViewer::lookupStartsAtItsPair()
{
    QFETCH(int, control);
    QFETCH(int, startPair);
    QFETCH(int, topic);

    // Fresh window names for each row: identifiers are kept per window name for the run.
    static int windowCount = 0;
    ++windowCount;
    QWidget calculator, report;
    calculator.setObjectName(QStringLiteral("calculator%1").arg(windowCount));
    report.setObjectName(QStringLiteral("report%1").arg(windowCount));
    std::array<QWidget *, HelpPairCount - 1> controls{};
    for (int i = 0; i < 15; ++i) {
        controls[i] = new QPushButton(i < 10 ? &calculator : &report);
        controls[i]->setObjectName(QStringLiteral("control%1").arg(i));
    }
    fillHelpIDs(controls);
    QCOMPARE(HelpIDs[30], 0);
    QCOMPARE(HelpIDs[31], 0);

    QList<HelpRequest> requests;
    setHelpObserver([&](const HelpRequest &r) { requests.append(r); });
    QWidget *window = controls[control]->window();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    controls[control]->setFocus();
    ShowContextHelp(window, startPair);

    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].caller, controls[control]);
    QCOMPARE(requests[0].command, 17);
    QCOMPARE(requests[0].file, QStringLiteral("Ondara.chm::/WaveHelpPopup.txt"));
    QCOMPARE(requests[0].pairs, &HelpIDs[2 * (startPair - 1)]);
    QCOMPARE(requests[0].topic, topic);
    QCOMPARE(requests[0].text.isEmpty(), topic == 0);
}

void TestHelpViewer::missingFileShowsNothing()
{
    QWidget window;
    auto *button = new QPushButton(&window);
    std::array<QWidget *, HelpPairCount - 1> controls{};
    controls.fill(button);
    fillHelpIDs(controls);
    HelpRequest seen;
    setHelpObserver([&](const HelpRequest &r) { seen = r; });
    // A topic file in the current folder wins over the shipped one; an empty one has no topics.
    QFile empty(m_dir.filePath(QStringLiteral("WaveHelpPopup.txt")));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QCOMPARE(HtmlHelpA(button, QStringLiteral("Ondara.chm::/WaveHelpPopup.txt"), 17, HelpIDs), 0);
    QCOMPARE(seen.topic, 1);
    QVERIFY(seen.text.isEmpty());
    QCOMPARE(HtmlHelpA(button, QStringLiteral("Ondara.chm::/NoSuchFile.txt"), 17, HelpIDs), 0);
    QCOMPARE(HtmlHelpA(nullptr, QStringLiteral("Ondara.chm::/WaveHelpPopup.txt"), 17, HelpIDs), 0);
}

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
