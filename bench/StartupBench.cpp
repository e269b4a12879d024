// Start-up to the first painted main window: everything the program does after the
// application object exists, until the main window has been painted once.
#include <benchmark/benchmark.h>

#include <memory>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLocale>
#include <QObject>

#include "Informazion.h"
#include "LocaleSettings.h"
#include "MenuGE.h"
#include "OffscreenBenchMain.h"

namespace zorvanta {
namespace {

constexpr qint64 kPaintTimeoutMs = 10000;

// Notes the first paint event of the watched widget.
class FirstPaintWatcher : public QObject {
public:
    bool Painted() const { return painted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted_ = true;
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted_ = false;
};

// The windows as the program creates them at start-up.
struct StartedWindows {
    std::unique_ptr<TMenuGEN> Main;
    std::unique_ptr<TInformazioni> Information;
};

// Creates both windows, shows the main one and runs the event loop until it is painted.
bool StartUp(StartedWindows& windows)
{
    const char decimalSeparator = DecimalSeparatorFromLocale(QLocale::system());
    windows.Main = std::make_unique<TMenuGEN>(decimalSeparator);
    windows.Information = std::make_unique<TInformazioni>();
    windows.Information->setAttribute(Qt::WA_QuitOnClose, false);
    windows.Main->SetInformationWindow(windows.Information.get());

    FirstPaintWatcher watcher;
    windows.Main->installEventFilter(&watcher);
    windows.Main->show();
    QElapsedTimer waited;
    waited.start();
    while (!watcher.Painted() && waited.elapsed() < kPaintTimeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    windows.Main->removeEventFilter(&watcher);
    return watcher.Painted();
}

void StartupToFirstPaint(benchmark::State& state)
{
    for (auto _ : state) {
        StartedWindows windows;
        if (!StartUp(windows)) {
            state.SkipWithError("the main window was never painted");
            break;
        }
        // Closing is not part of start-up.
        state.PauseTiming();
        windows = {};
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void RegisterStartupBenchmarks()
{
    // One run first on its own: it pays for loading fonts, styles and plug-ins, as the
    // program's real start-up does; the repeated runs show the cost of the windows alone.
    benchmark::RegisterBenchmark("StartupToFirstPaint/First", StartupToFirstPaint)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("StartupToFirstPaint/Repeated", StartupToFirstPaint)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace
}  // namespace zorvanta

int main(int argc, char** argv)
{
    return zorvanta::bench::RunOffscreenBenchmarks(argc, argv, zorvanta::RegisterStartupBenchmarks);
}
