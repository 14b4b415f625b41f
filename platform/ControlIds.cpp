#include "ControlIds.h"

#include <QHash>
#include <QVariant>
#include <QWidget>

namespace ondara {
namespace {

constexpr char IdProperty[] = "_ondara_ctrl_id";
constexpr int FirstId = 1001;

// Identifiers belong to the window's design, not to one instance of it: a
// window closed and opened again gives its named controls the same numbers,
// so a table filled once still finds them. Controls without a name are
// numbered per instance.
struct WindowIds {
    QHash<QString, int> byName;
    int next = FirstId;
};

QHash<QString, WindowIds> &registry()
{
    static QHash<QString, WindowIds> windows;
    return windows;
}

int idFor(const QString &windowKey, const QString &controlKey)
{
    WindowIds &ids = registry()[windowKey];
    int id = ids.byName.value(controlKey);
    if (id == 0) {
        id = ids.next++;
        ids.byName.insert(controlKey, id);
    }
    return id;
}

} // namespace

int reserveDlgCtrlID(const QString &windowName, const QString &controlName)
{
    return idFor(windowName, controlName);
}

int GetDlgCtrlID(QWidget *control)
{
    if (!control)
        return 0;
    const QVariant existing = control->property(IdProperty);
    if (existing.isValid())
        return existing.toInt();

    QWidget *window = control->window();
    const QString windowKey = window->objectName().isEmpty()
                                  ? QString::number(quintptr(window), 16)
                                  : window->objectName();
    const QString controlKey = control->objectName().isEmpty()
                                   ? QStringLiteral("#") + QString::number(quintptr(control), 16)
                                   : control->objectName();
    const int id = idFor(windowKey, controlKey);
    control->setProperty(IdProperty, id);
    return id;
}

} // namespace ondara
