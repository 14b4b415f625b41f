#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QTimer>

// Answers the modal message boxes that an action shows. Arm it before the
// action: while it lives it watches for a modal QMessageBox, records what the
// user would see (title, text, icon, buttons, default button) and presses the
// answer given for that box (the last answer repeats for any further box).
// A test that expects a message checks count() afterwards, so a message that
// never came fails the test instead of hanging it.
class MessageBoxWatcher : public QObject
{
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };

    explicit MessageBoxWatcher(QList<QMessageBox::StandardButton> answers = {QMessageBox::Ok})
        : m_answers(std::move(answers))
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &MessageBoxWatcher::answer);
        m_timer.start();
    }

    int count() const { return int(m_seen.size()); }
    const Seen &at(int index) const { return m_seen.at(index); }
    const Seen &last() const { return m_seen.constLast(); }

private:
    void answer()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        Seen seen;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        if (box->defaultButton())
            seen.defaultButton = box->standardButton(box->defaultButton());
        const auto wanted = m_answers.isEmpty()
            ? QMessageBox::Ok
            : m_answers.at(qMin(int(m_seen.size()), int(m_answers.size()) - 1));
        m_seen.append(seen);
        if (QAbstractButton *button = box->button(wanted))
            button->click();
        else
            box->reject();
    }

    QList<QMessageBox::StandardButton> m_answers;
    QList<Seen> m_seen;
    QTimer m_timer;
};
