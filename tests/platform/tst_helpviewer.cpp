#include "ContextHelp.h"
#include "ControlIds.h"
#include "DataFiles.h"
#include "HelpViewer.h"
#include "ScratchFolder.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace ondara;

// The help viewer: control identifiers, the topic file, and what a request
// for help on a control finds.
class TestHelpViewer : public QObject
{
    Q_OBJECT
    testsupport::ScratchFolder m_folder;

private slots:
    void controlIdsStablePerWindow()
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

    void parseTopics_data()
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
    void parseTopics()
    {
        QFETCH(QString, contents);
        QFETCH(int, topic);
        QTEST(parseTopicFile(contents).value(topic), "text");
    }

    void shippedTopicsCoverEveryPair()
    {
        QFile file(findHelpFile(QStringLiteral("WaveHelpPopup.txt")));
        QVERIFY2(file.open(QIODevice::ReadOnly), "the help file is not beside the program");
        const auto topics = parseTopicFile(QString::fromUtf8(file.readAll()));
        for (int topic = 1; topic <= 15; ++topic)
            QVERIFY2(topics.value(topic).size() > 20, qPrintable(QString::number(topic)));
    }

    void missingFileShowsNothing()
    {
        QWidget window;
        auto *button = new QPushButton(&window);
        std::array<QWidget *, HelpPairCount - 1> controls{};
        controls.fill(button);
        fillHelpIDs(controls);
        HelpRequest seen;
        setHelpObserver([&](const HelpRequest &r) { seen = r; });
        // A topic file in the current folder wins over the shipped one; an empty one has no topics.
        QVERIFY(testsupport::writeFile(QStringLiteral("WaveHelpPopup.txt"), {}));
        QCOMPARE(HtmlHelpA(button, QStringLiteral("Ondara.chm::/WaveHelpPopup.txt"), 17, HelpIDs), 0);
        QCOMPARE(seen.topic, 1);
        QVERIFY(seen.text.isEmpty());
        QCOMPARE(HtmlHelpA(button, QStringLiteral("Ondara.chm::/NoSuchFile.txt"), 17, HelpIDs), 0);
        QCOMPARE(HtmlHelpA(nullptr, QStringLiteral("Ondara.chm::/WaveHelpPopup.txt"), 17, HelpIDs), 0);
        setHelpObserver({});
    }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
