// Numbers to read, conversions of measures and of time.

#include <algorithm>
#include <array>

#include "common/core/Cp1254.h"
#include "common/core/Limits.h"
#include "text_worksheets/core/GeneratorSupport.h"

namespace zarvik::text {

namespace {

// Numbers to read are written digit by digit, so only the check below limits
// their length; for an answer key the digits are kept as text too.
void writeDigit(LineWriter& out, int32_t digit, QString& kept) {
    out.put(static_cast<char>('0' + digit));
    if (out.exercises()) kept += QChar(u'0' + digit);
}

void recordReading(LineWriter& out, QString& digits) {
    TextExercise exercise;
    exercise.digits = std::move(digits);
    out.report(std::move(exercise));
    digits.clear();
}

struct ConversionLine {
    int32_t amount;
    bool hasFraction;
    int32_t fraction;
};

// The answer is the amount times numerator / denominator.
void writeConversion(LineWriter& out, const ConversionLine& line, const QByteArray& given,
                     const QByteArray& wanted, const char* dots, int64_t numerator,
                     int64_t denominator) {
    out.putNumber(line.amount);
    if (line.hasFraction) {
        out.put(',');
        out.putNumber(line.fraction);
    }
    out.put(' ');
    out.put(given);
    out.put('=');
    out.put(dots, std::strlen(dots));
    out.put(wanted);
    out.endLine();
    if (out.exercises()) {
        TextExercise exercise;
        exercise.values = {line.amount, line.hasFraction ? line.fraction : -1, numerator,
                           denominator};
        exercise.givenUnit = fromCp1254(given);
        exercise.wantedUnit = fromCp1254(wanted);
        out.report(std::move(exercise));
    }
}

}  // namespace

void checkNaturalNumberReading(const TextKind& kind, const TextValues& values) {
    // A number has up to L digits; a count of L <= 0 leaves at most one.
    if (values.first > limits::kMostDigitsToRead)
        refuse(kind.first, values.first,
               QStringLiteral("3 ile %1 arası").arg(limits::kMostDigitsToRead));
}

void checkDecimalNumberReading(const TextKind& kind, const TextValues& values) {
    // Either part has up to |L| digits, whatever the sign.
    const auto tooLong = [](int32_t digits) {
        return digits > limits::kMostDigitsToRead || digits < -limits::kMostDigitsToRead;
    };
    const QString accepted = QStringLiteral("1 ile %1 arası").arg(limits::kMostDigitsToRead);
    if (tooLong(values.first)) refuse(kind.first, values.first, accepted);
    if (tooLong(values.second)) refuse(kind.second, values.second, accepted);
}

void naturalNumberReading(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t mostDigits = values.first;
    const int32_t half = mostDigits / 2;
    QString digitsText;
    forEachExercise(values.count, [&] {
        const int32_t digits = random.draw(mostDigits - half) + half + 1;
        for (int32_t position = 1; position <= digits; ++position) {
            int32_t digit = zeroFavouringDigit(random);
            if (position == 1 && digit == 0) digit = 1;
            writeDigit(out, digit, digitsText);
        }
        out.endLine();
        recordReading(out, digitsText);
    });
}

void decimalNumberReading(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const int32_t wholeDigits = values.first;
    const int32_t fractionDigits = values.second;
    QString digitsText;
    forEachExercise(values.count, [&] {
        const int32_t n = random.draw(wholeDigits) + 1;
        for (int32_t position = 1; position <= n; ++position) {
            int32_t digit = zeroFavouringDigit(random);
            if (position == 1 && digit == 0) digit = 1;
            writeDigit(out, digit, digitsText);
        }
        out.put(',');
        if (out.exercises()) digitsText += u',';
        const int32_t m = random.draw(fractionDigits) + 1;
        for (int32_t position = 1; position <= m; ++position) {
            int32_t digit = zeroFavouringDigit(random);
            if (position == m && digit == 0) digit = 1;
            writeDigit(out, digit, digitsText);
        }
        out.endLine();
        recordReading(out, digitsText);
    });
}

void unitConversion(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const QString& measure = values.firstWord;
    const bool wholeNumbers = values.secondWord == QStringLiteral("Doğal Sayılı");
    const char* symbol = measure == QStringLiteral("Metre")   ? "m"
                         : measure == QStringLiteral("Litre") ? "l"
                                                              : "g";
    static constexpr std::array<const char*, 8> kPrefixes = {"", "m", "c", "d", "", "da", "h", "k"};
    std::array<QByteArray, 8> unitNames;
    for (size_t step = 1; step <= 7; ++step)
        unitNames[step] = QByteArray(kPrefixes[step]) + symbol;

    forEachExercise(values.count, [&] {
        const int32_t a = random.draw(7) + 1;
        int32_t b = random.draw(7) + 1;
        while (b == a)
            b = random.draw(7) + 1;
        ConversionLine line{0, false, 0};
        if (wholeNumbers) {
            if (b < a) {
                const int32_t x = random.draw(3);
                const int32_t e = random.draw(3) + 2;
                line.amount = random.draw(powerOfTen(e));
                if (x == 0) line.amount *= 10;
            } else {
                // At most three steps up, and an amount the step divides exactly.
                if (b - a > 3) b = a + random.draw(3) + 1;
                const int32_t e = random.draw(3) + 2;
                const int32_t v = random.draw(powerOfTen(e));
                line.amount = v * powerOfTen(random.draw(3) + (b - a));
            }
        } else {
            const int32_t x = random.draw(3);
            const int32_t e = random.draw(3) + 2;
            line.amount = random.draw(powerOfTen(e));
            if (x == 0) line.amount *= 10;
            if (random.draw(2) != 0) {
                const int32_t e2 = random.draw(2) + 1;
                line.hasFraction = true;
                line.fraction = random.draw(powerOfTen(e2));
            }
        }
        // Each step is ten times the one before.
        const int64_t up = powerOfTen(std::max(a - b, 0)), down = powerOfTen(std::max(b - a, 0));
        writeConversion(out, line, unitNames[static_cast<size_t>(a)],
                        unitNames[static_cast<size_t>(b)], "..........", up, down);
    });
}

void simpleUnitConversion(const TextValues& values, RandomDraw& random, LineWriter& out) {
    const bool lengths = values.firstWord == QStringLiteral("Metre");
    static const std::array<QByteArray, 4> kLengths = {"", "cm", "m", "km"};
    static const std::array<QByteArray, 4> kMasses = {"", "g", "kg", "t"};
    const auto& ladder = lengths ? kLengths : kMasses;
    forEachExercise(values.count, [&] {
        const int32_t a = random.draw(3) + 1;
        int32_t b;
        do {
            b = random.draw(2) == 1 ? a + 1 : a - 1;
        } while (b < 1 || b > 3);
        ConversionLine line{0, false, 0};
        if (b < a) {
            const int32_t x = random.draw(3);
            const int32_t e = random.draw(3) + 1;
            line.amount = x != 0 ? random.draw(powerOfTen(e)) : 10 * random.draw(powerOfTen(e) + 1);
        } else {
            const int32_t e = random.draw(3) + 1;
            const int32_t v = random.draw(powerOfTen(e) + 1);
            line.amount = v * powerOfTen(random.draw(2) + 3);
        }
        // cm to m is a hundred, every other neighbour a thousand.
        const int64_t step = lengths && std::min(a, b) == 1 ? 100 : 1000;
        writeConversion(out, line, ladder[static_cast<size_t>(a)], ladder[static_cast<size_t>(b)],
                        "..........", b < a ? step : 1, b < a ? 1 : step);
    });
}

void timeConversion(const TextValues& values, RandomDraw& random, LineWriter& out) {
    struct Pair {
        const char16_t* given;
        const char16_t* wanted;
        int32_t factor;  // how many of the smaller unit make one of the larger
    };
    struct Group {
        Pair pairs[3];  // first (p = 1, q = 1), second (p = 1, q = 0), third (p = 0)
    };
    static const Group kGroups[8] = {
        {{{u"sa", u"dk", 60}, {u"sa", u"sn", 3600}, {u"dk", u"sn", 60}}},
        {{{u"sn", u"dk", 60}, {u"sn", u"sa", 3600}, {u"dk", u"sa", 60}}},
        {{{u"yıl", u"ay", 12}, {u"yıl", u"gün", 365}, {u"ay", u"gün", 30}}},
        {{{u"gün", u"ay", 30}, {u"gün", u"yıl", 365}, {u"ay", u"yıl", 12}}},
        {{{u"ay", u"gün", 30}, {u"ay", u"sa", 720}, {u"gün", u"sa", 24}}},
        {{{u"sa", u"gün", 24}, {u"sa", u"ay", 720}, {u"gün", u"ay", 30}}},
        {{{u"gün", u"sa", 24}, {u"gün", u"dk", 1440}, {u"sa", u"dk", 60}}},
        {{{u"dk", u"sa", 60}, {u"dk", u"gün", 1440}, {u"sa", u"gün", 24}}},
    };
    struct EncodedPair {
        QByteArray given;
        QByteArray wanted;
        int32_t factor;
    };
    static const auto kEncoded = [] {
        std::array<std::array<EncodedPair, 3>, 8> encoded;
        for (size_t g = 0; g < 8; ++g)
            for (size_t p = 0; p < 3; ++p) {
                const Pair& pair = kGroups[g].pairs[p];
                encoded[g][p] = {toCp1254(QStringView(pair.given)),
                                 toCp1254(QStringView(pair.wanted)), pair.factor};
            }
        return encoded;
    }();
    forEachExercise(values.count, [&] {
        const int32_t group = random.draw(8) + 1;
        size_t pairIndex = 2;
        if (random.draw(2) == 1) pairIndex = random.draw(2) == 1 ? 0 : 1;
        const EncodedPair& pair = kEncoded[static_cast<size_t>(group - 1)][pairIndex];
        const int32_t amount =
            group % 2 == 1 ? random.draw(20) + 2 : pair.factor * (random.draw(9) + 2);
        ConversionLine line{amount, false, 0};
        // Odd groups go to the smaller unit, even groups to the larger.
        writeConversion(out, line, pair.given, pair.wanted, ".....",
                        group % 2 == 1 ? pair.factor : 1, group % 2 == 1 ? 1 : pair.factor);
    });
}

}  // namespace zarvik::text
