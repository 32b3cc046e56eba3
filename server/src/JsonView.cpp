// SPDX-License-Identifier: GPL-3.0-or-later
#include "JsonView.h"

#include "HtmlPage.h"

namespace hof {

std::string jsonString(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || c == '<' || c == '>' || c == '&') {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string renderJson(const std::string& game, const std::vector<ShownEntry>& entries) {
    std::string json = "{\"game\":" + jsonString(game) + ",\"scores\":[";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& entry = entries[i];
        json += i ? ",{" : "{";
        json += "\"rank\":" + std::to_string(entry.rank);
        json += ",\"score\":" + std::to_string(entry.score);
        json += ",\"size\":" + std::to_string(entry.size);
        json += ",\"name\":" + jsonString(entry.name);
        json += ",\"date\":" + jsonString(formatDate(entry.time)) + "}";
    }
    return json + "]}\n";
}

std::string renderJsonError(std::string_view message) {
    return "{\"error\":" + jsonString(message) + "}\n";
}

} // namespace hof
