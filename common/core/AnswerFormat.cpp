#include "common/core/AnswerFormat.h"

#include <QStringList>

#include <numeric>
#include <stdexcept>
#include "common/core/Digits.h"

namespace zarvik::answers {

namespace {

// Words of 0..999, empty for 0; "yüz", not "bir yüz".
QString groupWords(int value) {
    QStringList parts;
    const int hundreds = value / 100, tens = value / 10 % 10, units = value % 10;
    if (hundreds > 1) parts << words::kOnes[hundreds].toString();
    if (hundreds > 0) parts << words::kHundred.toString();
    if (tens > 0) parts << words::kTens[tens].toString();
    if (units > 0) parts << words::kOnes[units].toString();
    return parts.join(u' ');
}

QString toText(__int128 value) {
    if (value == 0) return QStringLiteral("0");
    const bool negative = value < 0;
    unsigned __int128 magnitude =
        negative ? static_cast<unsigned __int128>(-value) : static_cast<unsigned __int128>(value);
    QString digits;
    while (magnitude) {
        digits.prepend(QChar(u'0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    }
    return negative ? u'-' + digits : digits;
}

__int128 power10(int e) {
    return exactPowerOfTen<__int128>(e);
}

Decimal align(Decimal value, int scale) {
    return {value.units * power10(scale - value.scale), scale};
}

}  // namespace

QString numberWords(QStringView digits) {
    qsizetype start = 0;
    while (start < digits.size() && digits[start] == u'0')
        ++start;
    const QStringView significant = digits.mid(start);
    if (significant.isEmpty()) return words::kZero.toString();
    const qsizetype groups = (significant.size() + 2) / 3;
    if (groups > qsizetype(words::kGroups.size()))
        throw std::invalid_argument("number too long for words");
    QStringList parts;
    qsizetype end = significant.size() % 3 == 0 ? 3 : significant.size() % 3;
    qsizetype begin = 0;
    for (qsizetype g = groups - 1; g >= 0; --g) {
        const int value = significant.mid(begin, end - begin).toInt();
        if (value != 0) {
            // One thousand is "bin", never "bir bin".
            if (!(g == 1 && value == 1)) parts << groupWords(value);
            if (g > 0) parts << words::kGroups[g].toString();
        }
        begin = end;
        end += 3;
    }
    return parts.join(u' ');
}

QString numberWords(uint64_t value) {
    return numberWords(QString::number(value));
}

QString decimalWords(QStringView wholeDigits, QStringView fractionDigits) {
    static const char16_t* const kPlaces[] = {
        u"",          u"onda",     u"yüzde",       u"binde",        u"on binde",
        u"yüz binde", u"milyonda", u"on milyonda", u"yüz milyonda", u"milyarda"};
    if (fractionDigits.size() >= qsizetype(std::size(kPlaces)))
        throw std::invalid_argument("fraction too long for words");
    return numberWords(wholeDigits) + QStringLiteral(" tam ") +
           QString::fromUtf16(kPlaces[fractionDigits.size()]) + u' ' + numberWords(fractionDigits);
}

Decimal Decimal::fromWritten(int64_t whole, int64_t fraction) {
    int scale = 0;
    for (int64_t f = fraction; f > 0; f /= 10)
        ++scale;
    if (scale == 0) scale = 1;  // "3,0"
    return {static_cast<__int128>(whole) * power10(scale) + fraction, scale};
}

Decimal add(Decimal a, Decimal b) {
    const int scale = std::max(a.scale, b.scale);
    return {align(a, scale).units + align(b, scale).units, scale};
}

Decimal subtract(Decimal a, Decimal b) {
    const int scale = std::max(a.scale, b.scale);
    return {align(a, scale).units - align(b, scale).units, scale};
}

Decimal multiply(Decimal a, Decimal b) {
    return {a.units * b.units, a.scale + b.scale};
}

QString divide(Decimal a, Decimal b) {
    if (b.units == 0) throw std::invalid_argument("division by zero");
    // a / b = (a.units * 10^b.scale) / (b.units * 10^a.scale); look six places deep.
    constexpr int kExactPlaces = 6;
    const __int128 numerator = a.units * power10(b.scale + kExactPlaces);
    const __int128 denominator = b.units * power10(a.scale);
    if (numerator % denominator == 0) return format({numerator / denominator, kExactPlaces});
    // Rounded half up to three places.
    const __int128 thousandths = (numerator / power10(kExactPlaces - 4) / denominator + 5) / 10;
    return QStringLiteral("yaklaşık ") + format({thousandths, 3});
}

QString format(Decimal value) {
    while (value.scale > 0 && value.units % 10 == 0) {
        value.units /= 10;
        --value.scale;
    }
    const bool negative = value.units < 0;
    QString digits = toText(negative ? -value.units : value.units);
    if (value.scale > 0) {
        if (digits.size() <= value.scale)
            digits.prepend(QString(value.scale - digits.size() + 1, u'0'));
        digits.insert(digits.size() - value.scale, u',');
    }
    return negative ? u'-' + digits : digits;
}

QString formatFraction(int64_t numerator, int64_t denominator) {
    if (denominator == 0) throw std::invalid_argument("zero denominator");
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const bool negative = numerator < 0;
    if (negative) numerator = -numerator;
    const int64_t divisor = std::gcd(numerator, denominator);
    numerator /= divisor;
    denominator /= divisor;
    const int64_t whole = numerator / denominator;
    const int64_t rest = numerator % denominator;
    QString text;
    if (rest == 0) {
        text = QString::number(whole);
    } else if (whole == 0) {
        text = QStringLiteral("%1/%2").arg(rest).arg(denominator);
    } else {
        text = QStringLiteral("%1 %2/%3").arg(whole).arg(rest).arg(denominator);
    }
    return negative && text != QLatin1String("0") ? u'-' + text : text;
}

}  // namespace zarvik::answers
