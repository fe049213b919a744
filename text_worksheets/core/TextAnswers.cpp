// Answers of the text worksheet kinds, worked out from the numbers as drawn.

#include <numeric>
#include <stdexcept>

#include "common/core/AnswerFormat.h"
#include "text_worksheets/core/TextGenerators.h"
#include "text_worksheets/core/TextWorksheet.h"

namespace zarvik {

namespace {

using answers::Decimal;

QString joined(const std::vector<int64_t>& values, QStringView sign) {
    QString text;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i) text += sign;
        text += QString::number(values[i]);
    }
    return text;
}

QString written(int64_t whole, int64_t fraction) {
    return QStringLiteral("%1,%2").arg(whole).arg(fraction);
}

// Two decimal numbers "w1,f1 ? w2,f2".
TextAnswer decimalPair(const std::vector<int64_t>& v, QStringView sign,
                       QString (*work)(Decimal, Decimal)) {
    const Decimal a = Decimal::fromWritten(v[0], v[1]), b = Decimal::fromWritten(v[2], v[3]);
    return {written(v[0], v[1]) + sign.toString() + written(v[2], v[3]), work(a, b)};
}

bool isPowerOfTen(int64_t value, int* exponent) {
    int e = 0;
    while (value > 1 && value % 10 == 0) {
        value /= 10;
        ++e;
    }
    *exponent = e;
    return value == 1;
}

QString convert(const Decimal& amount, int64_t numerator, int64_t denominator) {
    const Decimal scaled = answers::multiply(amount, Decimal::whole(numerator));
    int places = 0;
    if (isPowerOfTen(denominator, &places))
        return answers::format({scaled.units, scaled.scale + places});
    return answers::divide(scaled, Decimal::whole(denominator));
}

}  // namespace

namespace text {

TextAnswer sumAnswer(const TextExercise& exercise) {
    const std::vector<int64_t>& v = exercise.values;
    return {joined(v, u"+"), QString::number(std::accumulate(v.begin(), v.end(), int64_t{0}))};
}

TextAnswer decimalSumAnswer(const TextExercise& exercise) {
    return decimalPair(exercise.values, u"+",
                       [](Decimal a, Decimal b) { return answers::format(answers::add(a, b)); });
}

TextAnswer differenceAnswer(const TextExercise& exercise) {
    const std::vector<int64_t>& v = exercise.values;
    return {joined(v, u"-"), QString::number(v[0] - v[1])};
}

TextAnswer decimalDifferenceAnswer(const TextExercise& exercise) {
    return decimalPair(exercise.values, u"-", [](Decimal a, Decimal b) {
        return answers::format(answers::subtract(a, b));
    });
}

TextAnswer productAnswer(const TextExercise& exercise) {
    const std::vector<int64_t>& v = exercise.values;
    return {joined(v, u"X"), QString::number(v[0] * v[1])};
}

TextAnswer decimalProductAnswer(const TextExercise& exercise) {
    return decimalPair(exercise.values, u"X", [](Decimal a, Decimal b) {
        return answers::format(answers::multiply(a, b));
    });
}

TextAnswer decimalTimesPowerAnswer(const TextExercise& exercise) {
    const std::vector<int64_t>& v = exercise.values;
    return {
        written(v[0], v[1]) + u'X' + QString::number(v[2]),
        answers::format(answers::multiply(Decimal::fromWritten(v[0], v[1]), Decimal::whole(v[2])))};
}

TextAnswer quotientAnswer(const TextExercise& exercise) {
    const std::vector<int64_t>& v = exercise.values;
    const int64_t quotient = v[0] / v[1], remainder = v[0] % v[1];
    QString answer = QString::number(quotient);
    if (remainder) answer += QStringLiteral(", kalan %1").arg(remainder);
    return {joined(v, u"÷"), answer};
}

TextAnswer decimalQuotientAnswer(const TextExercise& exercise) {
    return decimalPair(exercise.values, u"÷",
                       [](Decimal a, Decimal b) { return answers::divide(a, b); });
}

TextAnswer decimalOverPowerAnswer(const TextExercise& exercise) {
    const std::vector<int64_t>& v = exercise.values;
    return {written(v[0], v[1]) + u'÷' + QString::number(v[2]),
            convert(Decimal::fromWritten(v[0], v[1]), 1, v[2])};
}

TextAnswer naturalNumberWords(const TextExercise& exercise) {
    try {
        return {exercise.digits, answers::numberWords(exercise.digits), true};
    } catch (const std::invalid_argument&) {
        return {exercise.digits, QStringLiteral("(okunuşu için çok uzun)"), true};
    }
}

TextAnswer decimalNumberWords(const TextExercise& exercise) {
    const qsizetype comma = exercise.digits.indexOf(u',');
    try {
        return {exercise.digits,
                answers::decimalWords(QStringView(exercise.digits).left(comma),
                                      QStringView(exercise.digits).mid(comma + 1)),
                true};
    } catch (const std::invalid_argument&) {
        return {exercise.digits, QStringLiteral("(okunuşu için çok uzun)"), true};
    }
}

TextAnswer conversionAnswer(const TextExercise& exercise) {
    const std::vector<int64_t>& v = exercise.values;
    const bool hasFraction = v[1] >= 0;
    const Decimal amount = hasFraction ? Decimal::fromWritten(v[0], v[1]) : Decimal::whole(v[0]);
    const QString given =
        (hasFraction ? written(v[0], v[1]) : QString::number(v[0])) + u' ' + exercise.givenUnit;
    return {given, convert(amount, v[2], v[3]) + u' ' + exercise.wantedUnit};
}

}  // namespace text

TextAnswer textAnswer(const TextExercise& exercise) {
    const TextKind* kind = findTextKind(exercise.kind);
    if (!kind) throw std::invalid_argument("not a text worksheet kind");
    return kind->answer(exercise);
}

}  // namespace zarvik
