// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace tessary {

// A fresh folder for one test, removed with everything in it afterwards.
struct TempFolder {
    std::filesystem::path path;

    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tessary-test-XXXXXX").string();
        path = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    void write(std::string_view name, std::string_view bytes) const {
        std::ofstream(path / name, std::ios::binary) << bytes;
    }

    // The names in the folder, sorted.
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(path))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
};

// The file's text cut at every line: after 0, 1, ... n-1 whole lines, and once more inside each
// of those line ends (between CR and LF).
inline std::vector<std::string> cutsAtEveryLine(const std::string& text) {
    std::vector<std::string> cuts{""};
    for (std::size_t lf = text.find('\n'); lf != std::string::npos; lf = text.find('\n', lf + 1)) {
        if (lf + 1 == text.size())
            break; // cut inside the final line end, nothing is missing
        cuts.push_back(text.substr(0, lf));
        cuts.push_back(text.substr(0, lf + 1));
    }
    return cuts;
}

} // namespace tessary
