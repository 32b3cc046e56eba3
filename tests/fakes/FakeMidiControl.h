// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/MidiControl.h"

#include <deque>
#include <set>
#include <string>
#include <vector>

namespace tessary::testing {

// A media control without sound. It logs each command as a line ("open a.mid", "play
// notify", "pause", "close"), keeps Mode as a sequencer would, and holds Done codes until
// deliver() runs them, as the window's event queue would.
class FakeMidiControl : public MidiControl {
  public:
    std::vector<std::string> log;
    std::set<std::string> unplayable; // files that fail to open
    std::deque<int> pendingDone;

    void Command(const std::string& command) override {
        log.push_back(command + (command == "open" ? " " + fileName_ : "") +
                      (notify_ ? " notify" : ""));
        error_ = kErrorNone;
        if (command == "open")
            open();
        else if (command == "play")
            play();
        else if (command == "pause")
            pause();
        else if (command == "close")
            release();
        else
            error_ = kErrorUnknownCommand;
        if (error_ == kErrorNone && notify_ && command != "play")
            pendingDone.push_back(kNotifySuccessful);
        notify_ = false;
        wait_ = false;
    }
    void setDeviceType(const std::string& type) override { deviceType_ = type; }
    void setFileName(const std::string& file) override { fileName_ = file; }
    std::string FileName() const override { return fileName_; }
    void setNotify(bool on) override { notify_ = on; }
    void setWait(bool on) override { wait_ = on; }
    int Mode() const override { return mode_; }
    int Error() const override { return error_; }
    void setDoneHandler(std::function<void(int)> handler) override { done_ = std::move(handler); }

    // The song plays to its last note.
    void endSong() {
        if (mode_ != kModePlaying)
            return;
        mode_ = kModeStopped;
        if (endPending_) {
            endPending_ = false;
            pendingDone.push_back(kNotifySuccessful);
        }
    }

    // Runs the Done events that are waiting, including any raised while they run.
    void deliver() {
        while (!pendingDone.empty()) {
            const int code = pendingDone.front();
            pendingDone.pop_front();
            if (done_)
                done_(code);
        }
    }

    bool hasDoneHandler() const { return static_cast<bool>(done_); }
    std::string deviceType() const { return deviceType_; }

  private:
    void open() {
        release();
        if (deviceType_ != "sequencer")
            error_ = kErrorBadDevice;
        else if (fileName_.empty())
            error_ = kErrorFileNotFound;
        else if (unplayable.count(fileName_))
            error_ = kErrorInvalidFile;
        else
            mode_ = kModeStopped;
    }
    void play() {
        if (mode_ == kModeNotOpen) {
            error_ = kErrorNotOpen;
            return;
        }
        mode_ = kModePlaying;
        if (notify_) {
            if (endPending_)
                pendingDone.push_back(kNotifySuperseded);
            endPending_ = true;
        }
    }
    void pause() {
        if (mode_ == kModeNotOpen)
            error_ = kErrorNotOpen;
        else if (mode_ == kModePlaying)
            mode_ = kModePaused;
    }
    void release() {
        if (endPending_)
            pendingDone.push_back(kNotifyAborted);
        endPending_ = false;
        mode_ = kModeNotOpen;
    }

    std::string deviceType_, fileName_;
    bool notify_ = false, wait_ = false, endPending_ = false;
    int mode_ = kModeNotOpen;
    int error_ = kErrorNone;
    std::function<void(int)> done_;
};

} // namespace tessary::testing
