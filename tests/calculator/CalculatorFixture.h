#pragma once

#include "ChartView.h"
#include "DataFiles.h"
#include "MessageAnswerer.h"
#include "RowWriter.h"
#include "ScratchFolder.h"
#include "frmOndara.h"
#include "modOndara.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

// A fresh calculator window, shown, in a scratch folder of its own with an
// empty database; its messages go to `messages`, which answers Ok unless told
// otherwise. Controls are reached by their names, and the user's actions are
// named steps.
class CalculatorFixture
{
public:
    static inline const QString Database = QStringLiteral("ondara.mdb");

    CalculatorFixture()
    {
        ondara::createDatabase(Database);
        reopen();
    }
    // A new window on the same folder, as at the next start.
    void reopen()
    {
        window.reset();
        window = std::make_unique<frmOndara>();
        window->LoadStore();
        window->show();
    }
    bool ready()
    {
        window->activateWindow();
        return folder.isValid() && QTest::qWaitForWindowActive(window.get());
    }

    template <class T = QWidget>
    T *get(const QString &name) const { return window->findChild<T *>(name); }
    QWidget *focus() const { return window->focusWidget(); }
    QLineEdit *start() const { return get<QLineEdit>("TxtWavStart"); }
    QLineEdit *end() const { return get<QLineEdit>("TxtWavEnd"); }
    QComboBox *symbols() const { return get<QComboBox>("cboSymbols"); }
    QPushButton *button(const QString &name) const { return get<QPushButton>(name); }
    QString text(const QString &name) const { return get<QLabel>(name)->text(); }
    bool shown(const QString &name) const { return get(name)->isVisibleTo(window.get()); }
    QColor colour(const QString &name) const { return get<QLabel>(name)->palette().color(QPalette::WindowText); }
    QImage chart() const { return comparable(get<ChartView>("Picture1")->picture().toImage()); }
    QStringList entries() const
    {
        QStringList texts;
        for (int i = 0; i < symbols()->count(); ++i)
            texts.append(symbols()->itemText(i));
        return texts;
    }

    QPoint centreOf(const QString &name) const { return get(name)->mapTo(window.get(), get(name)->rect().center()); }
    // Through the window system, so the control under the pointer (a label
    // laid on the chart, say) is the one that gets the click or move.
    void click(const QString &name, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(window->windowHandle(), button, {}, centreOf(name));
    }
    void hover(const QString &name) { QTest::mouseMove(window->windowHandle(), centreOf(name)); }
    void chooseMarket(bool bull) { click(bull ? "cmdMarket_0" : "cmdMarket_1"); }
    // As the user does: start field, Tab, end field.
    void typePrices(const QString &startText, const QString &endText)
    {
        start()->setFocus();
        start()->selectAll();
        QTest::keyClicks(start(), startText);
        QTest::keyClick(start(), Qt::Key_Tab);
        end()->selectAll();
        QTest::keyClicks(end(), endText);
    }
    void calculate(bool bull, const QString &startText, const QString &endText)
    {
        chooseMarket(bull);
        typePrices(startText, endText);
        click("cmdCalc");
    }
    // The usual wave of each direction: 10 to 20, or 20 to 10.
    void calculate(bool bull) { calculate(bull, bull ? "10" : "20", bull ? "20" : "10"); }
    // As the user picks an entry from the list.
    void pick(int index)
    {
        symbols()->setCurrentIndex(index);
        emit symbols()->activated(index);
    }
    void typeSymbol(const QString &symbol)
    {
        symbols()->setFocus();
        symbols()->lineEdit()->selectAll();
        symbols()->lineEdit()->insert(symbol); // an edit, as typing is
    }

    // One pixel format, in which transparent pixels keep no colour.
    static QImage comparable(const QImage &image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); }
    static QImage pictureFile(const QString &bareName) { return comparable(QImage(ondara::findPicture(bareName))); }
    static bool showsPicture(const QPushButton *button, const QString &bareName)
    {
        const QImage expected = pictureFile(bareName);
        return !expected.isNull() && comparable(button->icon().pixmap(expected.size()).toImage()) == expected;
    }

    testsupport::ScratchFolder folder; // the current folder until the window is gone
    testsupport::MessageAnswerer messages;
    std::unique_ptr<frmOndara> window;
};
