#include "column_worksheets/windows/Zarvikaltalta.h"
#include "column_worksheets/windows/Zarvikaltaltatamsayfa.h"
#include "common/windows/FamilyWindows.h"

namespace zarvik {

const FamilyWindows& column_worksheetsWindows() {
    static const FamilyWindows windows{
        {{"ButtonYeni", QStringLiteral("Yarım Sayfa"), {8, 136, 97, 25}},
         [](AppContext& context) -> QWidget* { return new TFormZarvikAltAlta(context); }},
        {{"Button1Sinif", QStringLiteral("Tam Sayfa"), {8, 72, 97, 25}},
         [](AppContext& context) -> QWidget* { return new TFormZarvikAltAltaTamSayfa(context); }},
    };
    return windows;
}

}  // namespace zarvik
