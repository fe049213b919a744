#pragma once
// The activity kinds as one table: each kind's name (the window's list and
// zarvik-cli's --kind), the page title, its options with their captions,
// items and start values, and the generator that draws the page's items with
// their answers. The window, zarvik-cli, the tests and the benchmark read it.

#include <QString>
#include <QStringList>
#include <vector>

#include "common/core/Exercise.h"
#include "common/core/RandomDraw.h"

namespace zarvik {

// One option of a kind: a drop-down list in the window, --opt "CAPTION=ITEM"
// for zarvik-cli.
struct ActivityOption {
    QString caption;
    QStringList items;
    QString start;
};

// One numbered item as printed, blanks as kActivityBlank, and its answer.
struct ActivityItem {
    ActivityItem() = default;
    ActivityItem(QString text, QString answer, bool clock = false, int hour = 0, int minute = 0)
        : text(std::move(text)), answer(std::move(answer)), clock(clock), hour(hour), minute(minute) {}

    QString text;
    QString answer;
    // Clock items: the time on (or for) the face, hour 1..12, minute 0..59.
    bool clock = false;
    int hour = 0;
    int minute = 0;
    // What the item is made of, for outputs other than the page: a row of
    // numbers with blanks, a missing number in an operation.
    ExerciseShape shape = ExerciseShape::Line;
    ExerciseValues values;
    // Picture items: the item's cells from its top-left corner, after its
    // number, as the page places them; cells named "Answer…" are the key's.
    std::vector<Cell> picture;
};

inline constexpr QStringView kActivityBlank = u"___";

enum class ActivityLayout {
    ClockFaces,  // 12 faces in three columns; the item's text under its face
    TwoColumns,  // short items in two columns
    OneColumn,   // long items across the page
    Pictures,    // items with pictures, in rows as wide as they are
};

struct ActivitySheet {
    QString title;
    std::vector<ActivityItem> items;
};

// The chosen items, one per option of the kind, in the table's order.
using ActivityValues = QStringList;

struct ActivityKind {
    QString name;
    std::vector<ActivityOption> options;
    ActivityLayout layout;
    // Clock faces: whether the pupil's page shows the hands (the key always does).
    bool handsOnPage;
    // Draws the items from the values, which are items of the options.
    ActivitySheet (*generate)(const ActivityValues& values, RandomDraw& random);
};

const std::vector<ActivityKind>& activityKinds();
// The kind of the given name; nullptr for any other text.
const ActivityKind* activityKind(QStringView name);
// Every kind's option values at their start.
ActivityValues startValues(const ActivityKind& kind);

// The items as exercises: clock faces with their time, the others as their
// lines; the key writes each answer alone: "3) üçü çeyrek geçiyor (03:15)".
ExerciseList activityExercises(const ActivitySheet& sheet, bool handsOnPage);
QStringList activityAnswerLines(const ActivitySheet& sheet);

}  // namespace zarvik
