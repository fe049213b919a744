#include "common/windows/FamilyWindows.h"
#include "mixed_sheets/windows/Zarvikkarma.h"

namespace zarvik {

const FamilyWindows& mixed_sheetsWindows() {
    static const FamilyWindows windows{
        // Without a place: a row of its own below the original buttons.
        {{"ButtonKarma", QStringLiteral("Karma Sayfa"), {}},
         [](AppContext& context) -> QWidget* { return new TFormZarvikKarma(context); }},
    };
    return windows;
}

}  // namespace zarvik
