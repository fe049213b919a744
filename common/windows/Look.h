#pragma once
// The program's look on Linux. The windows were laid out in pixels for an
// 8-point dialog font of about 11 pixels; the substitutes below keep every
// caption inside its fixed window and cover the Turkish letters (İ ı Ğ ğ Ş ş).

#include <QFont>
#include <QIcon>

class QApplication;
class QWidget;

namespace zarvik {

// The dialog font of every window ("MS Sans Serif" 8 pt in the layouts).
QFont dialogFont();
// The publisher's banner on the launcher and the worksheet windows
// ("Comic Sans MS" 12 pt in the layouts).
QFont bannerFont();

QIcon programIcon();
QIcon textWindowIcon();

// Application-wide: font substitutes for the layout fonts, the dialog font,
// the application icon.
void installLook(QApplication& application);

// Moves a window to the centre of the screen it is on.
void centreOnScreen(QWidget& window);

}  // namespace zarvik
