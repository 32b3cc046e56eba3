// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/DataFile.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace tessary {

std::optional<std::string> readDataFile(const std::filesystem::path& file) {
    std::error_code ec;
    // A pipe or device could block or never end; only plain files are read.
    if (!std::filesystem::is_regular_file(file, ec))
        return std::nullopt;
    const auto size = std::filesystem::file_size(file, ec);
    if (ec || size > kDataFileLimit)
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

namespace {
std::string lowerAscii(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return out;
}
} // namespace

std::filesystem::path findIgnoringCase(const std::filesystem::path& folder, std::string_view name) {
    const std::filesystem::path exact = folder / name;
    std::error_code ec;
    if (std::filesystem::exists(exact, ec))
        return exact;
    const std::string wanted = lowerAscii(name);
    std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (lowerAscii(it->path().filename().string()) == wanted)
            return it->path();
    }
    return exact;
}

} // namespace tessary
