// The check-code window built by the framework against the same window written directly in Qt, in one run:
// building it up to its first painted frame, and one press of its button (result text, list refill, sort).
// Peak memory of each side is measured in a child process of its own, as a process's peak only grows.
//
//   bench_mainwindow                 both timings, the ratios and the peak memory of both sides
//   bench_mainwindow --peak=fw|qt    (internal) one side in this process, its peak RSS printed in KiB
#include "app/localize.h"
#include "app/menu.h"
#include "direct_qt_window.h"
#include "framework/runtime.h"
#include "mainwindow/finestra1.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// The number with the longest office list (twenty rows).
constexpr const char* kNumber = "70123456";

// Counts paint events anywhere in the application.
class PaintWatch : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

PaintWatch* g_watch = nullptr;

// Runs events until at least one paint happened: the first frame (or the repaint after a change) is done
// when processEvents returns, since the widgets of one frame are painted in one go.
void WaitForPaint() {
    const int before = g_watch->paints;
    QElapsedTimer guard;
    guard.start();
    while (g_watch->paints == before) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (guard.elapsed() > 5000) {
            std::fprintf(stderr, "bench_mainwindow: no paint within 5 s\n");
            std::exit(2);
        }
    }
}

void DrainDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

DirectQtTexts Texts() {
    auto q = [](const fw::Text& t) { return QString::fromStdString(t); };
    return DirectQtTexts{q(Localize::nomefin()),     q(Localize::matrAzi()),      q(Localize::calcCCodice()),
                         q(Localize::contrmatazi()), q(Localize::sediinpscorr()), q(Localize::Arch()),
                         q(Localize::About()),       q(Localize::Esci()),         q(Localize::Compos()),
                         q(Localize::Annulla()),     q(Localize::Taglia()),       q(Localize::Copia()),
                         q(Localize::Incolla()),     q(Localize::Cancella())};
}

using Clock = std::chrono::steady_clock;

void BM_Build_Framework(benchmark::State& state) {
    for (auto _ : state) {
        const auto start = Clock::now();
        fw::Ref<Finestra1> w = implicit::Finestra1();
        WaitForPaint();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        w->Close();
        w = nullptr;
        DrainDeletes();
    }
}

DirectQtWindow::List ListOf(const benchmark::State& state) {
    return state.range(0) == 0 ? DirectQtWindow::List::ListWidget : DirectQtWindow::List::TreeWidget;
}

// Arg 0: the office list as a QListWidget; 1: as a QTreeWidget, the framework's own widget for lists.
void BM_Build_DirectQt(benchmark::State& state) {
    const DirectQtTexts texts = Texts();
    for (auto _ : state) {
        const auto start = Clock::now();
        auto* w = new DirectQtWindow(texts, ListOf(state));
        w->show();
        WaitForPaint();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        delete w;
        DrainDeletes();
    }
}

// Arg 0: the press alone (result text, refill, sort); 1: the press and the repaint it causes.
void BM_Press_Framework(benchmark::State& state) {
    fw::Ref<Finestra1> w = implicit::Finestra1();
    WaitForPaint();
    w->EditField1()->SetText(kNumber);
    w->PushButton1()->SetEnabled(true);
    const bool withPaint = state.range(0) != 0;
    for (auto _ : state) {
        w->PushButton1()->Push();
        if (withPaint)
            WaitForPaint();
    }
    if (w->ARListBox1()->ListCount() != 20)
        state.SkipWithError("the press did not fill the list");
    w->Close();
    w = nullptr;
    DrainDeletes();
}

// Arg 0 or 1 as for the build; the second argument as for BM_Press_Framework.
void BM_Press_DirectQt(benchmark::State& state) {
    auto w = std::make_unique<DirectQtWindow>(Texts(), ListOf(state));
    w->show();
    WaitForPaint();
    w->Field()->setText(kNumber);
    const bool withPaint = state.range(1) != 0;
    for (auto _ : state) {
        w->Button()->click();
        if (withPaint)
            WaitForPaint();
    }
    if (w->OfficeCount() != 20)
        state.SkipWithError("the press did not fill the list");
    w.reset();
    DrainDeletes();
}

BENCHMARK(BM_Build_Framework)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Build_DirectQt)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Press_Framework)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(0.3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Press_DirectQt)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(0.3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Keeps each benchmark's median time so the pairs can be set side by side at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, std::pair<double, double>> times; // real, CPU
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median" && !r.error_occurred)
                times[r.run_name.str()] = {r.GetAdjustedRealTime(), r.GetAdjustedCPUTime()};
        ConsoleReporter::ReportRuns(runs);
    }
};

