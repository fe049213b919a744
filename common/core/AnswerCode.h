#pragma once
// A sheet's answers as a QR code carries them, plain text any phone camera
// shows: "1) 297 2) 48 3) on iki". A long list is cut between answers into
// parts, one code each, so that no code gets too dense to print and read.

#include <QString>
#include <QStringList>

#include "common/core/Exercise.h"

namespace zarvik {

// Where a class set's answer codes go.
enum class AnswerCodePlace {
    None,
    SheetFooter,  // at the foot of each pupil's sheet
    Key,          // on the answer key, one per pupil
};

// The most bytes of text one code holds: a code of this much (error
// correction M) is about 26 mm wide at a size phones read from paper.
inline constexpr qsizetype kMostAnswerCodeBytes = 400;

// "1) 297 2) 48 …" in parts of at most mostBytes bytes (UTF-8), each starting
// at an answer; an answer longer than that is a part by itself.
QStringList answerCodeTexts(const ExerciseList& exercises,
                            qsizetype mostBytes = kMostAnswerCodeBytes);

}  // namespace zarvik
