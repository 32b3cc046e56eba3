// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tessary {

// The one modal file chooser behind every file choice: saved games, pictures, music. The
// caller sets the properties, then shows it in open or save mode.
class FileChooser {
  public:
    static constexpr int kPathMustExist = 2048;
    static constexpr int kFileMustExist = 4096;

    enum class Mode { Open, Save };

    virtual ~FileChooser() = default;

    bool CancelError = false; // a cancel is reported as a failure instead of a normal return
    std::string DefaultExt;   // added when the player types no extension ("sav", ".bmp")
    std::string DialogTitle;
    std::string FileName; // initial name; after OK the chosen full path
    std::string Filter;   // "description|pattern|description|pattern"
    int Flags = 0;        // kPathMustExist, kFileMustExist; 0 never asks before overwriting
    std::string InitDir;  // folder to start in when FileName names none; the last choice's
    std::vector<std::string> AlsoAccept; // more patterns shown under the filter's first entry

    // Shows the chooser. Returns false only for a cancel with CancelError set; a cancel
    // without it returns true and leaves FileName as it was.
    // After OK the next showing starts in the chosen file's folder.
    bool show(Mode mode) {
        const std::string before = FileName;
        if (choose(mode)) {
            if (!FileName.empty())
                InitDir = std::filesystem::path(FileName).parent_path().string();
            return true;
        }
        FileName = before;
        return !CancelError;
    }

  protected:
    // Lets the player choose; true with FileName set on OK, false on cancel.
    virtual bool choose(Mode mode) = 0;
};

} // namespace tessary
