#include "ChartItem.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

using ondara::ChartLabel;

namespace {

class ChartItemAccessible : public QAccessibleWidget
{
public:
    explicit ChartItemAccessible(ChartItem *item)
        : QAccessibleWidget(item, item->isToggle() ? QAccessible::CheckBox : QAccessible::StaticText)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (item()->isToggle()) {
            state.checkable = true;
            state.checked = item()->isChecked();
        }
        return state;
    }

    QStringList actionNames() const override
    {
        return item()->isToggle() ? QStringList{pressAction(), toggleAction()} : QStringList();
    }

    void doAction(const QString &name) override
    {
        if (item()->isToggle() && (name == pressAction() || name == toggleAction()))
            emit item()->clicked(item()->id());
    }

private:
    ChartItem *item() const { return static_cast<ChartItem *>(widget()); }
};

QAccessibleInterface *chartItemInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("ChartItem") && object && object->isWidgetType())
        return new ChartItemAccessible(static_cast<ChartItem *>(object));
    return nullptr;
}

} // namespace

void installChartItemAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(chartItemInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

ChartItem::ChartItem(ChartLabel id, QWidget *chart)
    : QLabel(chart), m_id(id)
{
    setObjectName(QString::fromLatin1(ondara::chartLabelName(id)));
    setMouseTracking(true);
    // Reached by Tab, never by a click, which would take the focus from a price field.
    setFocusPolicy(isToggle() ? Qt::TabFocus : Qt::NoFocus);
}

bool ChartItem::isToggle() const
{
    using L = ChartLabel;
    return m_id == L::lblTgtWav3Up || m_id == L::lblTgtWav3Dn || m_id == L::lblTgtWav5Up || m_id == L::lblTgtWav5Dn
        || m_id == L::picBullRetrace || m_id == L::picBearRetrace;
}

bool ChartItem::isPrice() const
{
    return m_id != ChartLabel::picBullRetrace && m_id != ChartLabel::picBearRetrace;
}

void ChartItem::setChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void ChartItem::mouseMoveEvent(QMouseEvent *event)
{
    emit hovered(m_id);
    event->accept();
}

// Every button stops here: the chart's own help is for its background.
void ChartItem::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    event->accept();
}

void ChartItem::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const bool click = m_pressed && rect().contains(event->position().toPoint());
        m_pressed = false;
        if (click)
            emit clicked(m_id);
    }
    event->accept();
}

void ChartItem::contextMenuEvent(QContextMenuEvent *event)
{
    if (isPrice())
        emit menuRequested(m_id, event->globalPos());
    event->accept();
}

void ChartItem::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (isToggle() && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        emit clicked(m_id);
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ChartItem::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = Qt::black;
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}
