#pragma once
// The time on a clock face as Turkish schools read it aloud, and in digits.
//
// - o'clock:            "saat üç"
// - half past:          "üç buçuk" (12:30 is "on iki buçuk")
// - 1 to 29 past:       the hour in the accusative, then the minutes and
//                       "geçiyor": "üçü on geçiyor", "üçü çeyrek geçiyor"
// - 31 to 59:           the next hour in the dative, the minutes still to go
//                       and "var": "dörde yirmi var", "bire beş var"
// Minutes are spelled as numbers ("yirmi beş"), 15 as "çeyrek".

#include <QString>

namespace zarvik {

// hour 1..12, minute 0..59.
QString timeInWords(int hour, int minute);
// "03:15"; hours 1..12 with two digits.
QString timeInDigits(int hour, int minute);

}  // namespace zarvik
