#pragma once
// The text worksheet kinds, one row each: the menu item and the fields the
// window shows for it, the values its generator refuses, the generator and
// how its answers are worked out. The window's menu, the dispatch, the answer
// keys and zarvik-cli all read this table, so a new kind is one more row.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace zarvik {

class LineWriter;
class RandomDraw;
struct TextAnswer;
struct TextExercise;

// The caption of Edit1, the number of exercises, which every kind shows.
inline constexpr QStringView kExerciseCountCaption = u"Alıştırma sayısı";

// A drop-down list with its caption label. An empty caption hides both.
struct ParameterList {
    QString caption;
    QStringList items;
    // A list of words is handed to the generator as picked; any other shown
    // list is read as a number.
    bool words = false;
    bool shown() const { return !caption.isEmpty(); }
};

// The fields as the generator gets them, read in the window's order:
// ComboBox1, ComboBox2, then Edit1. A hidden list is not read at all.
struct TextValues {
    int32_t first = 0;
    int32_t second = 0;
    QString firstWord;  // the lists' texts when they hold words
    QString secondWord;
    int32_t count = 0;
    bool checked = false;  // always false for a kind without the check box
};

struct TextKind;
using TextGenerator = void (*)(const TextValues&, RandomDraw&, LineWriter&);
// Throws InputRefused (or DivisionByZero) for values the generator cannot
// work with; the kind gives the captions the messages name.
using TextCheck = void (*)(const TextKind&, const TextValues&);
using TextAnswerOf = TextAnswer (*)(const TextExercise&);

struct TextKind {
    int32_t code;
    int group;         // index into textMenuGroups()
    QString itemName;  // the menu item's designer name; the handler is itemName + "Click"
    QString menuText;
    ParameterList first;   // Label4 and ComboBox1
    ParameterList second;  // Label5 and ComboBox2
    QString checkCaption;  // Label6 and CheckBox1; empty hides both
    QString description;   // shown in Label1
    TextGenerator generate;
    TextAnswerOf answer;
    TextCheck check = nullptr;  // once every field is read
    // Once the lists are read, before the count: for work the reading itself
    // does and that can fail first.
    TextCheck checkLists = nullptr;
    bool checkShown() const { return !checkCaption.isEmpty(); }
};

// Menu order.
const std::vector<TextKind>& textKinds();
// nullptr for a code that is not in the menu.
const TextKind* findTextKind(int32_t code);

}  // namespace zarvik
