// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessary {

// The desktop's warning sounds: the plain beep, and the exclamation and "hand" (stop) beeps
// that go with messages.
class Beep {
  public:
    enum class Kind { Plain, Exclamation, Hand };
    virtual ~Beep() = default;
    virtual void beep(Kind kind) = 0;
};

} // namespace tessary
