#include "activities/core/ActivityTime.h"

#include <array>

#include "common/core/Digits.h"

namespace zarvik {

namespace {

// The twelve hour words with their case endings; the suffix follows the last
// vowel and a final k softens ("dört" → "dördü"), so they are spelled out.
struct HourWord {
    QStringView plain;
    QStringView accusative;
    QStringView dative;
};

constexpr std::array<HourWord, 12> kHours = {{
    {u"bir", u"biri", u"bire"},
    {u"iki", u"ikiyi", u"ikiye"},
    {u"üç", u"üçü", u"üçe"},
    {u"dört", u"dördü", u"dörde"},
    {u"beş", u"beşi", u"beşe"},
    {u"altı", u"altıyı", u"altıya"},
    {u"yedi", u"yediyi", u"yediye"},
    {u"sekiz", u"sekizi", u"sekize"},
    {u"dokuz", u"dokuzu", u"dokuza"},
    {u"on", u"onu", u"ona"},
    {u"on bir", u"on biri", u"on bire"},
    {u"on iki", u"on ikiyi", u"on ikiye"},
}};

const HourWord& hourWord(int hour) {
    return kHours[static_cast<size_t>((hour + 11) % 12)];
}

// 1..29 as said between the hour and "geçiyor"/"var".
QString minutesWord(int minutes) {
    if (minutes == 15) return QStringLiteral("çeyrek");
    const int tens = minutes / 10;
    const int ones = minutes % 10;
    QString text = words::kTens[static_cast<size_t>(tens)].toString();
    if (ones > 0) {
        if (!text.isEmpty()) text += u' ';
        text += words::kOnes[static_cast<size_t>(ones)];
    }
    return text;
}

}  // namespace

QString timeInWords(int hour, int minute) {
    if (minute == 0) return QStringLiteral("saat ") + hourWord(hour).plain.toString();
    if (minute == 30) return hourWord(hour).plain.toString() + QStringLiteral(" buçuk");
    if (minute < 30)
        return hourWord(hour).accusative.toString() + u' ' + minutesWord(minute) +
               QStringLiteral(" geçiyor");
    return hourWord(hour % 12 + 1).dative.toString() + u' ' + minutesWord(60 - minute) +
           QStringLiteral(" var");
}

QString timeInDigits(int hour, int minute) {
    return QStringLiteral("%1:%2")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(minute, 2, 10, QLatin1Char('0'));
}

}  // namespace zarvik
