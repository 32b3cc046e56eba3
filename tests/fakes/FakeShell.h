// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Shell.h"

#include <string>
#include <vector>

namespace tessary::testing {

// Logs each address, document and program the game asks the desktop to open.
class FakeShell : public Shell {
  public:
    std::vector<std::string> log;
    bool programsStart = true;
    bool linksOpen = true; // false: no browser can be started
    bool openLink(const std::string& address) override {
        log.push_back("link " + address);
        return linksOpen;
    }
    bool openDocument(const std::string& path) override {
        log.push_back("document " + path);
        return true;
    }
    bool startProgram(const std::string& program, const std::vector<std::string>&) override {
        log.push_back("program " + program);
        return programsStart;
    }
};

} // namespace tessary::testing
