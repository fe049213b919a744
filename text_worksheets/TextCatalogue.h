#pragma once
// The text worksheet window's catalogue: the 28 exercise kinds in menu order,
// each with the fields it shows (captions and list items), its description
// and its kind code; the six menu groups and the five help items. The window
// builds its menu from these tables and every menu handler reads its row.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace zarvik {

// A drop-down list with its caption label. An empty caption hides both.
struct ParameterList {
    QString caption;
    QStringList items;
    bool shown() const { return !caption.isEmpty(); }
};

struct TextKind {
    int32_t code;
    int group;         // index into textMenuGroups()
    QString itemName;  // the menu item's designer name; the handler is itemName + "Click"
    QString menuText;
    ParameterList first;   // Label4 and ComboBox1
    ParameterList second;  // Label5 and ComboBox2
    QString checkCaption;  // Label6 and CheckBox1; empty hides both
    QString description;   // shown in Label1
    bool checkShown() const { return !checkCaption.isEmpty(); }
};

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
const std::vector<TextKind>& textKinds();
// nullptr for a code that is not in the menu.
const TextKind* findTextKind(int32_t code);
const std::vector<TextHelpItem>& textHelpItems();

// Label1's text before any choice.
QString textWindowStartText();
// Label7's text after a finished preparation.
QString textCompletionText();

}  // namespace zarvik
