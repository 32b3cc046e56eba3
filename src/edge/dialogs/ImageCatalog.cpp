// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ImageCatalog.h"

#include "files/CatalogFolders.h"
#include "files/PictureExtensions.h"
#include "widgets/DroppedFile.h"
#include "widgets/SkipOnFailure.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>

namespace tessary {

namespace {

constexpr int kFolderRole = Qt::UserRole;

// Where a thumbnail is still to come: a faint frame of the thumbnail's size.
const QIcon& placeholderIcon() {
    static const QIcon icon = [] {
        QPixmap frame(ThumbnailCache::kNormalSize, ThumbnailCache::kNormalSize);
        frame.fill(Qt::transparent);
        QPainter painter(&frame);
        painter.setPen(QColor(0, 0, 0, 40));
        painter.drawRect(frame.rect().adjusted(8, 8, -9, -9));
        return QIcon(frame);
    }();
    return icon;
}

QString labelOf(const QString& file, const QString& second) {
    return QFileInfo(file).fileName() + QLatin1Char('\n') + second;
}

} // namespace

ImageCatalog::ImageCatalog(CatalogPlaces places, ThumbnailCache cache, QWidget* parent)
    : QWidget(parent, Qt::Window), places_(std::move(places)),
      added_(readCatalogFolders(places_.dataFolder)), folders_(new QListWidget(this)),
      grid_(new QListWidget(this)), addButton_(new QPushButton(tr("Add Folder..."), this)),
      removeButton_(new QPushButton(tr("Remove Folder"), this)), count_(new QLabel(this)),
      loader_(std::move(cache), std::clamp(QThread::idealThreadCount(), 1, 4)) {
    setWindowTitle(QStringLiteral("Image Catalog"));
    // Closing the catalogue never ends the game; the game's end closes it.
    setAttribute(Qt::WA_QuitOnClose, false);
    setAcceptDrops(true);
    // Esc puts the catalogue away, as it does a dialog.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    chooseFolder = [](QWidget* over) {
        return QFileDialog::getExistingDirectory(over, tr("Add Folder"), QDir::homePath());
    };

    folders_->setFixedWidth(200);
    grid_->setViewMode(QListView::IconMode);
    grid_->setMovement(QListView::Static);
    grid_->setResizeMode(QListView::Adjust);
    grid_->setDragDropMode(QAbstractItemView::NoDragDrop);
    grid_->setAcceptDrops(false);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setIconSize({ThumbnailCache::kNormalSize, ThumbnailCache::kNormalSize});
    // Room under the tallest thumbnail for the name and the size, each on a line.
    grid_->setGridSize({ThumbnailCache::kNormalSize + 40,
                        ThumbnailCache::kNormalSize + 2 * grid_->fontMetrics().lineSpacing() + 24});
    grid_->setUniformItemSizes(true);
    grid_->setWordWrap(true);
    grid_->setTextElideMode(Qt::ElideMiddle);
    auto* hint = new QLabel(tr("Double click a picture, or press Enter, to start a new puzzle "
                               "with it. A picture dropped here does the same."),
                            this);
    hint->setWordWrap(true);

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(tr("Folders"), this));
    side->addWidget(folders_, 1);
    side->addWidget(addButton_);
    side->addWidget(removeButton_);
    auto* main = new QVBoxLayout;
    main->addWidget(grid_, 1);
    main->addWidget(count_);
    main->addWidget(hint);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addLayout(main, 1);
    resize(960, 640);

    connect(folders_, &QListWidget::currentRowChanged, this,
            [this](int row) { skipOnFailure([&] { showFolder(row); }); });
    connect(grid_, &QListWidget::activated, this,
            [this](const QModelIndex& index) { skipOnFailure([&] { choose(index.row()); }); });
    connect(addButton_, &QPushButton::clicked, this,
            [this] { skipOnFailure([this] { addFolder(); }); });
    connect(removeButton_, &QPushButton::clicked, this,
            [this] { skipOnFailure([this] { removeFolder(); }); });
    connect(&loader_, &ThumbnailLoader::ready, this, [this](int row, const Thumbnail& thumbnail) {
        skipOnFailure([&] { showThumbnail(row, thumbnail); });
    });
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { skipOnFailure([this] { preferVisible(); }); });

    fillFolderList();
    folders_->setCurrentRow(0);
    grid_->setFocus();
}

ImageCatalog::~ImageCatalog() = default;

