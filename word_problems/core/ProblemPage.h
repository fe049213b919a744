#pragma once
// The pages of a problem sheet, A4 or A5: the pupil header, the title and
// what to do, the problems one under another, each with its boxes to work
// in and its answer line (ExerciseFigure's "problem" shape), never split
// over two pages, and the teacher footer on every page. Tenths of a
// millimetre; nothing nearer than 8 mm to the paper's edge.

#include <QString>
#include <vector>

#include "common/core/Exercise.h"
#include "common/core/Page.h"

namespace zarvik {

inline constexpr QStringView kProblemTeacherLabel = u"TeacherLabel";
inline constexpr QStringView kProblemDateLabel = u"DateLabel";

struct ProblemPageText {
    QString title;        // "Toplama Problemleri"
    QString instruction;  // "2. sınıf: Problemleri okuyunuz ve çözünüz."
    int grade = 1;        // the text is larger for the first two grades
    bool halfPage = false;
};

std::vector<Page> makeProblemPages(const ProblemPageText& text, const ExerciseList& problems);

}  // namespace zarvik
