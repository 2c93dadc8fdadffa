#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

// For the start-up benchmark: with AIRCOOLER_QUIT_AFTER_SHOW=1 in the environment, a program
// prints the wall-clock time at which its first window has been painted and quits. The
// benchmark compares that moment with the moment it launched the program.
class TStartupProbe : public QObject {
public:
    static void InstallIfAsked(QWidget& Window) {
        if (qEnvironmentVariableIntValue("AIRCOOLER_QUIT_AFTER_SHOW") == 1)
            Window.installEventFilter(new TStartupProbe(&Window));
    }

    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Paint && !Painted) {
            Painted = true;
            // Queued, so that the time is taken once the painted window has been flushed.
            QTimer::singleShot(0, this, [] {
                timespec now{};
                clock_gettime(CLOCK_REALTIME, &now);
                std::printf("first-paint-ns %lld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    using QObject::QObject;
    bool Painted = false;
};
