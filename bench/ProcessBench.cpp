// Process end to end on the offscreen main window: reading the four fields, computing,
// filling the table and rebuilding both charts, then drawing the whole window.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include <QCoreApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QString>

#include "MenuGE.h"
#include "OffscreenBenchMain.h"

namespace zorvanta {
namespace {

// Texts for Portata_normale_TXT, Portata_eccezionale_TXT, Capacita_TXT, Durata_fenomeno_TXT.
using InputTexts = std::array<const char*, 4>;

struct ProcessCase {
    const char* Name;
    InputTexts Texts;
};

constexpr ProcessCase kCases[] = {
    {"Defaults", {"800", "2000", "1000", "2"}},
    // About two thousand million hourly bars during the peak.
    {"LongestPeak", {"800", "2000", "1000", "2147483647"}},
    // A queue that takes about 2.6E12 hours to clear, one bar per hour.
    {"SlowClearingAfterLongestPeak", {"800", "2000", "801", "2147483647"}},
    // The largest queue with a capacity one above the normal flow: the end time near 9.2E18.
    {"LargestEndTime", {"2147483647", "2147483647", "-2147483648", "2147483647"}},
    // Infinite end time and areas.
    {"CapacityEqualsNormalFlow", {"800", "2000", "800", "2"}},
};

// The main window on screen (offscreen) with its four fields set and errors recorded.
class ProcessWindow {
public:
    explicit ProcessWindow(const InputTexts& texts) : window_('.')
    {
        window_.SetErrorReporter([this](const QString&) { failed_ = true; });
        constexpr std::array<const char*, 4> kFields = {"Portata_normale_TXT", "Portata_eccezionale_TXT",
                                                        "Capacita_TXT", "Durata_fenomeno_TXT"};
        for (std::size_t i = 0; i < kFields.size(); ++i) {
            auto* edit = window_.findChild<QLineEdit*>(QString::fromLatin1(kFields[i]));
            if (edit == nullptr)
                missingField_ = true;
            else
                edit->setText(QString::fromLatin1(texts[i]));
        }
        window_.show();
        QCoreApplication::processEvents();
    }

    TMenuGEN& Window() { return window_; }
    // Why the figures cannot be trusted, or nullptr.
    const char* Problem() const
    {
        if (missingField_)
            return "an input field was not found by its object name";
        return failed_ ? "Process reported an error" : nullptr;
    }

private:
    TMenuGEN window_;
    bool failed_ = false;
    bool missingField_ = false;
};

void Process(benchmark::State& state, InputTexts texts)
{
    ProcessWindow process(texts);
    for (auto _ : state)
        process.Window().Analisi_IMGClick();
    if (const char* problem = process.Problem())
        state.SkipWithError(problem);
}

// Process followed by drawing every control and both charts, as the screen shows them.
void ProcessAndDraw(benchmark::State& state, InputTexts texts)
{
    ProcessWindow process(texts);
    for (auto _ : state) {
        process.Window().Analisi_IMGClick();
        benchmark::DoNotOptimize(process.Window().grab());
    }
    if (const char* problem = process.Problem())
        state.SkipWithError(problem);
}

void RegisterProcessBenchmarks()
{
    for (const ProcessCase& row : kCases) {
        benchmark::RegisterBenchmark((std::string("Process/") + row.Name).c_str(), Process, row.Texts)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("ProcessAndDraw/") + row.Name).c_str(),
                                     ProcessAndDraw, row.Texts)
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace
}  // namespace zorvanta

int main(int argc, char** argv)
{
    return zorvanta::bench::RunOffscreenBenchmarks(argc, argv, zorvanta::RegisterProcessBenchmarks);
}
