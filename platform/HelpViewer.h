#pragma once

#include <QHash>
#include <QString>

#include <functional>

class QWidget;

// The help viewer's text popups: given a control and a list of
// (control identifier, topic) pairs ending in (0, 0), shows the topic of the
// control's pair next to it. Topics come from a text-popup file (".topic N"
// followed by its text) found in the program's help folder.
namespace ondara {

inline constexpr int HH_TP_HELP_WM_HELP = 0x11;

struct HelpRequest {
    QWidget *caller = nullptr;
    QString file;
    int command = 0;
    const qint32 *pairs = nullptr;
    int topic = 0;     // 0 when the caller has no pair
    QString text;      // empty when the topic or the file is missing
};

// file is a reference "Book::/Popups.txt": the part after "::/" names the
// topic file, which is read from the program's help folder; the book's name
// is not used. Returns 1 when a popup was shown, 0 otherwise; never fails loudly.
int HtmlHelpA(QWidget *caller, const QString &file, int command, const qint32 *data);

// Topic number -> text of a text-popup file's contents.
QHash<int, QString> parseTopicFile(const QString &contents);

// Tests watch what the viewer was asked and what it showed.
void setHelpObserver(std::function<void(const HelpRequest &)> observer);

} // namespace ondara