void ImageCatalog::fillFolderList() {
    const QSignalBlocker quiet(folders_);
    folders_->clear();
    auto add = [this](const QString& caption, const QString& folder) {
        auto* item = new QListWidgetItem(caption, folders_);
        item->setData(kFolderRole, folder);
        item->setToolTip(folder);
    };
    add(tr("Game pictures"), places_.gamePictures);
    if (!places_.playerPictures.isEmpty())
        add(tr("Pictures"), places_.playerPictures);
    fixedFolders_ = folders_->count();
    for (const std::string& folder : added_) {
        const QString name = QString::fromStdString(folder);
        add(QFileInfo(name).fileName().isEmpty() ? name : QFileInfo(name).fileName(), name);
    }
    removeButton_->setEnabled(false);
}

void ImageCatalog::showFolder(int row) {
    removeButton_->setEnabled(row >= fixedFolders_);
    files_.clear();
    grid_->clear();
    if (row >= 0 && row < folders_->count()) {
        const QDir folder(folders_->item(row)->data(kFolderRole).toString());
        const QFileInfoList entries = folder.entryInfoList(
            QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
        for (const QFileInfo& entry : entries)
            if (hasPictureExtension(entry.fileName().toStdString()))
                files_ << entry.absoluteFilePath();
    }
    // Each item has its two lines from the start: the grid sizes every item as its first.
    for (const QString& file : files_)
        new QListWidgetItem(placeholderIcon(), labelOf(file, QStringLiteral("...")), grid_);
    count_->setText(files_.size() == 1 ? tr("1 picture") : tr("%1 pictures").arg(files_.size()));
    if (!files_.isEmpty())
        grid_->setCurrentRow(0);
    // The first rows are the ones in view, and the loader starts from the top.
    loader_.load(files_);
}

void ImageCatalog::showThumbnail(int row, const Thumbnail& thumbnail) {
    QListWidgetItem* item = grid_->item(row);
    if (item == nullptr)
        return;
    const QString& file = files_[row];
    if (!thumbnail.readable()) {
        item->setText(labelOf(file, tr("cannot be read")));
        return;
    }
    item->setIcon(QIcon(QPixmap::fromImage(thumbnail.image)));
    item->setText(labelOf(file, QStringLiteral("%1 x %2")
                                    .arg(thumbnail.pictureSize.width())
                                    .arg(thumbnail.pictureSize.height())));
}

void ImageCatalog::preferVisible() {
    const QRect view = grid_->viewport()->rect();
    int first = -1;
    int last = -1;
    for (int row = 0; row < grid_->count(); ++row) {
        if (grid_->visualItemRect(grid_->item(row)).intersects(view)) {
            if (first < 0)
                first = row;
            last = row;
        } else if (first >= 0) {
            break; // the grid runs row after row: nothing further down is in view
        }
    }
    if (first >= 0)
        loader_.prefer(first, last);
}

void ImageCatalog::choose(int row) {
    if (row >= 0 && row < files_.size() && onChosen)
        onChosen(files_[row].toStdString());
}

void ImageCatalog::addFolder() {
    const QString chosen = chooseFolder ? chooseFolder(this) : QString();
    if (chosen.isEmpty())
        return;
    const QString folder = QDir(chosen).absolutePath();
    int row = -1;
    for (int i = 0; i < folders_->count(); ++i)
        if (folders_->item(i)->data(kFolderRole).toString() == folder)
            row = i;
    if (row < 0) {
        added_.push_back(folder.toStdString());
        writeCatalogFolders(places_.dataFolder, added_);
        fillFolderList();
        row = folders_->count() - 1;
    }
    folders_->setCurrentRow(row);
}

void ImageCatalog::removeFolder() {
    const int row = folders_->currentRow();
    if (row < fixedFolders_)
        return;
    added_.erase(added_.begin() + (row - fixedFolders_));
    writeCatalogFolders(places_.dataFolder, added_);
    fillFolderList();
    folders_->setCurrentRow(0);
    showFolder(0);
}

void ImageCatalog::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedFile(event->mimeData()))
        event->acceptProposedAction();
}

void ImageCatalog::dropEvent(QDropEvent* event) {
    const std::optional<std::string> file = droppedFile(event->mimeData());
    if (!file)
        return;
    event->acceptProposedAction();
    skipOnFailure([&] {
        if (onChosen)
            onChosen(*file);
    });
}

} // namespace tessary
