#include "ControlIds.h"

#include <QVariant>
#include <QWidget>

namespace ondara {
namespace {
constexpr char IdProperty[] = "_ondara_ctrl_id";
constexpr char NextIdProperty[] = "_ondara_next_ctrl_id";
constexpr int FirstId = 1001;
} // namespace

int GetDlgCtrlID(QWidget *control)
{
    if (!control)
        return 0;
    const QVariant existing = control->property(IdProperty);
    if (existing.isValid())
        return existing.toInt();
    QWidget *window = control->window();
    const QVariant next = window->property(NextIdProperty);
    const int id = next.isValid() ? next.toInt() : FirstId;
    window->setProperty(NextIdProperty, id + 1);
    control->setProperty(IdProperty, id);
    return id;
}

} // namespace ondara
