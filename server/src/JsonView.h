// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Store.h"

#include <string>
#include <string_view>
#include <vector>

namespace hof {

// {"game":"tess","scores":[{"rank":1,"score":1250,"size":80,"name":"Ann","date":"..."}]}
std::string renderJson(const std::string& game, const std::vector<ShownEntry>& entries);

// {"error":"..."}
std::string renderJsonError(std::string_view message);

// A JSON string with its quotes; <, > and & as \u escapes too, so it is safe inside HTML.
std::string jsonString(std::string_view text);

} // namespace hof
