#include "word_problems/core/ProblemWorksheet.h"

#include "common/core/PageCells.h"
#include "word_problems/core/ProblemPage.h"

namespace zarvik {

QString problemInstruction(const ProblemSheet& sheet) {
    QString what;
    if (problemThemes()[static_cast<size_t>(sheet.theme)].posing)
        what = QStringLiteral("İşlemlere uygun birer problem yazınız ve çözünüz.");
    else if (sheet.grade >= 3)
        what = QStringLiteral("Problemleri okuyunuz; verilenleri ve istenenleri yazarak çözünüz.");
    else
        what = QStringLiteral("Problemleri dikkatle okuyunuz ve çözünüz.");
    return QStringLiteral("%1. sınıf: %2").arg(sheet.grade).arg(what);
}

void ProblemWorksheet::prepare(const ProblemChoices& choices, const Cast& cast,
                               RandomDraw& random) {
    refuseUnprintableFooterTexts(choices.teacher, choices.date);
    const CheckedChoices checked = checkProblemChoices(choices);
    ProblemSheet sheet = drawProblemSheet(checked, cast, random);
    ExerciseList exercises = problemExercises(sheet);
    std::vector<Page> pages = makeProblemPages(
        {problemThemes()[static_cast<size_t>(sheet.theme)].title, problemInstruction(sheet),
         sheet.grade, sheet.halfPage},
        exercises);
    for (Page& page : pages)
        setTeacherFooterCaptions(page, kProblemTeacherLabel, kProblemDateLabel, choices.teacher,
                                 choices.date);

    // Nothing below can fail.
    prepared_ = true;
    sheet_ = std::move(sheet);
    exercises_ = std::move(exercises);
    pages_ = std::move(pages);
    teacher_ = choices.teacher;
    date_ = choices.date;
}

QString ProblemWorksheet::title() const {
    return prepared_ ? problemThemes()[static_cast<size_t>(sheet_.theme)].title : QString();
}

QString ProblemWorksheet::instruction() const {
    return prepared_ ? problemInstruction(sheet_) : QString();
}

QString ProblemWorksheet::teacherCaption() const {
    return zarvik::teacherCaption(teacher_);
}

}  // namespace zarvik
