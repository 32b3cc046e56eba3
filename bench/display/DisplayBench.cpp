// SPDX-License-Identifier: GPL-3.0-or-later
// The board display's speed, each figure beside a reference measured in the same run:
//  - laying out a "2 x 2" puzzle of four 6000 x 4000 JPEG photos for a 1920 x 1080 screen,
//    beside `djpeg -scale 1/4` decoding the same four files one after another (and beside a
//    full-size decode followed by a rescale, the path the layout avoids);
//  - a swap on a 50 x 40 board at 1920 x 1080 (the two cells redrawn), beside two bare copies
//    of the same two cells between two images;
//  - a full repaint of that board (to the window), beside one full-frame copy;
//  - the peak memory of a process that lays the photos out, beside djpeg's.
// The photos are made on the first run and kept in $TMPDIR/tessary-bench-photos.
#include "board/BoardCanvas.h"
#include "board/BoardPreparation.h"
#include "pictures/BasePicture.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tessary {
namespace {

constexpr int kPhotoW = 6000;
constexpr int kPhotoH = 4000;
constexpr ScreenRoom kScreen{1920, 1080, 8, 46};

// Smooth colour gradients, a few discs and a little grain: compresses like a photo.
QImage makePhoto(int seed) {
    QImage image(kPhotoW, kPhotoH, QImage::Format_RGB32);
    quint32 state = 2463534242u + quint32(seed) * 7919u;
    for (int y = 0; y < kPhotoH; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kPhotoW; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int grain = int(state & 15) - 8;
            const int r = (x * 255 / kPhotoW + seed * 60 + grain) & 255;
            const int g = (y * 255 / kPhotoH + grain) & 255;
            const int b = ((x + y) * 255 / (kPhotoW + kPhotoH) + seed * 30 + grain) & 255;
            line[x] = qRgb(r, g, b);
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 12; ++i) {
        p.setBrush(QColor::fromHsv((i * 37 + seed * 90) % 360, 160, 220));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPoint((i * 1373 + seed * 500) % kPhotoW, (i * 911 + seed * 300) % kPhotoH),
                      300 + i * 40, 250 + i * 30);
    }
    return image;
}

const std::vector<QString>& photos() {
    static const std::vector<QString> files = [] {
        QDir dir(QDir::temp().filePath("tessary-bench-photos"));
        dir.mkpath(".");
        std::vector<QString> out;
        for (int k = 1; k <= 4; ++k) {
            const QString path = dir.filePath(QStringLiteral("photo%1.jpg").arg(k));
            if (!QFileInfo::exists(path)) {
                std::fprintf(stderr, "making %s\n", qPrintable(path));
                QImageWriter writer(path, "JPEG");
                writer.setQuality(90);
                writer.write(makePhoto(k));
            }
            out.push_back(path);
        }
        return out;
    }();
    return files;
}

LayoutRequest photoRequest() {
    LayoutRequest r;
    r.puzType = kTwoByTwo;
    r.imgAcross = 10;
    r.imgDown = 10;
    r.fitMode = 1;
    for (std::size_t k = 0; k < 4; ++k)
        r.files[k] = photos()[k].toStdString();
    r.room = kScreen;
    r.smallPictureSize = QSize(100, 75);
    return r;
}

