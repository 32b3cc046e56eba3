// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessary {

// The main window's own timers, menu entry and state that the rules switch.
class WindowControls {
  public:
    virtual ~WindowControls() = default;

    virtual void setBlinkTimer(bool on) = 0;  // Timer1, the selection blink
    virtual void setSaveEnabled(bool on) = 0; // "&Save This Game"
    virtual void minimizeMain() = 0;
    virtual void setDefaultPointer() = 0;
};

} // namespace tessary
