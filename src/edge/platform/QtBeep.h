// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Beep.h"

namespace tessary {

// The desktop has one bell; every kind of beep rings it.
class QtBeep : public Beep {
  public:
    void beep(Kind kind) override;
};

} // namespace tessary
