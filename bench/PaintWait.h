#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace zorvanta::bench {

/// Runs the event loop until `window` has been painted once, or ten seconds have passed.
inline bool WaitForFirstPaint(QWidget& window)
{
    class Watcher : public QObject {
    public:
        bool painted = false;

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                painted = true;
            return QObject::eventFilter(watched, event);
        }
    } watcher;
    window.installEventFilter(&watcher);
    QElapsedTimer waited;
    waited.start();
    while (!watcher.painted && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    window.removeEventFilter(&watcher);
    return watcher.painted;
}

}  // namespace zorvanta::bench
