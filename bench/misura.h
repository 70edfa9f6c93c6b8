#pragma once
// Shared by the benchmark programs: time since the launch the script recorded, peak memory, and the
// first paint of a window.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

// Microseconds since BENCH_T0 (nanoseconds of the real-time clock, set just before the launch).
inline long long microsecondiDalLancio()
{
    timespec ora{};
    clock_gettime(CLOCK_REALTIME, &ora);
    const long long adesso = ora.tv_sec * 1000000000LL + ora.tv_nsec;
    return (adesso - qEnvironmentVariable("BENCH_T0").toLongLong()) / 1000;
}

inline long picco_kB()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

// On the first paint of the window named `nome`: prints "avvio_us picco_kB" and ends the run.
class PrimoDisegno : public QObject {
public:
    explicit PrimoDisegno(const char* nome) : nome_(nome) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (!fatto_ && e->type() == QEvent::Paint && o->isWidgetType() &&
            static_cast<QWidget*>(o)->window()->objectName() == QLatin1String(nome_)) {
            fatto_ = true;
            const long long us = microsecondiDalLancio();
            QTimer::singleShot(0, [us] {
                std::printf("%lld %ld\n", us, picco_kB());
                std::exit(0);
            });
        }
        return false;
    }

private:
    const char* nome_;
    bool fatto_ = false;
};
