#include "activities/windows/Zarviketkinlik.h"
#include "common/windows/FamilyWindows.h"

namespace zarvik {

const FamilyWindows& activitiesWindows() {
    static const FamilyWindows windows{
        // Inside the launcher's frame, which was empty, so that no other control moves.
        {{"ButtonEtkinlik", QStringLiteral("Etkinlikler"), {116, 104, 89, 25}},
         [](AppContext& context) -> QWidget* { return new TFormZarvikEtkinlik(context); }},
    };
    return windows;
}

}  // namespace zarvik
