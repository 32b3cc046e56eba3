// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tessary::testing {

// The cases kept for one fuzz target: tests/regressions/<target>/*, sorted. A case whose
// name ends in ".ok", ".refused" or ".damaged" records how the reader must take it.
inline std::vector<std::filesystem::path> regressionCases(const std::string& target) {
    std::vector<std::filesystem::path> files;
    const std::filesystem::path dir = std::filesystem::path(TESSARY_REGRESSIONS_DIR) / target;
    if (std::filesystem::is_directory(dir))
        for (const auto& e : std::filesystem::directory_iterator(dir))
            if (e.is_regular_file() && e.path().filename().string()[0] != '.')
                files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

// "ok", "refused" or "damaged" from the case's name; "" when it records none.
inline std::string recordedOutcome(const std::filesystem::path& file) {
    const std::string ext = file.extension().string();
    return ext == ".ok" || ext == ".refused" || ext == ".damaged" ? ext.substr(1) : "";
}

inline std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace tessary::testing
