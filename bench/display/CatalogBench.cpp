// SPDX-License-Identifier: GPL-3.0-or-later
// The image catalogue's speed on a folder of 1000 photos (1024 x 768 JPEGs, made on the first
// run and kept in $TMPDIR/tessary-bench-catalog):
//  - opening the catalogue on the folder, to the grid filled with its names;
//  - the first 50 thumbnails in, with an empty thumbnail cache (each decoded at 128 pixels and
//    stored) and with the cache already holding them.
#include "dialogs/ImageCatalog.h"
#include "pictures/ThumbnailLoader.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QThread>
#include <QThreadPool>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace tessary {
namespace {

constexpr int kPictures = 1000;
constexpr int kFirst = 50;

QString photoFolder() {
    return QDir::temp().filePath(QStringLiteral("tessary-bench-catalog/photos"));
}

QString cacheFolder() {
    return QDir::temp().filePath(QStringLiteral("tessary-bench-catalog/thumbnails"));
}

// Gradients and a disc, different in each photo: decodes like a photo of its size.
QImage makePhoto(int seed) {
    QImage image(1024, 768, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb((x / 4 + seed) & 255, (y / 3 + seed * 7) & 255, ((x + y) / 7) & 255);
    }
    QPainter p(&image);
    p.setBrush(QColor::fromHsv(seed * 37 % 360, 180, 230));
    p.drawEllipse(QPoint(seed * 13 % 1024, seed * 29 % 768), 150, 120);
    return image;
}

const QStringList& photos() {
    static const QStringList files = [] {
        QDir dir(photoFolder());
        dir.mkpath(QStringLiteral("."));
        QStringList out;
        for (int k = 0; k < kPictures; ++k) {
            const QString path =
                dir.filePath(QStringLiteral("photo-%1.jpg").arg(k, 4, 10, QChar('0')));
            if (!QFileInfo::exists(path))
                makePhoto(k).save(path, "JPEG", 85);
            out << path;
        }
        return out;
    }();
    return files;
}

// The time from asking for the folder's thumbnails until the first kFirst are in.
double firstThumbnailsSeconds(const QString& cache) {
    ThumbnailLoader loader{ThumbnailCache(cache), std::clamp(QThread::idealThreadCount(), 1, 4)};
    QEventLoop loop;
    int arrived = 0;
    QObject::connect(&loader, &ThumbnailLoader::ready, &loop, [&] {
        if (++arrived == kFirst)
            loop.quit();
    });
    const auto start = std::chrono::steady_clock::now();
    loader.load(photos());
    loop.exec();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

// What the loader left running finishes before the next measurement starts.
void settle() {
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
}

void BM_OpenCatalogueOn1000Photos(benchmark::State& state) {
    photos();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        ImageCatalog catalog(CatalogPlaces{photoFolder(), {}, cacheFolder().toStdString()},
                             ThumbnailCache(cacheFolder()));
        benchmark::DoNotOptimize(catalog.pictureGrid().count());
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        settle();
    }
}
BENCHMARK(BM_OpenCatalogueOn1000Photos)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_First50ThumbnailsCold(benchmark::State& state) {
    photos();
    for (auto _ : state) {
        QDir(cacheFolder()).removeRecursively();
        state.SetIterationTime(firstThumbnailsSeconds(cacheFolder()));
        settle();
    }
}
BENCHMARK(BM_First50ThumbnailsCold)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

void BM_First50ThumbnailsCached(benchmark::State& state) {
    photos();
    QDir(cacheFolder()).removeRecursively();
    firstThumbnailsSeconds(cacheFolder());
    settle();
    for (auto _ : state) {
        state.SetIterationTime(firstThumbnailsSeconds(cacheFolder()));
        settle();
    }
}
BENCHMARK(BM_First50ThumbnailsCached)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);

} // namespace
} // namespace tessary

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
