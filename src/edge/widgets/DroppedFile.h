// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

class QMimeData;

namespace tessary {

// The one local file a drag carries, or nothing: a web address or several files are not taken.
// Every window that takes a dropped picture or saved game asks this.
std::optional<std::string> droppedFile(const QMimeData* data);

} // namespace tessary
