#pragma once

#include <QString>

#include <stdexcept>

// A failure the user is told about as "Error #" with a number and a
// description: the store's, the printer's and the file writer's all take
// this form, so one message box layout serves every one of them.
namespace ondara {

class NumberedError : public std::runtime_error
{
public:
    NumberedError(int number, const QString &description)
        : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
    {
    }

    int number() const noexcept { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

} // namespace ondara
