#pragma once
// The A4 activity page: the pupil header, the title, the numbered items laid
// out for the kind (clock faces, two columns or one) and the teacher footer.
// All in tenths of a millimetre; nothing comes nearer than 1 cm to the edge.

#include <QString>

#include "activities/core/ActivityKinds.h"
#include "common/core/Page.h"

namespace zarvik {

inline constexpr QStringView kActivityTitleCell = u"Title";
inline constexpr QStringView kActivityTeacherLabel = u"TeacherLabel";
inline constexpr QStringView kActivityDateLabel = u"DateLabel";

// The page of the sheet's items. key: the teacher's copy, with the hands
// drawn on every face and the answers under them.
Page makeActivityPage(const ActivityKind& kind, const ActivitySheet& sheet, bool key = false);

// Whether the sheet's items are pictures (ActivityItem::picture), laid out
// in rows with their answers drawn on the key.
bool hasPictures(const ActivitySheet& sheet);

// The item's text as it goes to paper: each blank a line long enough to write on.
QString printedItemText(const QString& text);

}  // namespace zarvik
