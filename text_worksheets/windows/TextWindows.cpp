#include "common/windows/FamilyWindows.h"
#include "text_worksheets/windows/Zarvikeski.h"

namespace zarvik {

const FamilyWindows& text_worksheetsWindows() {
    static const FamilyWindows windows{
        {{"ButtonEski", QStringLiteral("Yan Yana!"), {8, 40, 97, 25}},
         [](AppContext& context) -> QWidget* { return new TFormZarvikEski(context); }},
    };
    return windows;
}

}  // namespace zarvik
