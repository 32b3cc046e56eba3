// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/ThumbnailLoader.h"

#include <QMetaObject>
#include <QRunnable>
#include <QThreadPool>

#include <algorithm>
#include <functional>
#include <mutex>

namespace tessary {

// Where the workers post what they made. Once the loader is gone, the box is closed and a
// worker that finishes later drops its thumbnail instead of reaching for the loader.
struct ThumbnailLoader::Mailbox {
    std::mutex lock;
    ThumbnailLoader* loader = nullptr;
};

namespace {

class ThumbnailJob : public QRunnable {
  public:
    using Deliver = std::function<void(const Thumbnail&)>;
    ThumbnailJob(ThumbnailCache cache, QString file, Deliver deliver)
        : cache_(std::move(cache)), file_(std::move(file)), deliver_(std::move(deliver)) {}
    void run() override {
        Thumbnail thumbnail;
        try {
            thumbnail = cache_.thumbnailOf(file_);
        } catch (...) {
            // A picture that makes the readers fail shows as one that cannot be read.
        }
        deliver_(thumbnail);
    }

  private:
    ThumbnailCache cache_;
    QString file_;
    Deliver deliver_;
};

} // namespace

ThumbnailLoader::ThumbnailLoader(ThumbnailCache cache, int threads, QObject* parent)
    : QObject(parent), cache_(std::move(cache)), pool_(QThreadPool::globalInstance()),
      threads_(std::max(1, threads)), mailbox_(std::make_shared<Mailbox>()) {
    mailbox_->loader = this;
}

ThumbnailLoader::~ThumbnailLoader() {
    // The workers still running finish on their own; nothing of theirs comes back here.
    const std::lock_guard<std::mutex> guard(mailbox_->lock);
    mailbox_->loader = nullptr;
}

void ThumbnailLoader::load(const QStringList& files) {
    ++generation_;
    files_ = files;
    rows_.assign(std::size_t(files.size()), RowState::waiting);
    remaining_ = int(files.size());
    nextInOrder_ = 0;
    preferFirst_ = 0;
    preferLast_ = -1;
    startMore();
}

void ThumbnailLoader::prefer(int first, int last) {
    preferFirst_ = std::max(0, first);
    preferLast_ = std::min(last, int(rows_.size()) - 1);
    startMore();
}

int ThumbnailLoader::nextRow() {
    for (int row = preferFirst_; row <= preferLast_; ++row)
        if (rows_[std::size_t(row)] == RowState::waiting)
            return row;
    while (nextInOrder_ < int(rows_.size()) &&
           rows_[std::size_t(nextInOrder_)] != RowState::waiting)
        ++nextInOrder_;
    return nextInOrder_ < int(rows_.size()) ? nextInOrder_ : -1;
}

void ThumbnailLoader::startMore() {
    while (running_ < threads_) {
        const int row = nextRow();
        if (row < 0)
            return;
        rows_[std::size_t(row)] = RowState::started;
        ++running_;
        const quint64 generation = generation_;
        pool_->start(new ThumbnailJob(
            cache_, files_[row], [box = mailbox_, generation, row](const Thumbnail& thumbnail) {
                const std::lock_guard<std::mutex> guard(box->lock);
                if (box->loader == nullptr)
                    return;
                ThumbnailLoader* loader = box->loader;
                QMetaObject::invokeMethod(
                    loader,
                    [loader, generation, row, thumbnail] {
                        loader->arrived(generation, row, thumbnail);
                    },
                    Qt::QueuedConnection);
            }));
    }
}

void ThumbnailLoader::arrived(quint64 generation, int row, const Thumbnail& thumbnail) {
    --running_;
    if (generation == generation_) {
        rows_[std::size_t(row)] = RowState::done;
        --remaining_;
        emit ready(row, thumbnail);
    }
    startMore();
}

} // namespace tessary
