#include "LeaveWatch.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

LeaveWatch::LeaveWatch(QWidget& window) : QObject(&window)
{
    window.installEventFilter(this);
    // Under X11 this follows the focus: it turns inactive once no window of
    // the program holds it, a moment after the last one lost it.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            emit left();
    });
}

bool LeaveWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && static_cast<QWidget*>(watched)->isMinimized())
        emit left();
    return QObject::eventFilter(watched, event);
}
