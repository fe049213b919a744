#pragma once
// How a pupil answers an exercise on a screen, and how the answer is marked:
// the exercise's answer split into the fields the pupil fills in (one for
// each blank of a line, one for a figure's answer), each with the forms it
// takes as right and the way typed text is compared with them. The web page
// of a sheet (HtmlSheet.h) is built from these; the comparison itself runs
// in the page.

#include <QString>
#include <QStringList>
#include <vector>

#include "common/core/Exercise.h"

namespace zarvik {

// How a typed answer is compared, as a teacher would mark it. Every kind
// ignores spaces.
enum class AnswerCheck {
    Number,      // a decimal comma or point; "83.000" also as 83000
    Text,        // words and mixed texts: Turkish letters in any case,
                 // "3 kalan 2" = "3, kalan 2"
    Fraction,    // any equal fraction, mixed number or whole number
    Time,        // a clock read: the words, or the time in digits (9:30 = 21:30)
    NumberList,  // numbers in this order, separated anyhow
    NumberSet,   // the same numbers in any order
    Relation,    // one of "<", "=", ">", picked from a list
    ClockHands,  // the hands set on a clock face: "9:30"
};

// The letter the page knows a check by: "n", "t", "f", "h", "l", "s", "r", "c".
QChar answerCheckLetter(AnswerCheck check);

struct AnswerField {
    AnswerCheck check = AnswerCheck::Text;
    // The right answers as the key writes them; any one is right.
    QStringList accepted;
    // Numbers only: the phone brings up its numeric keyboard.
    bool numeric() const;
};

struct AnswerForm {
    // A line: its texts around the fields, one more than there are fields
    // ("12 + ", " = 18" around one field). Empty for a figure (a stacked
    // problem, a division frame, fractions, a clock, a picture), whose one
    // field goes where its answer is written.
    QStringList texts;
    std::vector<AnswerField> fields;
};

AnswerForm answerForm(const Exercise& exercise);

// Whether the exercise is shown as its figure (ExerciseFigure.h) rather than
// as a line of text.
bool answeredOnFigure(const Exercise& exercise);

}  // namespace zarvik
