#include "common/windows/FamilyWindows.h"
#include "word_problems/windows/Zarvikproblem.h"

namespace zarvik {

const FamilyWindows& word_problemsWindows() {
    static const FamilyWindows windows{
        // No place of its own: it goes into the row below the original buttons.
        {{"ButtonProblem", QStringLiteral("Problemler"), {}},
         [](AppContext& context) -> QWidget* { return new TFormZarvikProblem(context); }},
    };
    return windows;
}

}  // namespace zarvik
