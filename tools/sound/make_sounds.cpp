// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the game's sound effects, its background tunes and the sound list into the folder
// given (the repository's assets/ folder):
//
//   make_sounds [--check] path/to/assets
//
// The waves go to sounds/, the tunes next to the program (the game plays the "*.mid" files
// of its own folder), and tesssnd.dat names a wave for each effect number. --check writes
// them into a scratch folder instead and fails if any committed file differs.
#include "Effects.h"
#include "Tunes.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace tessary::tools;
namespace fs = std::filesystem;

// Every file the tool makes, relative to the assets folder.
std::vector<fs::path> writeAll(const fs::path& assets) {
    std::vector<fs::path> made;
    fs::create_directories(assets / "sounds");
    for (const auto& effect : effects()) {
        effect.make((assets / "sounds" / effect.file).string());
        made.push_back(fs::path("sounds") / effect.file);
    }
    for (const auto& tune : tunes()) {
        tune.write((assets / tune.file).string());
        made.push_back(tune.file);
    }
    std::ofstream list(assets / "tesssnd.dat", std::ios::binary);
    for (const auto& file : effectFilesByNumber())
        list << "sounds/" << file << "\r\n";
    if (!list)
        throw std::runtime_error("cannot write " + (assets / "tesssnd.dat").string());
    made.push_back("tesssnd.dat");
    return made;
}

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : std::string();
}

int check(const fs::path& assets) {
    const fs::path scratch =
        fs::temp_directory_path() / ("make_sounds-check-" + std::to_string(::getpid()));
    int failed = 0;
    for (const auto& file : writeAll(scratch)) {
        if (!fs::exists(assets / file)) {
            std::cerr << "FAILED " << file.string() << ": is missing\n";
            ++failed;
        } else if (contents(assets / file) != contents(scratch / file)) {
            std::cerr << "FAILED " << file.string()
                      << ": differs from what the tool makes; run it again and commit the result\n";
            ++failed;
        } else {
            std::cout << "same   " << file.string() << "\n";
        }
    }
    fs::remove_all(scratch);
    return failed == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool checking = argc == 3 && std::string(argv[1]) == "--check";
    if (argc != 2 && !checking) {
        std::cerr << "usage: make_sounds [--check] ASSETS_FOLDER\n";
        return 2;
    }
    const fs::path assets(argv[argc - 1]);
    try {
        if (checking)
            return check(assets);
        writeAll(assets);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    std::cout << "wrote " << effects().size() << " sounds, " << tunes().size()
              << " tunes and the sound list to " << assets << "\n";
    return 0;
}
