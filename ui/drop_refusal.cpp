#include "drop_refusal.h"

#include <QChildEvent>
#include <QDropEvent>
#include <QWidget>

ORB_DropRefusal::ORB_DropRefusal(QWidget* view)
    : QObject(view)
{
    watch(view);
}

void ORB_DropRefusal::watch(QObject* object)
{
    object->installEventFilter(this);
    for (QObject* child : object->children())
        if (child->isWidgetType())
            watch(child);
}

bool ORB_DropRefusal::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (QObject* child = static_cast<QChildEvent*>(event)->child(); child->isWidgetType())
            watch(child);
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        static_cast<QDropEvent*>(event)->ignore();
        if (event->type() != QEvent::DragMove)
            emit drop_refused();
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
