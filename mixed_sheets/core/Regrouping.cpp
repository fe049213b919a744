#include "mixed_sheets/core/Regrouping.h"

#include <QRegularExpression>
#include <algorithm>

namespace zarvik {

namespace {

// A number's digits with its fractional part padded to `decimals` places,
// most significant first.
QString digitsAt(const QString& number, qsizetype decimals) {
    const qsizetype comma = number.indexOf(u',');
    const QString whole = comma < 0 ? number : number.left(comma);
    const QString fraction = comma < 0 ? QString() : number.mid(comma + 1);
    return whole + fraction + QString(decimals - fraction.size(), u'0');
}

qsizetype decimalsOf(const QString& number) {
    const qsizetype comma = number.indexOf(u',');
    return comma < 0 ? 0 : number.size() - comma - 1;
}

int digitAt(const QString& digits, qsizetype fromRight) {
    return fromRight < digits.size() ? digits.at(digits.size() - 1 - fromRight).digitValue() : 0;
}

bool additionCarries(const QStringList& numbers) {
    qsizetype decimals = 0;
    for (const QString& n : numbers)
        decimals = std::max(decimals, decimalsOf(n));
    QStringList digits;
    qsizetype longest = 0;
    for (const QString& n : numbers) {
        digits << digitsAt(n, decimals);
        longest = std::max(longest, digits.back().size());
    }
    int carry = 0;
    for (qsizetype i = 0; i < longest; ++i) {
        int sum = carry;
        for (const QString& d : digits)
            sum += digitAt(d, i);
        if (sum >= 10) return true;
        carry = sum / 10;
    }
    return false;
}

bool subtractionBorrows(const QString& upper, const QString& lower) {
    const qsizetype decimals = std::max(decimalsOf(upper), decimalsOf(lower));
    const QString a = digitsAt(upper, decimals), b = digitsAt(lower, decimals);
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i)
        if (digitAt(a, i) < digitAt(b, i)) return true;
    return false;
}

bool multiplicationCarries(QString multiplicand, QString multiplier) {
    multiplicand.remove(u',');
    multiplier.remove(u',');
    for (const QChar m : multiplier) {
        int carry = 0;
        for (qsizetype i = 0; i < multiplicand.size(); ++i) {
            const int product = digitAt(multiplicand, i) * m.digitValue() + carry;
            if (product >= 10) return true;
            carry = product / 10;
        }
    }
    return false;
}

}  // namespace

Regrouping regroupingOf(const Exercise& exercise) {
    if (exercise.shape != ExerciseShape::Column && exercise.shape != ExerciseShape::Line)
        return Regrouping::NotArithmetic;
    // "45 + 713", "45+713=", "12X3=", "3,25-1,5=": numbers joined by one
    // operator, the equals sign at most at the end.
    static const QRegularExpression form(
        QStringLiteral("^\\d+(?:,\\d+)?(?:([+\\-xX])\\d+(?:,\\d+)?)+=?$"));
    QString text = exercise.text;
    text.remove(u' ');
    if (!form.match(text).hasMatch()) return Regrouping::NotArithmetic;
    static const QRegularExpression operators(QStringLiteral("[+\\-xX]"));
    QString op;
    for (const QChar c : text)
        if (c == u'+' || c == u'-' || c == u'x' || c == u'X') {
            const QString seen = c == u'X' ? QStringLiteral("x") : QString(c);
            if (!op.isEmpty() && op != seen) return Regrouping::NotArithmetic;
            op = seen;
        }
    if (text.endsWith(u'=')) text.chop(1);
    const QStringList numbers = text.split(operators);
    bool regroups = false;
    if (op == u"+") {
        regroups = additionCarries(numbers);
    } else if (numbers.size() != 2) {
        return Regrouping::NotArithmetic;
    } else if (op == u"-") {
        regroups = subtractionBorrows(numbers[0], numbers[1]);
    } else {
        regroups = multiplicationCarries(numbers[0], numbers[1]);
    }
    return regroups ? Regrouping::Regroups : Regrouping::None;
}

}  // namespace zarvik
