#pragma once
// The windows of the families and their launcher buttons, read from the
// family list (common/core/FamilyList.h): start-up creates the windows in
// this order, hidden, and the launcher shows each from its button.

#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

#include "common/windows/AppContext.h"

namespace zarvik {

struct LauncherButton {
    const char* name;  // its object name: "ButtonEski"
    QString caption;
    // Its place on the launcher; empty: the next free place of the rows
    // below the original buttons.
    QRect geometry;
};

struct FamilyWindow {
    LauncherButton button;
    // A new hidden window; the caller owns it.
    QWidget* (*create)(AppContext& context);
};

using FamilyWindows = std::vector<FamilyWindow>;

// Every family's windows, in the families' order.
const std::vector<FamilyWindow>& familyWindows();

}  // namespace zarvik
