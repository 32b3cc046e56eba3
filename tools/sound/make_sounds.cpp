// Writes the game's sound effects, its background tunes and the sound list into the folder
// given (the repository's assets/ folder):
//
//   make_sounds path/to/assets
//
// The waves go to sounds/, the tunes next to the program (the game plays the "*.mid" files
// of its own folder), and tesssnd.dat names a wave for each effect number.
#include "Effects.h"
#include "Tunes.h"

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char* argv[]) {
    using namespace tessary::tools;
    if (argc != 2) {
        std::cerr << "usage: make_sounds ASSETS_FOLDER\n";
        return 2;
    }
    const std::filesystem::path assets(argv[1]);
    std::filesystem::create_directories(assets / "sounds");

    for (const auto& effect : effects())
        effect.make((assets / "sounds" / effect.file).string());
    for (const auto& tune : tunes())
        tune.write((assets / tune.file).string());

    std::ofstream list(assets / "tesssnd.dat", std::ios::binary);
    for (const auto& file : effectFilesByNumber())
        list << "sounds/" << file << "\r\n";
    if (!list) {
        std::cerr << "cannot write " << (assets / "tesssnd.dat") << "\n";
        return 1;
    }
    std::cout << "wrote " << effects().size() << " sounds, " << tunes().size()
              << " tunes and the sound list to " << assets << "\n";
    return 0;
}
