#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <deque>

// Answers the modal message boxes that an action opens, in order, and keeps
// what each one said. Arm it before the action; the action's own event loop
// (the box's exec) lets the polling timer find the box. A box nobody expected
// is recorded and closed, so a wrong branch fails the test instead of hanging it.
class MessageBoxWatcher : public QObject
{
public:
    struct Seen
    {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };

    explicit MessageBoxWatcher(QObject *parent = nullptr)
        : QObject(parent)
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &MessageBoxWatcher::poll);
        m_timer.start();
    }

    // The next box that opens is answered with answer.
    void answer(QMessageBox::StandardButton answer)
    {
        m_answers.push_back(answer);
    }

    QList<Seen> seen;
    bool allAnswered() const { return m_answers.empty(); }

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == m_lastBox)
            return;
        m_lastBox = box;
        Seen s;
        s.title = box->windowTitle();
        s.text = box->text();
        s.icon = box->icon();
        s.buttons = box->standardButtons();
        if (auto *byDefault = box->defaultButton())
            s.defaultButton = box->standardButton(byDefault);
        seen += s;
        if (m_answers.empty()) {
            box->reject();
            return;
        }
        const QMessageBox::StandardButton reply = m_answers.front();
        m_answers.pop_front();
        if (QAbstractButton *button = box->button(reply))
            button->click();
        else
            box->reject();
    }

    QTimer m_timer;
    std::deque<QMessageBox::StandardButton> m_answers;
    QPointer<QMessageBox> m_lastBox;
};
