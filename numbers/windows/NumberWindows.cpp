#include "common/windows/FamilyWindows.h"
#include "numbers/windows/Zarviksayilar.h"

namespace zarvik {

const FamilyWindows& numbersWindows() {
    static const FamilyWindows windows{
        {{"ButtonSayilar", QStringLiteral("Sayı Alıştırmaları"), {112, 40, 97, 25}},
         [](AppContext& context) -> QWidget* { return new TFormZarvikSayilar(context); }},
    };
    return windows;
}

}  // namespace zarvik
