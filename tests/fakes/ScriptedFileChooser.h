// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileChooser.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tessary::testing {

// Answers each showing with the next scripted path, or a cancel for std::nullopt, and keeps
// the settings each showing was made with.
class ScriptedFileChooser : public FileChooser {
  public:
    struct Showing {
        Mode mode;
        std::string title, filter, defaultExt, fileName;
        int flags;
        bool cancelError;
    };
    std::deque<std::optional<std::string>> answers;
    std::vector<Showing> showings;
    std::function<void()> onShow; // runs while the chooser is up

  protected:
    bool choose(Mode mode) override {
        showings.push_back({mode, DialogTitle, Filter, DefaultExt, FileName, Flags, CancelError});
        if (onShow)
            onShow();
        std::optional<std::string> answer;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        if (!answer)
            return false;
        FileName = *answer;
        return true;
    }
};

} // namespace tessary::testing
