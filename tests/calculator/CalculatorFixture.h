#pragma once

#include "ChartView.h"
#include "DataFiles.h"
#include "MessageBoxWatcher.h"
#include "StoreTestSupport.h"
#include "frmOndara.h"
#include "modOndara.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>
#include <optional>

// A fresh calculator window, shown, in a temporary folder of its own with an
// empty database; controls are reached by their names.
class CalculatorFixture
{
public:
    CalculatorFixture()
    {
        QStandardPaths::setTestModeEnabled(true);
        ondara::createDatabase(QStringLiteral("ondara.mdb"));
        window = std::make_unique<frmOndara>();
        window->LoadStore();
        window->show();
    }

    // Also after a message box: the test platform gives the activation back
    // only when asked, as a window manager does by itself.
    bool ready()
    {
        window->activateWindow();
        return m_folder.isValid() && QTest::qWaitForWindowActive(window.get());
    }
    QWidget *focus() const { return window->focusWidget(); }

    template <class T = QWidget>
    T *get(const QString &name) const { return window->findChild<T *>(name); }
    QLineEdit *start() const { return get<QLineEdit>("TxtWavStart"); }
    QLineEdit *end() const { return get<QLineEdit>("TxtWavEnd"); }
    QString prices() const { return start()->text() + u'|' + end()->text(); }
    QComboBox *symbols() const { return get<QComboBox>("cboSymbols"); }
    QPushButton *button(const QString &name) const { return get<QPushButton>(name); }
    QString text(const QString &name) const { return get<QLabel>(name)->text(); }
    bool shown(const QString &name) const { return get(name)->isVisibleTo(window.get()); }
    QColor colour(const QString &name) const { return get<QLabel>(name)->palette().color(QPalette::WindowText); }
    QImage chart() const { return comparable(get<ChartView>("Picture1")->picture().toImage()); }
    static QStringList entries(const QComboBox *box)
    {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts.append(box->itemText(i));
        return texts;
    }

    QPoint centreOf(const QString &name) const { return get(name)->mapTo(window.get(), get(name)->rect().center()); }
    // Through the window system, so the control under the pointer (a label
    // laid on the chart, say) is the one that gets the click or move.
    void click(const QString &name) { QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, centreOf(name)); }
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

    // One pixel format, in which transparent pixels keep no colour.
    static QImage comparable(const QImage &image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); }
    static QImage pictureFile(const QString &bareName) { return comparable(QImage(ondara::findPicture(bareName))); }
    static bool showsPicture(const QPushButton *button, const QString &bareName)
    {
        const QImage expected = pictureFile(bareName);
        return !expected.isNull() && comparable(button->icon().pixmap(expected.size()).toImage()) == expected;
    }

private:
    storetest::ScratchFolder m_folder; // the current folder until the window is gone

public:
    std::unique_ptr<frmOndara> window;
};
