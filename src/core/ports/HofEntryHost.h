// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tessary {

// What the player typed in the name entry, and whether the online list was asked for too.
struct NameEntryAnswer {
    std::string name;
    std::string email;
    bool onlineEntry = false;
};

// What adding a result to the Hall of Fame asks of the edge: the name entry, the list's
// window, a message, the browser and today's date.
class HofEntryHost {
  public:
    virtual ~HofEntryHost() = default;

    // The name entry for place `rank`, opened on the name and e-mail given last; however it
    // closes, what was typed is the answer.
    virtual NameEntryAnswer askName(int rank, const std::string& name,
                                    const std::string& email) = 0;
    virtual void showHofWindow() = 0;
    virtual void showMessage(const std::string& text) = 0;
    virtual void openLink(const std::string& address) = 0;
    virtual std::string today() const = 0; // in the desktop's short date format
};

} // namespace tessary
