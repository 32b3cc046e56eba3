// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Shell.h"

namespace tessary {

// The desktop's services through Qt: QDesktopServices for addresses and documents, a
// detached process for programs.
class QtShell : public Shell {
  public:
    bool openLink(const std::string& address) override;
    bool openDocument(const std::string& path) override;
    bool startProgram(const std::string& program, const std::vector<std::string>& args) override;
};

} // namespace tessary
