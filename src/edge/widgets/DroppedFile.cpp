// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DroppedFile.h"

#include <QMimeData>
#include <QUrl>

namespace tessary {

std::optional<std::string> droppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().front().isLocalFile())
        return std::nullopt;
    return data->urls().front().toLocalFile().toStdString();
}

} // namespace tessary
