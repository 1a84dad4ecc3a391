// Start-up and board drawing of the main window. Prints, besides the benchmark table, the time
// from process start to the first main window shown (the splash left out), for this program's
// window and for a bare Qt main window of the same size, each started as a process of its own.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QProcess>
#include <QWindow>
#include <QElapsedTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <fstream>
#include <vector>
#include <string>
#include <time.h>
#include <unistd.h>

#include "app/CardSetFileType.h"
#include "app/ui/DeferredIconStyle.h"
#include "app/ui/MainWindow.h"
#include "app/ui/ZoomControl.h"
#include "tools/cardart/ShippedSets.h"
#include "tools/support/TempFolder.h"
#include "widgets/Modal.h"

namespace {

// Leaves the splash out of the figures.
class NoSplash : public velmora::ModalRunner {
public:
    int Run(QDialog&) override { return QDialog::Rejected; }
};

struct Folder {
    Folder() {
        std::filesystem::create_directories(path / "data");
        setenv("XDG_DATA_HOME", (path / "data").c_str(), 1);
    }
    velmora::testing::TempFolder scratch{"velmora-bench"};
    std::filesystem::path path = scratch.Path();
};

// Milliseconds since this process started, from its start time in /proc.
double MillisecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string field;
    for (int i = 0; i < 22 && stat >> field; ++i) {
    }
    const double startSeconds = std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9 - startSeconds) * 1000.0;
}

void ShowAndSettle(velmora::MainWindow& window) {
    window.show();
    QApplication::processEvents();
}

// A start after the first: the file type is registered already.
void BM_MainWindowShown(benchmark::State& state) {
    Folder folder;
    { velmora::MainWindow first{folder.path}; }
    for (auto _ : state) {
        velmora::MainWindow window{folder.path};
        ShowAndSettle(window);
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond);

// A window over a folder holding the shipped sets, with two players set up for a Fanatic game.
struct FanaticSetUp {
    FanaticSetUp() : window(folder.path) {
        velmora::cardart::WriteShippedSets(folder.path);
        const velmora::TPlayerRecord players[] = {velmora::MakePlayerRecord("Ann", "", false, true, 5),
                                                  velmora::MakePlayerRecord("Bob", "", false, true, 5)};
        window.CurrentGame().SetGamePlayers(players);
        window.CurrentGame().SetFormat(3);
    }
    void LoadDefaultSet() { window.CurrentGame().ComputeBoardOrigin(window.LoadGameCardSet("Default.cst")); }
    Folder folder;
    velmora::MainWindow window;
};

// Reading Default.cst in full with its background, then drawing the board with it.
void BM_LoadDefaultSetAndDraw(benchmark::State& state) {
    FanaticSetUp setUp;
    for (auto _ : state) {
        setUp.LoadDefaultSet();
        setUp.window.DrawBoard();
        benchmark::DoNotOptimize(setUp.window.BoardBuffer().constBits());
    }
}
BENCHMARK(BM_LoadDefaultSetAndDraw)->Unit(benchmark::kMillisecond);

void BM_DrawFanaticBoard(benchmark::State& state) {
    FanaticSetUp setUp;
    setUp.LoadDefaultSet();
    setUp.window.CurrentGame().StartGame();
    for (auto _ : state) {
        setUp.window.DrawBoard();
        benchmark::DoNotOptimize(setUp.window.BoardBuffer().constBits());
    }
}
BENCHMARK(BM_DrawFanaticBoard)->Unit(benchmark::kMillisecond);

// One frame of the blink at a zoom: the board composed at the zoomed size and painted on the
// window's backing store. Full screen on a 1920 x 1080 screen is a window of that size fitted.
void DrawZoomedFanaticBoard(benchmark::State& state, velmora::Zoom zoom, QSize window) {
    FanaticSetUp setUp;
    setUp.window.show();
    QApplication::processEvents();
    if (window.isValid()) setUp.window.resize(window);
    setUp.window.Zooming().Choose(zoom);
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    setUp.LoadDefaultSet();
    setUp.window.CurrentGame().StartGame();
    auto* board = setUp.window.findChild<QWidget*>("PaintBox1");
    setUp.window.DrawBoard();
    for (auto _ : state) {
        setUp.window.DrawBoard();
        board->repaint();
        benchmark::DoNotOptimize(setUp.window.BoardBuffer().constBits());
    }
    state.SetLabel(std::to_string(setUp.window.BoardBuffer().width()) + "x" +
                   std::to_string(setUp.window.BoardBuffer().height()));
    setUp.window.hide();
}
BENCHMARK_CAPTURE(DrawZoomedFanaticBoard, 100, velmora::Zoom::Percent100, QSize())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawZoomedFanaticBoard, 200, velmora::Zoom::Percent200, QSize())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawZoomedFanaticBoard, fullscreen1920x1080, velmora::Zoom::Fit, QSize(1920, 1080))
    ->Unit(benchmark::kMillisecond);

