#pragma once

#include <QString>

#include <functional>

class QApplication;

// The program's run from its first window to its end. It lives here rather
// than in main() so that a start that fails can be tried, and its message and
// exit status checked, without a person to close the message.
namespace ondara {

class StoreError;

// Receives the text that says why the program cannot start.
using StartFailureReport = std::function<void(const QString &text)>;

// Names the folder the program looked in, what was wrong there and how to
// mend it.
QString startFailureText(const StoreError &error);

// The text in a critical message box titled "Ondara"; returns once it is closed.
void showStartFailure(const QString &text);

// Loads the calculator window and runs until it closes, returning the exit
// status. The saved calculations are opened once the window has painted; when
// they cannot be opened, or the file is damaged anywhere, the window goes, the
// failure goes to report and the status is 1; nothing is created or changed.
int runOndara(QApplication &app, const StartFailureReport &report = showStartFailure);

} // namespace ondara
