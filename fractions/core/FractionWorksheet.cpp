#include "fractions/core/FractionWorksheet.h"

#include "common/core/PageCells.h"
#include "fractions/core/FractionPage.h"

namespace zarvik {

using namespace fractions;

FractionWorksheet::FractionWorksheet() : page_(makeFractionPage()) {
    clearTable(exercises_);
}

QString FractionWorksheet::teacherCaption() const {
    return page_.cell(kTeacherLabel).text;
}

QString FractionWorksheet::dateCaption() const {
    return page_.cell(kDateLabel).text;
}

void FractionWorksheet::prepare(const FractionChoices& choices, RandomDraw& random) {
    refuseUnprintableFooterTexts(choices.teacher, choices.date);
    ExerciseTable table;
    clearTable(table);
    if (const auto kind = fractionKindFor(choices.operation, choices.type, choices.relation))
        generateFractions(*kind, random, table);
    exercises_ = table;
    fillFractionPage(page_, exercises_);
    setFractionFooter(page_, choices.teacher, choices.date);
}

}  // namespace zarvik
