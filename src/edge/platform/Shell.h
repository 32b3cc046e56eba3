// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace tessary {

// What the desktop does for the game outside its own windows: open a web address or a
// document in the player's default program, or start another program. None of these waits.
class Shell {
  public:
    virtual ~Shell() = default;
    // Hands the address unchanged to the desktop's default handler; false when no browser (or
    // mail program) could be started, so the player can be given the address instead.
    virtual bool openLink(const std::string& address) = 0;
    // Opens a file in the desktop's default program for it; false when that cannot start.
    virtual bool openDocument(const std::string& path) = 0;
    // Starts a program; false when it cannot be started.
    virtual bool startProgram(const std::string& program, const std::vector<std::string>& args) = 0;
};

} // namespace tessary
