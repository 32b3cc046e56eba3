// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/ThumbnailCache.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <vector>

class QThreadPool;

namespace tessary {

// Makes the thumbnails of a list of pictures off the window's thread, a few at a time, and
// hands each back on the window's thread as it is ready. The rows the window shows are made
// first; the rest follow in order. Nothing waits for a thumbnail on the window's thread.
class ThumbnailLoader : public QObject {
    Q_OBJECT

  public:
    // threads: how many thumbnails are made at once (at least one).
    explicit ThumbnailLoader(ThumbnailCache cache, int threads, QObject* parent = nullptr);
    ~ThumbnailLoader() override;

    // The pictures wanted now, in order, in place of any earlier list: what is still being
    // made for that one is dropped when it comes back.
    void load(const QStringList& files);
    // Rows first to last (of the list given to load) are wanted before the others.
    void prefer(int first, int last);
    // Thumbnails asked for and not handed back yet.
    int pending() const { return remaining_; }

  signals:
    // The thumbnail of row `row` of the list given to load.
    void ready(int row, const tessary::Thumbnail& thumbnail);

  private:
    struct Mailbox;
    enum class RowState : unsigned char { waiting, started, done };

    void startMore();
    int nextRow();
    void arrived(quint64 generation, int row, const Thumbnail& thumbnail);

    ThumbnailCache cache_;
    QThreadPool* pool_;
    int threads_;
    std::shared_ptr<Mailbox> mailbox_;
    QStringList files_;
    std::vector<RowState> rows_;
    quint64 generation_ = 0;
    int running_ = 0;   // of any list, this one or an earlier one
    int remaining_ = 0; // of this list
    int nextInOrder_ = 0;
    int preferFirst_ = 0;
    int preferLast_ = -1;
};

} // namespace tessary
