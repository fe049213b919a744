// Answers of the text worksheet kinds, worked out from the numbers as drawn.

#include <numeric>
#include <stdexcept>

#include "common/AnswerFormat.h"
#include "text_worksheets/TextWorksheet.h"

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

TextAnswer textAnswer(const TextExercise& exercise) {
    const std::vector<int64_t>& v = exercise.values;
    switch (exercise.kind) {
        case 101:
        case 102:
        case 103:
        case 104:
        case 105:
            return {joined(v, u"+"),
                    QString::number(std::accumulate(v.begin(), v.end(), int64_t{0}))};
        case 106:
            return decimalPair(
                v, u"+", [](Decimal a, Decimal b) { return answers::format(answers::add(a, b)); });
        case 201:
        case 202:
        case 203:
        case 204:
            return {joined(v, u"-"), QString::number(v[0] - v[1])};
        case 205:
            return decimalPair(v, u"-", [](Decimal a, Decimal b) {
                return answers::format(answers::subtract(a, b));
            });
        case 301:
        case 302:
        case 303:
        case 304:
        case 305:
        case 308:
            return {joined(v, u"X"), QString::number(v[0] * v[1])};
        case 306:
            return decimalPair(v, u"X", [](Decimal a, Decimal b) {
                return answers::format(answers::multiply(a, b));
            });
        case 307:
            return {written(v[0], v[1]) + u'X' + QString::number(v[2]),
                    answers::format(
                        answers::multiply(Decimal::fromWritten(v[0], v[1]), Decimal::whole(v[2])))};
        case 401:
        case 402: {
            const int64_t quotient = v[0] / v[1], remainder = v[0] % v[1];
            QString answer = QString::number(quotient);
            if (remainder) answer += QStringLiteral(", kalan %1").arg(remainder);
            return {joined(v, u"÷"), answer};
        }
        case 403:
            return decimalPair(v, u"÷", [](Decimal a, Decimal b) { return answers::divide(a, b); });
        case 404:
            return {written(v[0], v[1]) + u'÷' + QString::number(v[2]),
                    convert(Decimal::fromWritten(v[0], v[1]), 1, v[2])};
        case 501:
            try {
                return {exercise.digits, answers::numberWords(exercise.digits)};
            } catch (const std::invalid_argument&) {
                return {exercise.digits, QStringLiteral("(okunuşu için çok uzun)")};
            }
        case 502: {
            const qsizetype comma = exercise.digits.indexOf(u',');
            try {
                return {exercise.digits,
                        answers::decimalWords(QStringView(exercise.digits).left(comma),
                                              QStringView(exercise.digits).mid(comma + 1))};
            } catch (const std::invalid_argument&) {
                return {exercise.digits, QStringLiteral("(okunuşu için çok uzun)")};
            }
        }
        case 601:
        case 602:
        case 603: {
            const bool hasFraction = v[1] >= 0;
            const Decimal amount =
                hasFraction ? Decimal::fromWritten(v[0], v[1]) : Decimal::whole(v[0]);
            const QString given = (hasFraction ? written(v[0], v[1]) : QString::number(v[0])) +
                                  u' ' + exercise.givenUnit;
            return {given, convert(amount, v[2], v[3]) + u' ' + exercise.wantedUnit};
        }
        default:
            throw std::invalid_argument("not a text worksheet kind");
    }
}

}  // namespace zarvik
