#pragma once
// The text worksheet window's catalogue: the six menu groups, the five help
// items and the window's fixed texts. The exercise kinds themselves are the
// rows of textKinds(); the window builds its menu from these tables and every
// menu handler reads its row.

#include <QString>
#include <vector>

#include "text_worksheets/core/TextKinds.h"

namespace zarvik {

struct TextMenuGroup {
    QString itemName;
    QString menuText;
};

struct TextHelpItem {
    QString itemName;
    QString caption;  // the menu text, also shown in Label8
    QString text;     // shown in Label1
};

// The top-level menus of the window.
struct TextMainMenu {
    QString itemName;
    QString menuText;
};
TextMainMenu textExercisesMenu();  // "&İşlemler"
TextMainMenu textHelpMenu();       // "&Yardım"

const std::vector<TextMenuGroup>& textMenuGroups();
const std::vector<TextHelpItem>& textHelpItems();

// Label1's text before any choice.
QString textWindowStartText();
// Label7's text after a finished preparation.
QString textCompletionText();

}  // namespace zarvik
