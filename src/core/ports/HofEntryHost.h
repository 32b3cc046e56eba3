#pragma once

#include <string>

namespace tessary {

// What adding a result to the Hall of Fame asks of the edge: the name entry, the list's
// window, a message, the browser and today's date.
class HofEntryHost {
  public:
    virtual ~HofEntryHost() = default;

    // The name entry for place `rank`; true when the player asked for the online list too.
    virtual bool showNameEntry(int rank) = 0;
    virtual void showHofWindow() = 0;
    virtual void showMessage(const std::string& text) = 0;
    virtual void openLink(const std::string& address) = 0;
    virtual std::string today() const = 0; // in the desktop's short date format
};

} // namespace tessary
