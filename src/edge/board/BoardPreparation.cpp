// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardPreparation.h"

#include "board/BoardCanvas.h"
#include "board/BoardColors.h"
#include "pictures/BasePicture.h"
#include "pictures/DevicePixels.h"
#include "pictures/PictureFile.h"

#include <QDir>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>

namespace tessary {

namespace {

// Runs task(0..count-1) on as many threads as there are cores (the calling one included).
void runInParallel(int count, const std::function<void(int)>& task) {
    std::atomic<int> next{0};
    auto worker = [&] {
        for (int k = next++; k < count; k = next++)
            task(k);
    };
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::thread> helpers;
    for (int i = 1; i < std::min(count, cores); ++i)
        helpers.emplace_back(worker);
    worker();
    for (std::thread& t : helpers)
        t.join();
}

// Copies a block-sized RGB32 picture into the base image's rows. Blocks never overlap, so
// the images of one board can be copied in at the same time.
void copyIntoBase(const QImage& picture, uchar* baseBits, qsizetype baseStride, QRect block) {
    const auto rowBytes = static_cast<std::size_t>(block.width()) * 4;
    for (int y = 0; y < block.height(); ++y)
        std::memcpy(baseBits + (block.y() + y) * baseStride + qsizetype(block.x()) * 4,
                    picture.constScanLine(y), rowBytes);
}

LoadFailure unreadable(const std::string& file) {
    return LoadFailure{LoadFailure::Reason::Unreadable, file};
}

} // namespace

LayoutRequest LayoutRequest::fromPuzzle(const PuzzleDescription& puzzle, const ScreenRoom& room,
                                        QSize smallPictureSize, double devicePixelRatio) {
    LayoutRequest r;
    r.puzType = puzzle.puzType;
    r.imgAcross = puzzle.imgAcross;
    r.imgDown = puzzle.imgDown;
    r.fitMode = puzzle.fitMode;
    for (std::size_t k = 0; k < r.files.size(); ++k)
        r.files[k] = puzzle.puzFile[k + 1];
    r.room = room;
    r.smallPictureSize = smallPictureSize;
    r.devicePixelRatio = devicePixelRatio;
    return r;
}

std::variant<PreparedBoard, LoadFailure> prepareBoard(const LayoutRequest& request) {
    const int count = request.puzType;
    if (count < kSingle || count > kTwoByTwo)
        return LoadFailure{LoadFailure::Reason::BadPuzzle, {}};
    std::array<QString, 4> paths;
    for (int k = 0; k < count; ++k)
        paths[std::size_t(k)] = QString::fromStdString(request.files[std::size_t(k)]);

    // Image 1's size decides the whole layout; the other images only fill their blocks.
    const std::optional<PictureInfo> first = probePicture(paths[0]);
    if (!first)
        return unreadable(request.files[0]);
    LayoutInput in;
    in.puzType = count;
    in.imgAcross = request.imgAcross;
    in.imgDown = request.imgDown;
    in.firstImageW = first->upright.width();
    in.firstImageH = first->upright.height();
    in.room = request.room;
    const auto laid = layoutBoard(in);
    if (const auto* problem = std::get_if<LayoutProblem>(&laid)) {
        if (*problem == LayoutProblem::PictureTooSmall)
            return LoadFailure{LoadFailure::Reason::PictureTooSmall, request.files[0],
                               request.imgAcross, request.imgDown};
        return LoadFailure{*problem == LayoutProblem::NoRoom ? LoadFailure::Reason::NoRoom
                                                             : LoadFailure::Reason::BadPuzzle,
                           {}};
    }

    PreparedBoard board;
    board.layout = std::get<BoardLayout>(laid);
    // The pictures are decoded and composed at the screen's own pixels; the board's numbers
    // stay in logical pixels.
    const double ratio = request.devicePixelRatio > 0 ? request.devicePixelRatio : 1.0;
    board.base =
        QImage(toDevicePixels(QRect(0, 0, board.layout.boardW, board.layout.boardH), ratio).size(),
               QImage::Format_RGB32);
    if (board.base.isNull())
        return LoadFailure{LoadFailure::Reason::NoRoom, {}};
    board.base.fill(boardColors::background());
    uchar* baseBits = board.base.bits();
    const qsizetype baseStride = board.base.bytesPerLine();
    const bool cropped = request.fitMode == kCropped;

    JpegDamageWatch watch;
    std::array<bool, 4> loaded{};
    runInParallel(count, [&](int k) {
        try {
            const auto ks = std::size_t(k);
            const std::optional<PictureInfo> info = k == 0 ? first : probePicture(paths[ks]);
            if (!info)
                return;
            const BlockRect logical = board.layout.blocks[ks];
            const QRect block =
                toDevicePixels(QRect(logical.x, logical.y, logical.w, logical.h), ratio);
            const QImage picture = decodePicture(paths[ks], *info, block.size(), cropped);
            if (picture.isNull())
                return;
            copyIntoBase(picture, baseBits, baseStride, block);
            loaded[ks] = true;
        } catch (const std::bad_alloc&) {
            // left unloaded: reported below like any other unreadable picture
        }
    });
    for (int k = 0; k < count; ++k)
        if (!loaded[std::size_t(k)])
            return unreadable(request.files[std::size_t(k)]);

    if (!request.smallPictureSize.isEmpty())
        board.smallPicture = board.base.scaled(request.smallPictureSize, Qt::IgnoreAspectRatio,
                                               Qt::SmoothTransformation);
    board.base.setDevicePixelRatio(ratio);
    return board;
}

QString loadFailureMessage(const LoadFailure& failure) {
    switch (failure.reason) {
    case LoadFailure::Reason::NoRoom:
        return QStringLiteral("The screen has no room for a board of this many pieces.");
    case LoadFailure::Reason::BadPuzzle:
        return QStringLiteral("The puzzle's type or size is not valid.");
    case LoadFailure::Reason::PictureTooSmall:
        return QStringLiteral("%1 is too small a picture for %2 x %3 pieces.")
            .arg(QDir::toNativeSeparators(QString::fromStdString(failure.file)))
            .arg(failure.across)
            .arg(failure.down);
    case LoadFailure::Reason::Unreadable:
        break;
    }
    return QStringLiteral("%1 could not be read as a picture.")
        .arg(QDir::toNativeSeparators(QString::fromStdString(failure.file)));
}

void applyPreparedBoard(const PreparedBoard& board, GameState& state, BoardCanvas& picture1,
                        BasePicture& basePic) {
    storeLayout(board.layout, state);
    basePic.setPicture(board.base); // first: the board picture takes its pixel ratio
    picture1.resetBoard(QSize(board.layout.boardW, board.layout.boardH));
    picture1.move(0, 0);
    picture1.show();
    basePic.move(0, 0);
    basePic.show();
    basePic.raise();
}

} // namespace tessary
