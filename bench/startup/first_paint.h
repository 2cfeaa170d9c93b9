// The moment a probe's window has its first frame on the screen. The probe
// prints it on standard output, in nanoseconds of CLOCK_REALTIME (the clock
// the runner reads just before it starts the probe), and quits.
#pragma once

#include <cstdio>
#include <ctime>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

class TFirstPaint : public QObject {
public:
    // Watches every widget of `window`; made before the window is shown.
    explicit TFirstPaint(QWidget* window) : Window(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!Noticed && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == Window) {
            Noticed = true;
            // This paint event opens a pass that paints the rest of the window
            // and flushes the frame to the screen, all before control returns
            // to the event loop: a queued call runs once the frame is out.
            QMetaObject::invokeMethod(this, &TFirstPaint::Finish, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void Finish() {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1'000'000'000LL +
                                  static_cast<long long>(now.tv_nsec));
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    QWidget* Window;
    bool Noticed = false;
};
