#include "common/windows/FamilyWindows.h"

#include "common/core/FamilyList.h"

namespace zarvik {

#define ZARVIK_DECLARE_WINDOWS(folder, command) const FamilyWindows& folder##Windows();
ZARVIK_FAMILIES(ZARVIK_DECLARE_WINDOWS)
#undef ZARVIK_DECLARE_WINDOWS

const std::vector<FamilyWindow>& familyWindows() {
    static const std::vector<FamilyWindow> all = [] {
        std::vector<FamilyWindow> windows;
#define ZARVIK_ADD_WINDOWS(folder, command) \
    for (const FamilyWindow& window : folder##Windows()) windows.push_back(window);
        ZARVIK_FAMILIES(ZARVIK_ADD_WINDOWS)
#undef ZARVIK_ADD_WINDOWS
        return windows;
    }();
    return all;
}

}  // namespace zarvik
