// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Store.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hof {

// What one page says: a line for the visitor, what was wrong with a request, and the table.
struct Page {
    std::string title;                 // the page's heading, e.g. "Hall of Fame"
    std::string message;               // plain text above the table; may be empty
    std::vector<std::string> problems; // what was wrong with the request, one line each
    std::optional<std::vector<ShownEntry>> table;
    std::int64_t highlight = 0; // the entry just submitted, drawn out
    std::string browseLink;     // where "the whole table" leads; empty for none
};

// One self-contained HTML page in Tessary's colours, every text escaped.
std::string renderPage(const Page& page);

// Text made safe inside HTML, in element content and in quoted attributes alike.
std::string htmlEscape(std::string_view text);

// The day of a time as YYYY-MM-DD (UTC).
std::string formatDate(std::int64_t time);

} // namespace hof
