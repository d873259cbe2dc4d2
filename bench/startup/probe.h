#pragma once
// Start-up probe: when the watched window has painted for the first time, it
// prints how long the process took to get there and its peak memory, then
// ends the process.
//   <milliseconds since the given start> <peak resident KiB>
// The start is CLOCK_REALTIME nanoseconds taken by the caller just before it
// started the process (`date +%s%N`).

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace startup {

inline long long nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
}

inline long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

class FirstPaint : public QObject {
public:
    FirstPaint(QWidget *window, long long startNs) : start_(startNs) { window->installEventFilter(this); }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Once the paint has been handled and flushed.
            QTimer::singleShot(0, [this] {
                std::printf("%.3f %ld\n", static_cast<double>(nowNs() - start_) / 1e6, peakKiB());
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    long long start_;
    bool seen_ = false;
};

inline long long startFromArguments(int argc, char *argv[]) { return argc > 1 ? std::atoll(argv[1]) : nowNs(); }

} // namespace startup
