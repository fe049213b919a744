#include "common/windows/FamilyWindows.h"
#include "fractions/windows/Zarvikkesir.h"

namespace zarvik {

const FamilyWindows& fractionsWindows() {
    static const FamilyWindows windows{
        {{"ButtonKesir", QStringLiteral("Kesirler"), {8, 104, 97, 25}},
         [](AppContext& context) -> QWidget* { return new TFormZarvikKesir(context); }},
    };
    return windows;
}

}  // namespace zarvik
