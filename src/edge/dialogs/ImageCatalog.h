// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/ThumbnailLoader.h"

#include <QStringList>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace tessary {

// Where the catalogue looks for pictures and keeps the folders the player adds.
struct CatalogPlaces {
    QString gamePictures;             // the sample pictures beside the game
    QString playerPictures;           // the player's Pictures folder; empty when there is none
    std::filesystem::path dataFolder; // where the added folders are remembered
};

// "Image Catalog": the pictures of a folder as a grid of thumbnails, each with its file's name
// and size, to start a new puzzle from. The folders are the game's sample pictures, the
// player's Pictures folder and any the player adds. The window stays open beside the game;
// the thumbnails come in as they are made, the ones in view first.
class ImageCatalog : public QWidget {
    Q_OBJECT

  public:
    explicit ImageCatalog(CatalogPlaces places, ThumbnailCache cache = ThumbnailCache(),
                          QWidget* parent = nullptr);
    ~ImageCatalog() override;

    // A picture chosen with a double click or Enter, or a file dropped on the window.
    std::function<void(const std::string&)> onChosen;
    // "Add Folder..."'s chooser: the folder picked, or an empty name when given up.
    std::function<QString(QWidget*)> chooseFolder;

    // Shows the pictures of the folder in that row of the folder list.
    void showFolder(int row);
    QListWidget& folderList() { return *folders_; }
    QListWidget& pictureGrid() { return *grid_; }
    ThumbnailLoader& thumbnails() { return loader_; }
    QPushButton& addFolderButton() { return *addButton_; }
    QPushButton& removeFolderButton() { return *removeButton_; }

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void fillFolderList();
    void addFolder();
    void removeFolder();
    void choose(int row);
    void showThumbnail(int row, const Thumbnail& thumbnail);
    void preferVisible();

    CatalogPlaces places_;
    std::vector<std::string> added_; // the player's own folders, as remembered
    int fixedFolders_ = 0;           // the rows above the player's own folders
    QListWidget* folders_;
    QListWidget* grid_;
    QPushButton* addButton_;
    QPushButton* removeButton_;
    QLabel* count_;
    ThumbnailLoader loader_;
    QStringList files_; // the pictures in the grid, row by row
};

} // namespace tessary
