// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ImageCatalog.h"
#include "files/CatalogFolders.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QImage>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace tessary::testing {
namespace {

class ImageCatalogTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::vector<std::string> chosen;

    QString folder(const QString& name) {
        QDir(dir.path()).mkpath(name);
        return dir.filePath(name);
    }
    void picture(const QString& path, int w, int h) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        ASSERT_TRUE(image.save(path));
    }
    std::unique_ptr<ImageCatalog> open(const QString& game, const QString& player = {}) {
        auto catalog =
            std::make_unique<ImageCatalog>(CatalogPlaces{game, player, dir.path().toStdString()},
                                           ThumbnailCache(dir.filePath("cache")));
        catalog->onChosen = [this](const std::string& path) { chosen.push_back(path); };
        catalog->show();
        return catalog;
    }
    // Until every thumbnail asked for is in, waiting on the loader at most ten seconds.
    static void waitForThumbnails(ImageCatalog& catalog) {
        QSignalSpy ready(&catalog.thumbnails(), &ThumbnailLoader::ready);
        for (int turn = 0; turn < 100 && catalog.thumbnails().pending() > 0; ++turn)
            ready.wait(100);
        ASSERT_EQ(catalog.thumbnails().pending(), 0);
    }
    static std::vector<std::string> labels(QListWidget& list) {
        std::vector<std::string> out;
        for (int row = 0; row < list.count(); ++row)
            out.push_back(list.item(row)->text().toStdString());
        return out;
    }
};

TEST_F(ImageCatalogTest, ShowsThePicturesOfAFolderAndStartsWithTheOneChosen) {
    const QString game = folder("images");
    picture(game + "/b-lake.png", 640, 480);
    picture(game + "/A-hills.JPG", 200, 100);
    QFile(game + "/notes.txt").open(QIODevice::WriteOnly);
    QFile broken(game + "/c-broken.bmp");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BM, but nothing of a picture");
    broken.close();
    const auto catalog = open(game);
    EXPECT_EQ(catalog->windowTitle(), "Image Catalog");

    QListWidget& grid = catalog->pictureGrid();
    waitForThumbnails(*catalog);
    EXPECT_EQ(labels(grid),
              (std::vector<std::string>{"A-hills.JPG\n200 x 100", "b-lake.png\n640 x 480",
                                        "c-broken.bmp\ncannot be read"}));
    // Enter on the second picture, a double click on the first.
    grid.setCurrentRow(1);
    QTest::keyClick(&grid, Qt::Key_Return);
    const QRect first = grid.visualItemRect(grid.item(0));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, first.center());
    // A dropped file goes the same way.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(dir.filePath("dropped.jpg"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(catalog.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(catalog.get(), &drop);
    EXPECT_EQ(chosen, (std::vector<std::string>{(game + "/b-lake.png").toStdString(),
                                                (game + "/A-hills.JPG").toStdString(),
                                                dir.filePath("dropped.jpg").toStdString()}));
}

TEST_F(ImageCatalogTest, AFolderAddedIsRememberedUntilRemoved) {
    const QString game = folder("images");
    const QString mine = folder("holiday, 2026");
    picture(mine + "/beach.jpg", 300, 200);
    auto catalog = open(game, folder("Pictures"));
    catalog->chooseFolder = [&](QWidget*) { return mine; };
    QListWidget& folders = catalog->folderList();
    EXPECT_FALSE(catalog->removeFolderButton().isEnabled());
    catalog->addFolderButton().click();
    catalog->addFolderButton().click(); // the same folder is not added twice
    EXPECT_EQ(labels(folders),
              (std::vector<std::string>{"Game pictures", "Pictures", "holiday, 2026"}));
    EXPECT_EQ(folders.currentRow(), 2);
    EXPECT_EQ(catalog->pictureGrid().count(), 1);
    EXPECT_EQ(readCatalogFolders(dir.path().toStdString()),
              std::vector<std::string>{mine.toStdString()});

    catalog = open(game, folder("Pictures"));
    catalog->folderList().setCurrentRow(2);
    ASSERT_TRUE(catalog->removeFolderButton().isEnabled());
    catalog->removeFolderButton().click();
    EXPECT_EQ(catalog->folderList().count(), 2);
    EXPECT_TRUE(readCatalogFolders(dir.path().toStdString()).empty());
}

} // namespace
} // namespace tessary::testing