// Runs a program; gives its exit status and, when asked, its first line of output (otherwise
// the output is thrown away).
int runProgram(const std::vector<std::string>& args, std::string* firstLine = nullptr) {
    int pipeFds[2] = {-1, -1};
    if (firstLine && pipe(pipeFds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (firstLine) {
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    }
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (firstLine) {
        close(pipeFds[1]);
        char buffer[256];
        ssize_t n = 0;
        while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
            firstLine->append(buffer, std::size_t(n));
        close(pipeFds[0]);
    }
    if (spawned != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

void BM_Layout2x2Photos(benchmark::State& state) {
    const LayoutRequest r = photoRequest();
    for (auto _ : state) {
        auto result = prepareBoard(r);
        if (!std::holds_alternative<PreparedBoard>(result))
            state.SkipWithError("the photos could not be laid out");
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_Layout2x2Photos)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_DjpegQuarter4Photos(benchmark::State& state) {
    photos();
    for (auto _ : state)
        for (const QString& f : photos()) {
            if (runProgram({"djpeg", "-scale", "1/4", f.toStdString()}) != 0)
                state.SkipWithError("djpeg failed");
        }
}
BENCHMARK(BM_DjpegQuarter4Photos)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// The path to avoid: every photo decoded at full size, then scaled to its block.
void BM_FullDecodeThenScale4Photos(benchmark::State& state) {
    for (auto _ : state)
        for (const QString& f : photos()) {
            QImage full(f);
            benchmark::DoNotOptimize(
                full.scaled(730, 480, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
}
BENCHMARK(BM_FullDecodeThenScale4Photos)->Unit(benchmark::kMillisecond)->UseRealTime();

// A 50 x 40 board of 38 x 27 pieces on a 1920 x 1080 picture, shuffled.
struct BigBoard {
    GameState state;
    BasePicture basePic;
    BoardCanvas canvas{state, basePic};

    BigBoard() {
        state.board.boardAcross = 50;
        state.board.boardDown = 40;
        state.board.pieceW = 38;
        state.board.pieceH = 27;
        QImage base(1920, 1080, QImage::Format_RGB32);
        for (int y = 0; y < base.height(); ++y)
            for (int x = 0; x < base.width(); ++x)
                base.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
        basePic.setPicture(base);
        canvas.resetBoard(base.size());
        for (int c = 1; c <= 50; ++c)
            for (int r = 1; r <= 40; ++r) {
                const GridPos home{int16_t((c * 7) % 50 + 1), int16_t((r * 3) % 40 + 1)};
                state.pieceAt(c, r) = home;
                state.cellOf.at(home) = GridPos{int16_t(c), int16_t(r)};
            }
        canvas.show();
        QApplication::processEvents();
    }

    void exchange(GridPos a, GridPos b) {
        std::swap(state.pieceAt(a.x, a.y), state.pieceAt(b.x, b.y));
        state.cellOf.at(state.pieceAt(a.x, a.y)) = a;
        state.cellOf.at(state.pieceAt(b.x, b.y)) = b;
    }
};

// The two cells of the i-th swap: one sweeping the board, one far away.
std::pair<GridPos, GridPos> swapCells(int i) {
    return {GridPos{int16_t(i % 50 + 1), int16_t(i / 50 % 40 + 1)},
            GridPos{int16_t((i * 13) % 50 + 1), int16_t((i * 7) % 40 + 1)}};
}

// The two cells of a swap redrawn, the selection's dotted outline on one of them. Only the
// drawing is timed; the screen is brought up to date after each swap, as the event loop would.
void swapLoop(benchmark::State& state, bool showMisplaced) {
    BigBoard board;
    board.state.play.showMisplaced = showMisplaced;
    int i = 0;
    for (auto _ : state) {
        const auto [a, b] = swapCells(i++);
        const auto start = std::chrono::steady_clock::now();
        board.state.play.selX = a.x;
        board.state.play.selY = a.y;
        board.exchange(a, b);
        board.canvas.drawCell(a.x, a.y);
        board.canvas.drawCell(b.x, b.y);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        QApplication::processEvents();
    }
}
void BM_Swap50x40(benchmark::State& state) {
    swapLoop(state, false);
}
BENCHMARK(BM_Swap50x40)->Unit(benchmark::kMicrosecond)->UseManualTime();
void BM_Swap50x40ShowingMisplaced(benchmark::State& state) {
    swapLoop(state, true);
}
BENCHMARK(BM_Swap50x40ShowingMisplaced)->Unit(benchmark::kMicrosecond)->UseManualTime();

// The same two cells of each swap, each copied bare from its piece's place in the picture to
// its own place in a board-sized image: the same memory a swap touches, and nothing else. The
// board's window is brought up to date after each, as after a swap, so the caches are alike.
void BM_TwoBareCellCopies(benchmark::State& state) {
    BigBoard board;
    QImage target(1920, 1080, QImage::Format_RGB32);
    target.fill(Qt::white);
    const QImage& source = board.basePic.picture();
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    auto copy = [&](GridPos cell) {
        const GridPos piece = board.state.pieceAt(cell.x, cell.y);
        p.drawImage(QPoint((cell.x - 1) * 38, (cell.y - 1) * 27), source,
                    QRect((piece.x - 1) * 38, (piece.y - 1) * 27, 38, 27));
    };
    int i = 0;
    for (auto _ : state) {
        const auto [a, b] = swapCells(i++);
        const auto start = std::chrono::steady_clock::now();
        board.exchange(a, b);
        copy(a);
        copy(b);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        board.canvas.update(QRect((a.x - 1) * 38, (a.y - 1) * 27, 38, 27));
        board.canvas.update(QRect((b.x - 1) * 38, (b.y - 1) * 27, 38, 27));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_TwoBareCellCopies)->Unit(benchmark::kMicrosecond)->UseManualTime();

// The game's full repaint: Picture1_Paint, then the paint it asks for, which puts the whole
// board on the window.
void BM_Picture1Paint50x40(benchmark::State& state) {
    BigBoard board;
    board.state.play.selX = 3;
    board.state.play.selY = 4;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        board.canvas.Picture1_Paint();
        board.canvas.repaint();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        QApplication::processEvents();
    }
}
BENCHMARK(BM_Picture1Paint50x40)->Unit(benchmark::kMicrosecond)->UseManualTime();

void BM_FullFrameCopy(benchmark::State& state) {
    BigBoard board;
    QImage target(1920, 1080, QImage::Format_RGB32);
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (auto _ : state)
        p.drawImage(QPoint(0, 0), board.basePic.picture());
}
BENCHMARK(BM_FullFrameCopy)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's time per iteration so the figures can be set beside their references.
class FigureReporter : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, double> seconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0)
                seconds[run.benchmark_name()] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
    }
};

void printRatio(const FigureReporter& r, const char* what, const std::string& measured,
                const std::string& reference, double target) {
    // Benchmark names carry their options after a '/'.
    auto find = [&](const std::string& name) {
        for (const auto& [full, s] : r.seconds)
            if (full == name || full.rfind(name + "/", 0) == 0)
                return s;
        return 0.0;
    };
    const double m = find(measured);
    const double ref = find(reference);
    if (m <= 0 || ref <= 0)
        return;
    std::printf("%-44s %10.4f ms beside %10.4f ms: ratio %6.2f (target at most %.2f)\n", what,
                m * 1e3, ref * 1e3, m / ref, target);
}

// Peak resident memory of a fresh process doing one thing, in MB. The child reports it itself:
// a process started from this one would otherwise inherit this one's high-water mark.
double peakMegabytes(const std::vector<std::string>& args) {
    std::string line;
    if (runProgram(args, &line) != 0)
        return -1;
    return std::atof(line.c_str()) / 1024.0;
}

void printMemory(const std::string& self) {
    const double idle = peakMegabytes({self, "--peak", "idle"});
    const double layout = peakMegabytes({self, "--peak", "layout"});
    const double full = peakMegabytes({self, "--peak", "full"});
    double djpeg = 0;
    for (const QString& f : photos())
        djpeg = std::max(djpeg, peakMegabytes({self, "--peak", "djpeg", f.toStdString()}));
    std::printf("peak memory, one layout of the four photos:   %7.1f MB (target under 150)\n",
                layout);
    std::printf("  the same program doing no layout:            %7.1f MB\n", idle);
    std::printf("  full-size decode then scale instead:         %7.1f MB\n", full);
    std::printf("  djpeg -scale 1/4 of one photo (largest):     %7.1f MB\n", djpeg);
}

// This process's own peak resident memory in kB (VmHWM starts afresh with each program).
long ownPeakKilobytes() {
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, status))
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            kb = std::atol(line + 6);
    std::fclose(status);
    return kb;
}

// The children of the memory figures. "djpeg FILE" runs djpeg from this small process (no Qt
// yet) and reports the larger of the two high-water marks, which is djpeg's.
int peakChild(int argc, char** argv) {
    const std::string what = argv[2];
    if (what == "djpeg" && argc == 4) {
        const pid_t pid = fork();
        if (pid == 0) {
            const int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, 1);
            execlp("djpeg", "djpeg", "-scale", "1/4", argv[3], static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        std::printf("%ld\n", usage.ru_maxrss);
        return status == 0 ? 0 : 1;
    }
    QApplication app(argc, argv);
    if (what == "layout" && !std::holds_alternative<PreparedBoard>(prepareBoard(photoRequest())))
        return 1;
    if (what == "full")
        for (const QString& f : photos())
            benchmark::DoNotOptimize(
                QImage(f).scaled(730, 480, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    std::printf("%ld\n", ownPeakKilobytes());
    return 0;
}

} // namespace
} // namespace tessary

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 3 && std::strcmp(argv[1], "--peak") == 0)
        return tessary::peakChild(argc, argv);
    QApplication app(argc, argv);

    tessary::photos();
    benchmark::Initialize(&argc, argv);
    tessary::FigureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n");
    tessary::printRatio(reporter, "layout of 4 photos vs djpeg -scale 1/4 x4", "BM_Layout2x2Photos",
                        "BM_DjpegQuarter4Photos", 1.0);
    tessary::printRatio(reporter, "full decode + scale x4 vs djpeg -scale 1/4 x4",
                        "BM_FullDecodeThenScale4Photos", "BM_DjpegQuarter4Photos", 1.0);
    tessary::printRatio(reporter, "swap (two drawCells) vs two bare copies", "BM_Swap50x40",
                        "BM_TwoBareCellCopies", 1.25);
    tessary::printRatio(reporter, "swap showing misplaced vs two bare copies",
                        "BM_Swap50x40ShowingMisplaced", "BM_TwoBareCellCopies", 5.0);
    tessary::printRatio(reporter, "full repaint vs one full-frame copy", "BM_Picture1Paint50x40",
                        "BM_FullFrameCopy", 1.5);
    if (reporter.seconds.count("BM_Layout2x2Photos/min_time:3.000/real_time"))
        tessary::printMemory(QCoreApplication::applicationFilePath().toStdString());
    return 0;
}
