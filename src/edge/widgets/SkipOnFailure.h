// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <exception>

namespace tessary {

// Runs one step of a handler in the game's skip-and-continue mode: whatever fails inside it (a
// cell index off the tables, a failed allocation) ends that step only, and the game goes on
// with the next event. The failure is caught here, in the game's own code, so it never unwinds
// through the window system's frames (which would leak what they hold).
template <typename Step> void skipOnFailure(Step&& step) noexcept {
    try {
        step();
    } catch (const std::exception& failure) {
        qWarning("Tessary: a step failed and was skipped: %s", failure.what());
    } catch (...) {
        qWarning("Tessary: a step failed and was skipped");
    }
}

} // namespace tessary
