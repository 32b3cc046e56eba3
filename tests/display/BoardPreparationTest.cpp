// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestPictures.h"

#include "board/BoardCanvas.h"
#include "board/BoardColors.h"
#include "board/BoardPreparation.h"
#include "pictures/BasePicture.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace tessary::testing {
namespace {

constexpr ScreenRoom kScreen{1024, 768, 8, 46};

LayoutRequest request(int type, std::initializer_list<QString> files, int fitMode = 1) {
    LayoutRequest r;
    r.puzType = type;
    r.imgAcross = 4;
    r.imgDown = 4;
    r.fitMode = fitMode;
    std::size_t k = 0;
    for (const QString& f : files)
        r.files[k++] = f.toStdString();
    r.room = kScreen;
    return r;
}

// Colours within JPEG's tolerance.
bool near(QRgb a, QColor b, int tolerance = 40) {
    return std::abs(qRed(a) - b.red()) <= tolerance &&
           std::abs(qGreen(a) - b.green()) <= tolerance &&
           std::abs(qBlue(a) - b.blue()) <= tolerance;
}

const PreparedBoard& prepared(const std::variant<PreparedBoard, LoadFailure>& r) {
    if (const auto* f = std::get_if<LoadFailure>(&r))
        ADD_FAILURE() << loadFailureMessage(*f).toStdString();
    static const PreparedBoard none;
    return std::holds_alternative<PreparedBoard>(r) ? std::get<PreparedBoard>(r) : none;
}

TEST(BoardPreparation, TwoByTwoComposesEachImageIntoItsBlock) {
    TestPictures pics;
    const QColor colors[] = {Qt::red, Qt::green, Qt::blue, Qt::magenta};
    const QString a = pics.bmp("a.bmp", TestPictures::stripes(300, 200, {colors[0]}));
    const QString b = pics.jpeg("b.jpg", TestPictures::stripes(90, 90, {colors[1]}));
    const QString c = pics.bmp("c.bmp", TestPictures::stripes(50, 500, {colors[2]}));
    const QString d = pics.jpeg("d.jpg", TestPictures::stripes(1000, 10, {colors[3]}));
    LayoutRequest r = request(kTwoByTwo, {a, b, c, d});
    r.imgAcross = 7; // 600 / 14 leaves 600 - 14 * 42 = 12 pixels at the right
    r.smallPictureSize = QSize(60, 40);
    const auto result = prepareBoard(r);
    const PreparedBoard& board = prepared(result);
    ASSERT_FALSE(board.base.isNull());
    EXPECT_EQ(board.base.size(), QSize(600, 400));
    EXPECT_EQ(board.layout.pieceW, 42);
    for (int k = 0; k < 4; ++k) {
        const BlockRect blk = board.layout.blocks[std::size_t(k)];
        EXPECT_EQ(blk.w, 294);
        for (QPoint p : {QPoint(blk.x, blk.y), QPoint(blk.x + blk.w - 1, blk.y + blk.h - 1),
                         QPoint(blk.x + blk.w / 2, blk.y + blk.h / 2)})
            EXPECT_TRUE(near(board.base.pixel(p), colors[k])) << "image " << k + 1;
    }
    // The strip that belongs to no cell keeps the board's background.
    EXPECT_EQ(board.base.pixel(599, 10), boardColors::background().rgb());
    EXPECT_EQ(board.smallPicture.size(), QSize(60, 40));
    EXPECT_TRUE(near(board.smallPicture.pixel(45, 30), colors[3]));
}

TEST(BoardPreparation, StretchedSqueezesTheWholePictureCroppedKeepsItsMiddle) {
    TestPictures pics;
    // A Double of 200 x 300 and 600 x 200: image 2 goes into a 200 x 300 block.
    const QString first = pics.bmp("first.bmp", TestPictures::stripes(200, 300, {Qt::white}));
    const QString second =
        pics.bmp("second.bmp", TestPictures::stripes(600, 200, {Qt::red, Qt::green, Qt::blue}));

    const PreparedBoard stretched = prepared(prepareBoard(request(kDouble, {first, second}, 1)));
    ASSERT_EQ(stretched.base.size(), QSize(400, 300));
    EXPECT_TRUE(near(stretched.base.pixel(210, 150), Qt::red, 10));
    EXPECT_TRUE(near(stretched.base.pixel(300, 150), Qt::green, 10));
    EXPECT_TRUE(near(stretched.base.pixel(390, 150), Qt::blue, 10));

    const PreparedBoard cropped = prepared(prepareBoard(request(kDouble, {first, second}, 2)));
    ASSERT_EQ(cropped.base.size(), QSize(400, 300));
    for (int x : {200, 300, 399})
        EXPECT_TRUE(near(cropped.base.pixel(x, 150), Qt::green, 10)) << x;
    EXPECT_TRUE(near(cropped.base.pixel(100, 150), Qt::white, 10));
}

TEST(BoardPreparation, PhotosAreShownUpright) {
    TestPictures pics;
    // Stored 400 x 200 with red on the left; orientation 6 turns it a quarter clockwise.
    const QByteArray stored =
        TestPictures::jpegBytes(TestPictures::stripes(400, 200, {Qt::red, Qt::blue}));
    const QString turned = pics.write("turned.jpg", TestPictures::withOrientation(stored, 6));
    const PreparedBoard board = prepared(prepareBoard(request(kSingle, {turned})));
    ASSERT_EQ(board.base.size(), QSize(200, 400));
    EXPECT_TRUE(near(board.base.pixel(100, 20), Qt::red));
    EXPECT_TRUE(near(board.base.pixel(100, 380), Qt::blue));

    // Cropped to a block of another shape, the turned photo is still cut around its middle.
    const QString first = pics.bmp("first.bmp", TestPictures::stripes(400, 200, {Qt::white}));
    const PreparedBoard pair = prepared(prepareBoard(request(kDouble, {first, turned}, 2)));
    ASSERT_EQ(pair.base.size(), QSize(800, 200));
    EXPECT_TRUE(near(pair.base.pixel(600, 10), Qt::red));
    EXPECT_TRUE(near(pair.base.pixel(600, 190), Qt::blue));

    // A TIFF's own orientation field turns it the same way.
    const QString tiff =
        pics.saved("turned.tif", TestPictures::stripes(400, 200, {Qt::red, Qt::blue}), "tiff",
                   QImageIOHandler::TransformationRotate90);
    const PreparedBoard fromTiff = prepared(prepareBoard(request(kSingle, {tiff})));
    ASSERT_EQ(fromTiff.base.size(), QSize(200, 400));
    EXPECT_TRUE(near(fromTiff.base.pixel(100, 20), Qt::red));
    EXPECT_TRUE(near(fromTiff.base.pixel(100, 380), Qt::blue));
}

TEST(BoardPreparation, LargePhotoIsDecodedStraightToItsBlock) {
    TestPictures pics;
    const QString big =
        pics.jpeg("big.jpg", TestPictures::stripes(4000, 3000, {Qt::red, Qt::green}));
    const PreparedBoard board = prepared(prepareBoard(request(kSingle, {big})));
    EXPECT_EQ(board.layout.boardW, 884); // 976 x 732, then 663 high
    EXPECT_EQ(board.base.size(), QSize(884, 663));
    EXPECT_TRUE(near(board.base.pixel(10, 10), Qt::red));
    EXPECT_TRUE(near(board.base.pixel(870, 650), Qt::green));
}

// Pictures that must be refused, each naming its file.
class DamagedPicture : public ::testing::TestWithParam<int> {};

QString damaged(TestPictures& pics, int which) {
    const QImage image = TestPictures::stripes(120, 90, {Qt::red, Qt::blue});
    const QByteArray jpeg = TestPictures::jpegBytes(image);
    const QByteArray progressive = TestPictures::jpegBytes(image, true);
    const QByteArray bmp = TestPictures::bmpBytes(image);
    QByteArray noise(4096, 0);
    for (char& c : noise)
        c = char(QRandomGenerator::global()->bounded(256));
    switch (which) {
    case 0:
        return pics.write("cut.jpg", jpeg.left(jpeg.size() * 2 / 3));
    case 1:
        return pics.write("cut-progressive.jpg", progressive.left(progressive.size() * 2 / 3));
    case 2:
        return pics.write("cut.bmp", bmp.left(bmp.size() - 100));
    case 3:
        return pics.write("noise.jpg", noise);
    case 4:
        return pics.write("empty.bmp", {});
    case 5: { // a header promising 5000 x 5000 pixels in a small file
        QByteArray huge = bmp;
        huge[18] = char(0x88), huge[19] = char(0x13), huge[20] = huge[21] = 0;
        huge[22] = char(0x88), huge[23] = char(0x13), huge[24] = huge[25] = 0;
        return pics.write("huge.bmp", huge);
    }
    case 6: // over the 100-megapixel limit
        return pics.write("huge.jpg", TestPictures::withDeclaredSize(jpeg, 12000, 9000));
    case 7: { // a BMP of no width
        QByteArray zero = bmp;
        zero[18] = zero[19] = zero[20] = zero[21] = 0;
        return pics.write("zero.bmp", zero);
    }
    case 8: // a GIF's signature followed by noise
        return pics.write("picture.gif", QByteArray("GIF89a") + noise);
    case 9: // cut inside its data but closed with an end marker: only the decoder can tell
        return pics.write("cut-closed.jpg", jpeg.left(jpeg.size() * 2 / 3) + "\xFF\xD9");
    default:
        return pics.path("not-there.jpg");
    }
}

TEST_P(DamagedPicture, IsRefusedNamingItsFile) {
    TestPictures pics;
    const QString good = pics.bmp("good.bmp", TestPictures::stripes(120, 90, {Qt::green}));
    const QString bad = damaged(pics, GetParam());
    // Alone, and as the third image of a "2 x 2" whose other images are sound.
    for (const LayoutRequest& r :
         {request(kSingle, {bad}), request(kTwoByTwo, {good, good, bad, good})}) {
        const auto result = prepareBoard(r);
        ASSERT_TRUE(std::holds_alternative<LoadFailure>(result)) << bad.toStdString();
        const LoadFailure& f = std::get<LoadFailure>(result);
        EXPECT_EQ(f.reason, LoadFailure::Reason::Unreadable);
        EXPECT_EQ(f.file, bad.toStdString());
        EXPECT_TRUE(loadFailureMessage(f).contains(bad)) << loadFailureMessage(f).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(BoardPreparation, DamagedPicture, ::testing::Range(0, 11));

TEST(BoardPreparation, SoundPicturesOfTheSameKindsAreTaken) {
    TestPictures pics;
    const QImage image = TestPictures::stripes(120, 90, {Qt::red, Qt::blue});
    // Stray bytes before the end marker only make the decoder grumble.
    const QByteArray jpeg = TestPictures::jpegBytes(image);
    const QString padded = pics.write("padded.jpg", jpeg.left(jpeg.size() - 2) + "abc\xFF\xD9");
    for (const QString& f : {pics.jpeg("whole.jpg", image), pics.jpeg("p.jpg", image, true),
                             pics.bmp("whole.bmp", image), padded})
        EXPECT_TRUE(std::holds_alternative<PreparedBoard>(prepareBoard(request(kSingle, {f}))))
            << f.toStdString();

    // The other formats taken give the board the BMP of the same picture gives.
    const PreparedBoard reference =
        prepared(prepareBoard(request(kSingle, {pics.bmp("reference.bmp", image)})));
    for (const char* format : {"png", "webp", "tiff", "gif"}) {
        const QString f = pics.saved(QStringLiteral("whole.") + format, image, format);
        const PreparedBoard board = prepared(prepareBoard(request(kSingle, {f})));
        ASSERT_EQ(board.base.size(), reference.base.size()) << format;
        EXPECT_TRUE(near(board.base.pixel(5, 5), Qt::red)) << format;
        EXPECT_TRUE(near(board.base.pixel(board.base.width() - 5, 5), Qt::blue)) << format;
    }
}

TEST(BoardPreparation, ApplyPutsTheBoardInPlay) {
    TestPictures pics;
    const QString f = pics.bmp("a.bmp", TestPictures::stripes(400, 300, {Qt::red}));
    GameState state;
    state.puzzle.puzType = kDouble;
    state.puzzle.imgAcross = 30;
    state.puzzle.imgDown = 3;
    state.puzzle.fitMode = 2;
    state.puzzle.puzFile[1] = state.puzzle.puzFile[2] = f.toStdString();
    const LayoutRequest r = LayoutRequest::fromPuzzle(state.puzzle, kScreen, QSize(40, 30));
    EXPECT_EQ(r.files[1], f.toStdString());
    const PreparedBoard board = prepared(prepareBoard(r));

    QWidget window;
    BasePicture basePic(&window);
    BoardCanvas picture1(state, basePic, &window);
    applyPreparedBoard(board, state, picture1, basePic);
    EXPECT_EQ(state.puzzle.imgAcross, 25);
    EXPECT_EQ(state.board.boardAcross, 50);
    EXPECT_EQ(state.board.boardW, 800);
    EXPECT_EQ(state.board.pieceW, 16);
    EXPECT_EQ(state.board.pieceH, 100);
    EXPECT_EQ(picture1.size(), QSize(800, 300));
    EXPECT_EQ(picture1.picture().pixel(5, 5), boardColors::background().rgb());
    EXPECT_EQ(basePic.picture(), board.base);
    EXPECT_FALSE(basePic.isHidden());
}

TEST(BoardPreparation, NoRoomAndBadTypesAreReportedWithoutAFile) {
    TestPictures pics;
    const QString thin = pics.bmp("thin.bmp", TestPictures::stripes(30000, 8, {Qt::red}));
    const auto noRoom = prepareBoard(request(kSingle, {thin}));
    ASSERT_TRUE(std::holds_alternative<LoadFailure>(noRoom));
    EXPECT_EQ(std::get<LoadFailure>(noRoom).reason, LoadFailure::Reason::NoRoom);
    const auto badType = prepareBoard(request(7, {thin}));
    ASSERT_TRUE(std::holds_alternative<LoadFailure>(badType));
    EXPECT_EQ(std::get<LoadFailure>(badType).reason, LoadFailure::Reason::BadPuzzle);
}

// A picture with fewer pixels than pieces is too small, whatever the screen: the message says
// so, naming the picture and the pieces asked for.
TEST(BoardPreparation, APictureWithFewerPixelsThanPiecesIsTooSmall) {
    TestPictures pics;
    const QString tiny = pics.bmp("tiny.bmp", TestPictures::stripes(30, 30, {Qt::red}));
    LayoutRequest r = request(kSingle, {tiny});
    r.imgAcross = 50;
    r.imgDown = 40;
    const auto result = prepareBoard(r);
    ASSERT_TRUE(std::holds_alternative<LoadFailure>(result));
    EXPECT_EQ(loadFailureMessage(std::get<LoadFailure>(result)).toStdString(),
              (tiny + " is too small a picture for 50 x 40 pieces.").toStdString());
}

} // namespace
} // namespace tessary::testing
