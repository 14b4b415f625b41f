#pragma once

#include <QtGlobal>
#include <qnamespace.h>

#include <array>

class QWidget;

// The popup-help table: 15 (control identifier, topic) pairs of both windows,
// ended by (0, 0). Filled once at start-up, read by every help handler.
inline constexpr int HelpPairCount = 16;
extern qint32 HelpIDs[HelpPairCount * 2];

// The help reference every popup is shown from: the topics are in WaveHelpPopup.txt.
inline constexpr char HelpFileReference[] = "Ondara.chm::/WaveHelpPopup.txt";

// Pair numbers (1-based) where the report window's controls start their search.
enum HelpPair {
    HelpPairBull = 1,
    HelpPairSelectAll = 11,
    HelpPairDelete = 12,
    HelpPairSave = 13,
    HelpPairPrint = 14,
    HelpPairSymbols = 15,
};

// ids[i] gets topic i + 1; the table ends in (0, 0).
void fillHelpIDs(const std::array<qint32, HelpPairCount - 1> &ids);
// The same with the controls' identifiers.
void fillHelpIDs(const std::array<QWidget *, HelpPairCount - 1> &controls);

// Shows the popup of the window's active control, searching the table from startPair on.
void ShowContextHelp(QWidget *window, int startPair);

// The right-click rule: only the right button shows help, after the control takes the focus.
bool rightClickHelp(QWidget *control, Qt::MouseButton button, int startPair);
