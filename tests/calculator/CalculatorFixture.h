#pragma once

#include "DataFiles.h"
#include "frmOndara.h"
#include "modOndara.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <memory>

// A fresh calculator window, shown and active, working in a temporary folder
// of its own with an empty database; controls are reached by their names as
// the user sees them.
class CalculatorFixture
{
public:
    CalculatorFixture()
        : m_previousDir(QDir::currentPath())
    {
        QDir::setCurrent(m_dir.path());
        ondara::createDatabase(QStringLiteral("ondara.mdb"));
        window = std::make_unique<frmOndara>();
        window->show();
    }
    ~CalculatorFixture()
    {
        window.reset();
        QDir::setCurrent(m_previousDir);
    }

    // Also after a message box: the test platform gives the activation back
    // only when asked, as a window manager does by itself.
    bool ready()
    {
        window->activateWindow();
        return m_dir.isValid() && QTest::qWaitForWindowActive(window.get());
    }
    QWidget *focus() const { return window->focusWidget(); }
    QString dir() const { return m_dir.path(); }

    template <class T = QWidget>
    T *get(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    QLineEdit *start() const { return get<QLineEdit>(QStringLiteral("TxtWavStart")); }
    QLineEdit *end() const { return get<QLineEdit>(QStringLiteral("TxtWavEnd")); }
    QPushButton *button(const QString &name) const { return get<QPushButton>(name); }
    QLabel *label(const QString &name) const { return get<QLabel>(name); }
    QString text(const QString &name) const { return label(name)->text(); }
    bool shown(const QString &name) const { return get(name)->isVisibleTo(window.get()); }
    QColor colour(const QString &name) const { return label(name)->palette().color(QPalette::WindowText); }

    QPoint centreOf(const QString &name) const
    {
        QWidget *target = get(name);
        return target->mapTo(window.get(), target->rect().center());
    }
    // Clicks and moves go through the window system, so the control under
    // the pointer (a label laid on the chart, say) is the one that gets them.
    void click(const QString &name) { QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, centreOf(name)); }
    void hover(const QString &name, QPoint offset = {})
    {
        QTest::mouseMove(window->windowHandle(), centreOf(name) + offset);
    }
    void chooseMarket(bool bull) { click(bull ? QStringLiteral("cmdMarket_0") : QStringLiteral("cmdMarket_1")); }

    // Types both prices as the user does: start field, Tab, end field.
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
        click(QStringLiteral("cmdCalc"));
    }

    // Pictures compare in one pixel format: transparent pixels keep no colour.
    static QImage comparable(const QImage &image)
    {
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    static QImage pictureFile(const QString &bareName)
    {
        return comparable(QImage(ondara::findPicture(bareName)));
    }
    static bool showsPicture(const QPushButton *button, const QString &bareName)
    {
        const QImage expected = pictureFile(bareName);
        return !expected.isNull() && comparable(button->icon().pixmap(expected.size()).toImage()) == expected;
    }

    std::unique_ptr<frmOndara> window;

private:
    QString m_previousDir;
    QTemporaryDir m_dir;
};
