// Reports the first frame of a top-level window on standard output and ends
// the program: "first-frame <steady clock in ns>". The start-up measurement
// reads that line; the steady clock is the system's monotonic clock, shared
// with the process that started this one.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

class FirstFrameProbe : public QObject {
public:
    explicit FirstFrameProbe(QWidget* window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // The window's paint event opens the frame; the children are painted
            // and the frame flushed before control returns to the event loop.
            QTimer::singleShot(0, this, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("first-frame %lld\n",
                            static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = false;
};
