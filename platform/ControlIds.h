#pragma once

class QString;
class QWidget;

// Numeric control identifiers, as a desktop that keys popup help by control
// gives them: each control gets the next number of its own top-level window
// when first asked, and keeps it for the run, also in a later instance of the
// same window. Controls of different windows may share a number, which is why
// help lookups start at a pair of their own.
namespace ondara {

int GetDlgCtrlID(QWidget *control);

// The identifier that the control of that name will have in any window of
// that name, given before such a window exists (the help table needs the
// report window's identifiers long before the window is first opened).
int reserveDlgCtrlID(const QString &windowName, const QString &controlName);

} // namespace ondara
