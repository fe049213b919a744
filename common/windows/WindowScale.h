#pragma once
// The program's own scale, for a desktop that does not scale its windows
// (a 4K board left at 100 %): the fixed window designs, their fonts and
// every dialog opened afterwards drawn that many times larger. Chosen in the
// launcher's menu and kept for the run; nothing is saved. Where the desktop
// scales, Qt follows it by itself and this stays at 1.

#include <QWidget>
#include <span>

namespace zarvik {

// 1, 1.25, …, 3: the menu's choices.
std::span<const double> programScales();
double programScale();

// Scales the windows (and whatever they hold but separate windows such as
// the board) to factor, from their designs as built; the application font
// follows, for the dialogs opened later.
void setProgramScale(double factor, std::span<QWidget* const> windows);

}  // namespace zarvik
