#pragma once
// Start-up: the windows of a run, created hidden in their fixed order (the
// launcher first, so it is the main window; then the families' windows in
// the order of common/core/FamilyList.h, the fraction window's creation
// seeding the shared random draw) and destroyed at the end.

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "app/Windows.h"
#include "common/windows/AppContext.h"

class QWidget;

namespace zarvik {

class StartedWindows {
  public:
    // created is told of each window right after its creation (tests follow the order).
    explicit StartedWindows(AppContext& context, const std::function<void(QWidget*)>& created = {});
    ~StartedWindows();
    StartedWindows(const StartedWindows&) = delete;
    StartedWindows& operator=(const StartedWindows&) = delete;

    const Windows& windows() const { return windows_; }

  private:
    Windows windows_;
    std::vector<std::unique_ptr<QWidget>> owned_;
};

// The whole program: start-up, the event loop until the launcher closes, and
// the error box for an error escaping either. Returns the exit status (0).
int runProgram(int argc, char** argv);

}  // namespace zarvik
