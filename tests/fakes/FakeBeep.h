// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Beep.h"

#include <vector>

namespace tessary::testing {

// Keeps every beep asked for, in order.
class FakeBeep : public Beep {
  public:
    std::vector<Kind> beeps;
    void beep(Kind kind) override { beeps.push_back(kind); }
};

} // namespace tessary::testing
