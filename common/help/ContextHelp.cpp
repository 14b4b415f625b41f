#include "ContextHelp.h"

#include "ControlIds.h"
#include "HelpViewer.h"

#include <QWidget>

#include <algorithm>

qint32 HelpIDs[HelpPairCount * 2] = {};

void fillHelpIDs(const std::array<qint32, HelpPairCount - 1> &ids)
{
    for (std::size_t i = 0; i < ids.size(); ++i) {
        HelpIDs[2 * i] = ids[i];
        HelpIDs[2 * i + 1] = static_cast<qint32>(i + 1);
    }
    HelpIDs[2 * (HelpPairCount - 1)] = 0;
    HelpIDs[2 * (HelpPairCount - 1) + 1] = 0;
}

void ShowContextHelp(QWidget *window, int startPair)
{
    if (!window || startPair < 1 || startPair > HelpPairCount)
        return;
    QWidget *active = window->focusWidget();
    if (!active)
        active = window;
    ondara::HtmlHelpA(active, QString::fromLatin1(HelpFileReference), ondara::HH_TP_HELP_WM_HELP,
                      &HelpIDs[2 * (startPair - 1)]);
}

void fillHelpIDs(const std::array<QWidget *, HelpPairCount - 1> &controls)
{
    std::array<qint32, HelpPairCount - 1> ids{};
    std::transform(controls.begin(), controls.end(), ids.begin(), ondara::GetDlgCtrlID);
    fillHelpIDs(ids);
}

bool rightClickHelp(QWidget *control, Qt::MouseButton button, int startPair)
{
    if (button != Qt::RightButton || !control)
        return false;
    control->setFocus(Qt::MouseFocusReason);
    ShowContextHelp(control->window(), startPair);
    return true;
}
