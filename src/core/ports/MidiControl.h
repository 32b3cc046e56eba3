// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace tessary {

// The background music player, driven like a media control by command strings: "open" the
// file named by FileName, "play", "pause", "close". Mode and Error tell the state and the
// outcome of the last command. A command sent with Notify set raises Done on the
// user-interface thread when it completes: for "play", when the song has played to its end.
//
// Notify and Wait apply to the next command only and are cleared by it. "open" over a song
// that is open closes that one first.
class MidiControl {
  public:
    // The commands, and the one device type.
    static constexpr const char* kOpen = "open";
    static constexpr const char* kPlay = "play";
    static constexpr const char* kPause = "pause";
    static constexpr const char* kClose = "close";
    static constexpr const char* kSequencer = "sequencer";

    // Mode values.
    static constexpr int kModeNotOpen = 524;
    static constexpr int kModeStopped = 525;
    static constexpr int kModePlaying = 526;
    static constexpr int kModePaused = 529;

    // Done codes.
    static constexpr int kNotifySuccessful = 1;
    static constexpr int kNotifySuperseded = 2; // another notifying command replaced it
    static constexpr int kNotifyAborted = 4;    // the song was closed before its end
    static constexpr int kNotifyFailure = 8;

    // Error values (0 = the last command succeeded).
    static constexpr int kErrorNone = 0;
    static constexpr int kErrorUnknownCommand = 261;
    static constexpr int kErrorHardware = 262;  // the sound system cannot be reached
    static constexpr int kErrorBadDevice = 263; // DeviceType is not "sequencer"
    static constexpr int kErrorFileNotFound = 275;
    static constexpr int kErrorNotOpen = 276;
    static constexpr int kErrorInvalidFile = 296;

    virtual ~MidiControl() = default;

    virtual void Command(const std::string& command) = 0;
    virtual void setDeviceType(const std::string& type) = 0;
    virtual void setFileName(const std::string& file) = 0;
    virtual std::string FileName() const = 0;
    virtual void setNotify(bool on) = 0;
    virtual void setWait(bool on) = 0;
    virtual int Mode() const = 0;
    virtual int Error() const = 0;

    // Receives Done(notifyCode), always on the user-interface thread and never from inside
    // Command itself.
    virtual void setDoneHandler(std::function<void(int notifyCode)> handler) = 0;
};

} // namespace tessary
