#pragma once
// Text worksheets on paper: the exercises a preparation drew, laid out on A4
// pages with the pupil header and teacher footer of the other families, the
// kind's menu text as the title, numbered exercises in two to five columns
// and room after each for its answer. Built from the lines as drawn (never by
// reading Zarvik.txt back), so the pages hold exactly the file's exercises.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

#include "common/core/Exercise.h"
#include "common/core/Page.h"
#include "common/core/RandomDraw.h"
#include "text_worksheets/core/TextWorksheet.h"

namespace zarvik {

// One preparation's exercises: each line as the file holds it (Unicode,
// without its CR LF) and its answer.
struct TextSheet {
    int32_t kind = 0;
    QStringList lines;
    QStringList answers;  // each exercise's answer, "758"
    QStringList keys;     // for the key: "45+713 = 758"
    std::vector<TextExercise> drawn;
    bool reading = false;  // numbers to read: the pupil writes words, not a result
    // Divisions that may leave a remainder: every exercise gets a blank for
    // it, so that its absence gives nothing away.
    bool remainders = false;
};

// The sheet's exercises: each line as the file holds it, its answer and the
// numbers it was drawn from.
ExerciseList textSheetExercises(const TextSheet& sheet);

// The title of the kind's pages: its menu text.
QString textSheetTitle(int32_t kind);

// Draws exactly as generateTextWorksheet does (the same draws, the same
// errors) and keeps the lines; the bytes also go to alsoTo when given, and
// progress is told as the generation tells it.
TextSheet drawTextSheet(int32_t kind, const TextFields& fields, RandomDraw& random,
                        ByteSink* alsoTo = nullptr, TextProgress* progress = nullptr);

// An exercise as the page prints it: signs spaced, "x" for the file's "X",
// and a writing blank ("____") where the answer goes, long enough for answer;
// with a remainder, "kalan" and a second blank long enough for it.
QString printedTextExercise(const QString& line, const QString& answer, bool reading,
                            const QString& remainder = {});

// The pages of a sheet, handed out one by one (a long sheet never sits in
// memory at once). A sheet without exercises still gives one page.
void buildTextPages(const TextSheet& sheet, const QString& teacherName, const QString& date,
                    const std::function<void(Page&&)>& pageDone);

// Cell names of the text pages, for tests and the pupil name.
inline constexpr QStringView kTextTitleCell = u"Title";
inline constexpr QStringView kTextPageNumberCell = u"PageNumber";
QString textExerciseCell(int indexOnPage);  // 1-based

}  // namespace zarvik