long PeakOfChild(const char* self, const char* side) {
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        execl(self, self, side, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    char buf[64] = {};
    const ssize_t n = read(fds[0], buf, sizeof buf - 1);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (n <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return std::strtol(buf, nullptr, 10);
}

long PeakRssKiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// One side alone: the window built and painted once, as a user sees it at start.
int PeakRun(bool framework) {
    if (framework) {
        fw::RuntimeInit();
        fw::RuntimeInitExternalClasses();
        PaintWatch watch;
        g_watch = &watch;
        qApp->installEventFilter(&watch);
        fw::Ref<Finestra1> w = implicit::Finestra1();
        WaitForPaint();
        std::printf("%ld\n", PeakRssKiB());
        std::fflush(stdout);
        std::_Exit(0); // measured; tearing down is not
    }
    int argc = 1;
    char name[] = "bench_mainwindow";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    PaintWatch watch;
    g_watch = &watch;
    app.installEventFilter(&watch);
    // The same texts as the framework's window shows (their Italian defaults).
    DirectQtTexts t{"Morvalit DL",
                    "Matricola Azienda",
                    "Calcola Contro Codice",
                    "Controllo Matricola Azienda",
                    "Sedi INPS corrispondenti",
                    "Archivio",
                    "Info su Morvalit",
                    "Esci",
                    "Composizione",
                    "Annulla",
                    "Taglia",
                    "Copia",
                    "Incolla",
                    "Cancella"};
    DirectQtWindow w(t);
    w.show();
    WaitForPaint();
    std::printf("%ld\n", PeakRssKiB());
    std::fflush(stdout);
    std::_Exit(0);
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (argc == 2 && std::strncmp(argv[1], "--peak=", 7) == 0)
        return PeakRun(std::strcmp(argv[1] + 7, "fw") == 0);

    fw::RuntimeInit();
    fw::RuntimeInitExternalClasses();
    PaintWatch watch;
    g_watch = &watch;
    qApp->installEventFilter(&watch);

    // Repetitions of the two sides interleave, so that a busy machine weighs on both alike.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    // Runs are named after their function and argument, then the run's options ("/min_time:...").
    auto timeOf = [&](const std::string& prefix) {
        for (const auto& [name, time] : reporter.times)
            if (name == prefix || name.rfind(prefix + "/", 0) == 0)
                return time;
        return std::pair<double, double>{-1.0, -1.0};
    };
    // Wall time is what the user waits for; CPU time is steadier on a busy machine.
    auto ratio = [&](const char* what, const std::string& ours, const std::string& theirs) {
        const auto [ourReal, ourCpu] = timeOf(ours);
        const auto [theirReal, theirCpu] = timeOf(theirs);
        if (ourReal > 0 && theirReal > 0 && theirCpu > 0)
            std::printf("  %-22s wall %.3fx   CPU %.3fx\n", what, ourReal / theirReal, ourCpu / theirCpu);
    };
    std::printf("\nframework / direct Qt (goal: at most 1.15x-1.2x)\n");
    ratio("build + first frame", "BM_Build_Framework", "BM_Build_DirectQt/0");
    ratio("press", "BM_Press_Framework/0", "BM_Press_DirectQt/0/0");
    ratio("press + repaint", "BM_Press_Framework/1", "BM_Press_DirectQt/0/1");
    std::printf("framework / direct Qt with a QTreeWidget list, the framework's own widget\n");
    ratio("build + first frame", "BM_Build_Framework", "BM_Build_DirectQt/1");
    ratio("press", "BM_Press_Framework/0", "BM_Press_DirectQt/1/0");
    ratio("press + repaint", "BM_Press_Framework/1", "BM_Press_DirectQt/1/1");

    const long fwPeak = PeakOfChild(argv[0], "--peak=fw");
    const long qtPeak = PeakOfChild(argv[0], "--peak=qt");
    std::printf("\npeak RSS up to the first frame: framework %ld KiB, direct Qt %ld KiB, difference %ld KiB "
                "(goal: at most 2048)\n",
                fwPeak, qtPeak, fwPeak - qtPeak);
    benchmark::Shutdown();
    // The shared menu bar goes while Qt is still whole, as at the program's shut-down.
    Menu::Exit();
    fw::RuntimeReleaseModules();
    return fwPeak < 0 || qtPeak < 0 ? 1 : 0;
}