// Catches the main window's first expose, lets the window paint and flush its first frame, and
// notes the time then: the moment the user sees the window.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(QWidget& window) : window_(window) { qApp->installEventFilter(this); }
    ~FirstFrame() override { qApp->removeEventFilter(this); }

    // Shows the window and returns the milliseconds from process start to its first frame.
    double Show() {
        window_.show();
        for (int round = 0; round < 100 && shownAt_ < 0; ++round) QApplication::processEvents();
        return shownAt_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (shownAt_ >= 0 || event->type() != QEvent::Expose || watched != static_cast<QObject*>(window_.windowHandle())) return false;
        watched->event(event);
        if (window_.windowHandle()->isExposed()) shownAt_ = MillisecondsSinceProcessStart();
        return true;
    }

private:
    QWidget& window_;
    double shownAt_ = -1;
};

// One start-up per process, so that each pays for loading the libraries as a real start does.
// The child prints its time and its window's size on one line. The program's window starts over
// programFolder, which the parent made ready as a start after the first finds it: made, with the
// file type registered; making it is not part of the start.
int StartUpChild(const std::string& kind, QSize size, const std::filesystem::path& programFolder) {
    if (kind == "bare") {
        QMainWindow window;
        window.resize(size);
        const double shown = FirstFrame(window).Show();
        std::printf("%.2f %dx%d\n", shown, window.width(), window.height());
        return 0;
    }
    NoSplash noSplash;
    velmora::ModalRunner::Install(&noSplash);
    velmora::UseDeferredIconStyle();  // as the program's main does
    {
        velmora::MainWindow window{programFolder};
        const double shown = FirstFrame(window).Show();
        std::printf("%.2f %dx%d\n", shown, window.width(), window.height());
    }
    velmora::ModalRunner::Install(nullptr);
    return 0;
}

struct StartUp {
    double milliseconds = 0;
    QSize size;
};

StartUp RunStartUpChild(const QString& program, const QString& kind, QSize size, const std::filesystem::path& folder) {
    QProcess child;
    child.start(program, {"--start-up=" + kind, QString::number(size.width()), QString::number(size.height()),
                          QString::fromStdString(folder.string())});
    child.waitForFinished(30000);
    const QStringList fields = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed().split(' ');
    if (fields.size() != 2) return {};
    const QStringList sides = fields[1].split('x');
    return {fields[0].toDouble(), QSize(sides.value(0).toInt(), sides.value(1).toInt())};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Starts the program's window and the bare one in turn, so that both see the same load.
void PrintStartUps(const QString& program) {
    constexpr int Repetitions = 21;
    Folder folder;  // the children inherit its data folder
    velmora::RegisterCardSetFileType(velmora::UserDataFolder(), "icon");
    const QSize size = RunStartUpChild(program, "velmora", {}, folder.path).size;  // and warms the file cache
    std::vector<double> velmora, bare;
    for (int i = 0; i < Repetitions; ++i) {
        velmora.push_back(RunStartUpChild(program, "velmora", size, folder.path).milliseconds);
        bare.push_back(RunStartUpChild(program, "bare", size, folder.path).milliseconds);
    }
    const double own = Median(velmora), plain = Median(bare);
    std::printf("process start to main window shown, medians of %d (window %dx%d):\n", Repetitions, size.width(),
                size.height());
    std::printf("  Velmora %.1f ms, bare Qt main window %.1f ms, ratio %.2fx (target at most 1.5x)\n", own, plain,
                plain > 0 ? own / plain : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::string startUpFlag = "--start-up=";
    if (argc == 5 && std::string(argv[1]).starts_with(startUpFlag)) {
        QApplication app(argc, argv);
        return StartUpChild(std::string(argv[1]).substr(startUpFlag.size()), QSize(std::atoi(argv[2]), std::atoi(argv[3])),
                            argv[4]);
    }
    QApplication app(argc, argv);
    PrintStartUps(QCoreApplication::applicationFilePath());
    NoSplash noSplash;
    velmora::ModalRunner::Install(&noSplash);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    velmora::ModalRunner::Install(nullptr);
    return 0;
}
