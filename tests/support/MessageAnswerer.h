#pragma once

#include "MessageBox.h"

#include <QList>

#include <functional>

// Answers the program's messages as the user would, told the answers before
// the action: while it lives every message comes here instead of a box, is
// kept, and is answered with the next answer given (the last one repeats).
// A test that expects a message checks count(), so a message that never came
// fails the test, and an unexpected one is seen rather than left open.
namespace testsupport {

class MessageAnswerer
{
public:
    explicit MessageAnswerer(QList<QMessageBox::StandardButton> answers = {QMessageBox::Ok})
    {
        answerWith(std::move(answers));
        ondara::setMessageHook([this](const ondara::Message &message) {
            m_seen.append(message);
            if (whileShown)
                whileShown();
            return m_answers.value(qMin(m_given++, m_answers.size() - 1), QMessageBox::Ok);
        });
    }
    ~MessageAnswerer() { ondara::setMessageHook({}); }
    MessageAnswerer(const MessageAnswerer &) = delete;
    MessageAnswerer &operator=(const MessageAnswerer &) = delete;

    // The answers to the messages from now on.
    void answerWith(QList<QMessageBox::StandardButton> answers)
    {
        m_answers = std::move(answers);
        m_given = 0;
    }
    qsizetype count() const { return m_seen.size(); }
    const ondara::Message &at(qsizetype index) const { return m_seen.at(index); }
    const ondara::Message &last() const { return m_seen.constLast(); }
    // What happens on the screen while a message is open, before it is answered.
    std::function<void()> whileShown;
    const QList<ondara::Message> &seen() const { return m_seen; }

private:
    QList<QMessageBox::StandardButton> m_answers;
    qsizetype m_given = 0;
    QList<ondara::Message> m_seen;
};

} // namespace testsupport
