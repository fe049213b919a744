#pragma once
// One exercise of a sheet as a value, apart from the page it is printed on:
// its number on the sheet, the text the pupil reads, its answer, the key's
// line, and its shape with the numbers it is made of, so that any output
// (JSON, the answer key, a board, a web page) can show it without reading
// printed texts back.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <variant>
#include <vector>

#include "common/core/Page.h"

namespace zarvik {

enum class ExerciseShape {
    Line,          // a line with blanks: "45 + 713 = ____", "4 bin 5 yüz = ____"
    Column,        // numbers stacked over an answer line: first, operator, second
    LongDivision,  // a long-division frame: dividend, divisor
    Fractions,     // two fractions or mixed numbers and an operator
    Clock,         // a clock face to read, or to draw the hands on
    Sequence,      // numbers in a row, some left blank
    // Pictures, with their data in the values and their cells in `picture`:
    FractionModel,  // shapes or sets divided into equal parts, some shaded
    NumberLine,     // a number line with marks, some labelled
    Tally,          // data counted into a tally and frequency table
    Graph,          // a pictograph or a bar graph
    Grid,           // a shape on a centimetre grid
    Ruler,          // an object on a centimetre ruler
    Shapes,         // plane shapes to name or count
    Money,          // coins and notes
    Problem,        // a word problem: its text, boxes to work in, an answer line with its unit
};

// "line", "column", "division", "fractions", "clock", "sequence",
// "fraction-model", "number-line", "tally", "graph", "grid", "ruler",
// "shapes", "money", "problem".
QString shapeName(ExerciseShape shape);

// One named number, text, list of numbers or yes/no of an exercise.
struct ExerciseValue {
    QString name;
    std::variant<int64_t, QString, std::vector<int64_t>, bool> value;
};
using ExerciseValues = std::vector<ExerciseValue>;

struct Exercise {
    int number = 0;  // 1, 2, … as on the sheet
    QString text;    // as the page or the text file writes it
    QString answer;  // the result alone: "758", "3, kalan 2", "üçü çeyrek geçiyor"
    QString key;     // the key's line after "N) ": "45 + 713 = 758"
    ExerciseShape shape = ExerciseShape::Line;
    ExerciseValues values;
    // A picture its family draws itself (cells from the picture's top-left
    // corner, tenths of a millimetre); when given, outputs draw it instead of
    // a figure of the shape (ExerciseFigure.h). Cells named "Answer…" show
    // the answer (a shaded part, a drawn bar): only where the answer is shown.
    std::vector<Cell> picture;

    // The value of that name; nullptr when the exercise has none.
    const ExerciseValue* value(QStringView name) const;
    // A number value, or fallback.
    int64_t numberValue(QStringView name, int64_t fallback = 0) const;
};
using ExerciseList = std::vector<Exercise>;

// The key's lines of a sheet: "12) 45 + 713 = 758".
QStringList keyLines(const ExerciseList& exercises);

// {"number":1,"text":…,"answer":…,"shape":…,"values":{…}} each, in an array.
QString exercisesJson(const ExerciseList& exercises);

}  // namespace zarvik
