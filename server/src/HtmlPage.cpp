// SPDX-License-Identifier: GPL-3.0-or-later
#include "HtmlPage.h"

#include "Icon.h"

#include <ctime>

namespace hof {

namespace {

// The colours of the game's help page: navy header, peach table, purple headings.
constexpr const char* kStyle = R"(
  * { box-sizing: border-box; }
  body { margin: 0; background: #fff4e8; color: #222;
         font: 16px/1.5 "DejaVu Sans", "Segoe UI", Arial, sans-serif; }
  header { background: #000080; color: #fff; padding: 12px 20px; display: flex;
           align-items: center; gap: 14px; }
  header img { width: 48px; height: 48px; }
  header h1 { margin: 0; font-size: 26px; letter-spacing: 3px; }
  header p { margin: 0; color: #ffc080; }
  main { max-width: 44em; margin: 0 auto; padding: 8px 16px 32px; }
  h2 { color: #800080; border-bottom: 2px solid #ffc080; margin: 0.8em 0 0.6em; }
  .message { background: #fffbd0; border: 1px solid #e8d880; padding: 8px 12px; }
  .problems { background: #fff; border-left: 4px solid #c00000; padding: 8px 12px 8px 32px; }
  table { border-collapse: collapse; width: 100%; background: #fff; margin: 0.6em 0 1em; }
  th, td { border: 1px solid #e0b890; padding: 5px 10px; text-align: left; }
  th { background: #ffe0c0; color: #000080; }
  td.number { text-align: right; font-variant-numeric: tabular-nums; }
  td.name { overflow-wrap: anywhere; }
  td.date { white-space: nowrap; }
  tr.you td { background: #ffc080; font-weight: bold; }
  tr.you td:first-child { box-shadow: inset 4px 0 0 #800080; }
  .empty { color: #555; font-style: italic; }
  a { color: #000080; }
  @media (max-width: 30em) {
    body { font-size: 14px; }
    header h1 { font-size: 20px; }
    th, td { padding: 4px 5px; }
  }
)";

void appendRow(std::string& html, const ShownEntry& entry, bool you) {
    html += you ? "<tr class=\"you\">" : "<tr>";
    html += "<td class=\"number\">" + std::to_string(entry.rank) + "</td>";
    html += "<td class=\"number\">" + std::to_string(entry.score) + "</td>";
    html += "<td class=\"number\">" + std::to_string(entry.size) + "</td>";
    html += "<td class=\"name\">" + htmlEscape(entry.name) + "</td>";
    html += "<td class=\"date\">" + formatDate(entry.time) + "</td></tr>\n";
}

} // namespace

std::string htmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string formatDate(std::int64_t time) {
    const auto seconds = static_cast<std::time_t>(time);
    std::tm day{};
    gmtime_r(&seconds, &day);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &day);
    return text;
}

std::string renderPage(const Page& page) {
    std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    html += "<title>Tessary - " + htmlEscape(page.title) + "</title>\n";
    html += "<link rel=\"icon\" href=\"" + iconDataUri() + "\">\n";
    html += "<style>" + std::string(kStyle) + "</style>\n</head>\n<body>\n";
    html += "<header><img src=\"" + iconDataUri() + "\" alt=\"\">";
    html += "<div><h1>TESSARY</h1><p>Online Hall of Fame</p></div></header>\n<main>\n";
    html += "<h2>" + htmlEscape(page.title) + "</h2>\n";
    if (!page.message.empty())
        html += "<p class=\"message\">" + htmlEscape(page.message) + "</p>\n";
    if (!page.problems.empty()) {
        html += "<ul class=\"problems\">\n";
        for (const auto& problem : page.problems)
            html += "<li>" + htmlEscape(problem) + "</li>\n";
        html += "</ul>\n";
    }
    if (page.table) {
        if (page.table->empty()) {
            html += "<p class=\"empty\">No results yet: solve a puzzle and choose "
                    "&ldquo;Website HOF entry&rdquo; to be the first.</p>\n";
        } else {
            html += "<table>\n<thead><tr><th>Rank</th><th>Score</th><th>Pieces</th>"
                    "<th>Name</th><th>Date</th></tr></thead>\n<tbody>\n";
            for (const auto& entry : *page.table)
                appendRow(html, entry, page.highlight != 0 && entry.id == page.highlight);
            html += "</tbody>\n</table>\n";
        }
    }
    if (!page.browseLink.empty())
        html += "<p><a href=\"" + htmlEscape(page.browseLink) + "\">The Hall of Fame</a></p>\n";
    html += "</main>\n</body>\n</html>\n";
    return html;
}

} // namespace hof
