#include "column_worksheets/core/ColumnGenerators.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "column_worksheets/core/ColumnPages.h"
#include "column_worksheets/core/ColumnSheet.h"
#include "common/core/Digits.h"

namespace zarvik {

namespace {

// Prompts of the question boxes.
constexpr QStringView kLargestNumber = u"En büyük sayı kaç olsun?";
constexpr QStringView kZerosWanted = u"İşlemlerde sıfır bulunmasını ister misiniz?";
constexpr QStringView kMostDigits = u"En fazla kaç basamaklı olsun?";
constexpr QStringView kFirstNumberDigits = u"1. sayı en fazla kaç basamaklı olsun?";
constexpr QStringView kSecondNumberLargest = u"2. sayı en fazla kaç! olsun?";
constexpr QStringView kSecondNumberDigits = u"2. sayı en fazla kaç basamaklı olsun?";
constexpr QStringView kLargestDigit = u"En büyük rakam kaç olsun?";
constexpr QStringView kDivisorLargest = u"Bölen sayı en fazla kaç olsun?";
constexpr QStringView kQuotientLargest = u"Bölmenin sonucu (bölüm) en fazla kaç olsun?";
constexpr QStringView kRemainderWanted = u"Bölmede kalan olsun mu?";
constexpr QStringView kDividendDigits = u"Bölünen en fazla kaç basamaklı olsun?";
constexpr QStringView kDivisorDigits = u"Bölen en fazla kaç basamaklı olsun?";

// Question rules that both windows share.
constexpr NumberQuestionRule kAddLargest{u"9", 3, 9, 9};
constexpr NumberQuestionRule kSubLargest{u"9", 2, 9, 9};
constexpr NumberQuestionRule kSmallLargest{u"4", 2, 9, 4};
constexpr NumberQuestionRule kSimpleFirstDigits{u"3", 2, 5, 3};
constexpr NumberQuestionRule kSimpleSecondDigits{u"2", 2, 4, 3};
constexpr NumberQuestionRule kSimpleLargestDigit{u"5", 2, 9, 5};
constexpr int kSimpleLineExtra = 22;

const QString kPlus = QStringLiteral("+");
const QString kMinus = QStringLiteral("-");
const QString kTimes = QStringLiteral("x");

int32_t ask(GeneratorRun& run, QStringView prompt, const NumberQuestionRule& rule) {
    return askNumber(run.questions, prompt.toString(), rule.defaultText.toString(), rule.lowest,
                     rule.highest, rule.fallback);
}

bool askYesNo(GeneratorRun& run, QStringView question) {
    return run.questions.askYesNo(question.toString());
}

int32_t draw(GeneratorRun& run, int32_t bound) {
    return run.random.draw(bound);
}

void put(GeneratorRun& run, int slot, ColumnOperation operation, int64_t upper, int64_t lower) {
    run.sheet.setProblem(slot, ColumnProblem{operation, upper, lower, 0, 0});
}

void putDivision(GeneratorRun& run, int slot, int64_t divisor, int64_t quotient,
                 int64_t remainder) {
    run.sheet.setProblem(
        slot, ColumnProblem{ColumnOperation::Division, divisor * quotient + remainder, divisor,
                            quotient, remainder});
}

// Digits held units first.
template <size_t N>
int64_t fromDigits(const std::array<int32_t, N>& digits, int32_t count) {
    int64_t value = 0;
    for (int32_t j = count - 1; j >= 0; --j)
        value = value * 10 + digits[static_cast<size_t>(j)];
    return value;
}

int digitLine(GeneratorRun& run, int32_t digits) {
    return 10 * digits + run.constants.lineExtra;
}

// --- Addition ---------------------------------------------------------------

void addSingleDigit(GeneratorRun& run) {
    const int32_t largest = ask(run, kLargestNumber, kAddLargest);
    const bool zerosAllowed = askYesNo(run, kZerosWanted);
    const auto number = [&] {
        int32_t value = draw(run, largest + 1);
        while (!zerosAllowed && value == 0)
            value = draw(run, largest + 1);
        return value;
    };
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        const int32_t a = number();
        const int32_t b = number();
        put(run, slot, ColumnOperation::Addition, a, b);
    }
    run.sheet.SetLineWidthAndOperator(run.constants.addSingleDigitLine, kPlus);
}

void addWithCarrySimple(GeneratorRun& run) {
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        int32_t units = 0;
        do
            units = draw(run, 10);
        while (units == 0);
        int32_t tens = 0;
        do
            tens = draw(run, 10);
        while (tens == 0);
        // The lower number makes the units carry.
        int32_t lower = 0;
        do
            lower = draw(run, 10);
        while (units + lower < 10);
        put(run, slot, ColumnOperation::Addition, 10 * tens + units, lower);
    }
    run.sheet.SetLineWidthAndOperator(run.constants.addWithCarrySimpleLine, kPlus);
}

void addWithoutCarry(GeneratorRun& run) {
    const int32_t most = ask(run, kMostDigits, run.constants.digitCount);
    // A first 0 of a lower digit gets one more chance, which thins out zeros.
    const auto lowerDigit = [&](int32_t upperDigit) {
        int32_t digit = draw(run, 10 - upperDigit);
        if (digit == 0) digit = draw(run, 10 - upperDigit);
        return digit;
    };
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        int32_t upperCount = 0;
        do
            upperCount = draw(run, most) + 1;
        while (upperCount <= most / 2);
        int32_t lowerCount = 0;
        do
            lowerCount = draw(run, most) + 1;
        while (lowerCount < most / 2);
        lowerCount = std::min(lowerCount, upperCount);

        // Upper digits stop at 8 so that every column leaves room for a lower digit.
        std::array<int32_t, 10> upper{};
        for (int32_t j = 0; j < upperCount; ++j) {
            int32_t& digit = upper[static_cast<size_t>(j)];
            digit = draw(run, 9);
            while (j == upperCount - 1 && digit == 0)
                digit = draw(run, 9);
        }
        std::array<int32_t, 10> lower{};
        for (int32_t j = 0; j < lowerCount; ++j) {
            const int32_t above = upper[static_cast<size_t>(j)];
            int32_t& digit = lower[static_cast<size_t>(j)];
            digit = lowerDigit(above);
            while (j == lowerCount - 1 && digit == 0)
                digit = lowerDigit(above);
        }
        put(run, slot, ColumnOperation::Addition, fromDigits(upper, upperCount),
            fromDigits(lower, lowerCount));
    }
    run.sheet.SetLineWidthAndOperator(digitLine(run, most), kPlus);
}

void addMixed(GeneratorRun& run) {
    const int32_t most = ask(run, kMostDigits, run.constants.addMixedDigitCount);
    const int32_t bound = powerOfTen(most);
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        int32_t a = 0;
        do
            a = draw(run, bound);
        while (a == 0);
        int32_t b = 0;
        do
            b = draw(run, bound);
        while (b == 0 || b > a);
        put(run, slot, ColumnOperation::Addition, a, b);
    }
    run.sheet.SetLineWidthAndOperator(digitLine(run, most), kPlus);
}

// --- Subtraction ------------------------------------------------------------

void subSingleDigit(GeneratorRun& run) {
    const int32_t largest = ask(run, kLargestNumber, kSubLargest);
    const int32_t z = askYesNo(run, kZerosWanted) ? 0 : 1;
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        // With largest 2 and no zeros the first bound is 0: "Division by zero".
        int32_t a = 0;
        int32_t b = 0;
        do {
            a = draw(run, largest - 1 - z) + z + 1;
            b = draw(run, largest - z) + z;
        } while (a < b);
        put(run, slot, ColumnOperation::Subtraction, a, b);
    }
    run.sheet.SetLineWidthAndOperator(run.constants.subSingleDigitLine, kMinus);
}

void subUnderTwenty(GeneratorRun& run) {
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        int32_t a = 0;
        do
            a = draw(run, 20);
        while (a < 10);
        const int32_t b = draw(run, 9) + 1;
        put(run, slot, ColumnOperation::Subtraction, a, b);
    }
    run.sheet.SetLineWidthAndOperator(run.constants.subUnderTwentyLine, kMinus);
}

void subWithoutBorrow(GeneratorRun& run) {
    const int32_t most = ask(run, kMostDigits, run.constants.digitCount);
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        const int32_t upperCount = draw(run, most - 1) + 2;
        const int32_t lowerCount = draw(run, upperCount - 1) + 2;
        std::array<int32_t, 10> upper{};
        for (int32_t j = 0; j < upperCount; ++j)
            upper[static_cast<size_t>(j)] = draw(run, 9) + 1;
        std::array<int32_t, 10> lower{};
        for (int32_t j = 0; j < lowerCount; ++j)
            lower[static_cast<size_t>(j)] = draw(run, upper[static_cast<size_t>(j)]) + 1;
        put(run, slot, ColumnOperation::Subtraction, fromDigits(upper, upperCount),
            fromDigits(lower, lowerCount));
    }
    run.sheet.SetLineWidthAndOperator(digitLine(run, most), kMinus);
}

void subWithBorrow(GeneratorRun& run) {
    const int32_t most = ask(run, kMostDigits, run.constants.digitCount);
    const int32_t bound = powerOfTen(most) - 1;
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        const int32_t a = draw(run, bound) + 1;
        const int32_t b = draw(run, a) + 1;
        put(run, slot, ColumnOperation::Subtraction, a, b);
    }
    run.sheet.SetLineWidthAndOperator(digitLine(run, most), kMinus);
}

// --- Multiplication ---------------------------------------------------------

void mulSingleDigit(GeneratorRun& run) {
    const int32_t largest = ask(run, kLargestNumber, kSmallLargest);
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        const int32_t a = draw(run, largest - 1) + 2;
        const int32_t b = draw(run, largest - 1) + 2;
        put(run, slot, ColumnOperation::Multiplication, a, b);
    }
    run.sheet.SetLineWidthAndOperator(run.constants.mulSmallNumbersLine, kTimes);
}

void mulTable(GeneratorRun& run) {
    const int32_t largest = ask(run, kLargestNumber, kSmallLargest);
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        // The table's number is drawn first, its factor second.
        const int32_t b = draw(run, largest - 1) + 2;
        const int32_t a = draw(run, 8) + 2;
        put(run, slot, ColumnOperation::Multiplication, a, b);
    }
    run.sheet.SetLineWidthAndOperator(run.constants.mulSmallNumbersLine, kTimes);
}

void mulWithoutCarry(GeneratorRun& run) {
    const int32_t most = ask(run, kMostDigits, run.constants.digitCount);
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        const int32_t multiplier = draw(run, 3) + 2;
        // Up to 9 digits: the multiplicand is built in full, whatever the count.
        const int32_t count = draw(run, most - 1) + 2;
        int64_t multiplicand = 0;
        for (int32_t j = 0; j < count; ++j) {
            int32_t digit = 0;
            do
                digit = draw(run, 10);
            while (digit * multiplier > 9 || (j == 0 && digit == 0));
            multiplicand = multiplicand * 10 + digit;
        }
        put(run, slot, ColumnOperation::Multiplication, multiplicand, multiplier);
    }
    run.sheet.SetLineWidthAndOperator(digitLine(run, most), kTimes);
}

void mulByOneDigitWithCarry(GeneratorRun& run) {
    const int32_t most = ask(run, kFirstNumberDigits, run.constants.digitCount);
    const int32_t largest = ask(run, kSecondNumberLargest, kSmallLargest);
    const int32_t bound = powerOfTen(most) - 1;
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        const int32_t a = draw(run, bound) + 1;
        const int32_t b = draw(run, largest - 1) + 2;
        put(run, slot, ColumnOperation::Multiplication, a, b);
    }
    run.sheet.SetLineWidthAndOperator(digitLine(run, most), kTimes);
}

void mulMultiDigitSimple(GeneratorRun& run) {
    const int32_t firstDigits = ask(run, kFirstNumberDigits, kSimpleFirstDigits);
    const int32_t secondDigits = ask(run, kSecondNumberDigits, kSimpleSecondDigits);
    const int32_t largestDigit = ask(run, kLargestDigit, kSimpleLargestDigit);
    const auto number = [&](int32_t places) {
        int32_t value = 0;
        for (int32_t i = 0; i < places; ++i)
            value += draw(run, largestDigit + 1) * powerOfTen(i);
        return value < 10 ? value + 10 : value;
    };
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        const int32_t x = number(firstDigits);
        const int32_t y = number(secondDigits);
        put(run, slot, ColumnOperation::Multiplication, std::max(x, y), std::min(x, y));
    }
    run.sheet.SetLineWidthAndOperator(10 * std::max(firstDigits, secondDigits) + kSimpleLineExtra,
                                      kTimes);
}

void mulMultiDigitWithCarry(GeneratorRun& run) {
    const int32_t firstDigits = ask(run, kFirstNumberDigits, run.constants.mulWithCarryFirstDigits);
    const int32_t secondDigits =
        ask(run, kSecondNumberDigits, run.constants.mulWithCarrySecondDigits);
    const int32_t firstBound = powerOfTen(firstDigits) - 10;
    const int32_t secondBound = powerOfTen(secondDigits) - 10;
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        const int32_t x = draw(run, firstBound) + 10;
        const int32_t y = draw(run, secondBound) + 10;
        put(run, slot, ColumnOperation::Multiplication, std::max(x, y), std::min(x, y));
    }
    run.sheet.SetLineWidthAndOperator(digitLine(run, std::max(firstDigits, secondDigits)), kTimes);
}

// --- Division ---------------------------------------------------------------

void divBasic(GeneratorRun& run) {
    const int32_t largestDivisor = ask(run, kDivisorLargest, kSmallLargest);
    const int32_t largestQuotient = ask(run, kQuotientLargest, kSmallLargest);
    const bool withRemainder = askYesNo(run, kRemainderWanted);
    int32_t remainder = 0;
    for (int slot = 1; slot <= run.constants.divisionProblemCount; ++slot) {
        const int32_t divisor = draw(run, largestDivisor - 1) + 2;
        const int32_t quotient = draw(run, largestQuotient - 1) + 2;
        if (withRemainder) remainder = draw(run, divisor);
        putDivision(run, slot, divisor, quotient, remainder);
    }
}

void divAdvanced(GeneratorRun& run) {
    const int32_t dividendDigits = ask(run, kDividendDigits, run.constants.divDividendDigits);
    const int32_t divisorDigits = ask(run, kDivisorDigits, run.constants.divDivisorDigits);
    const bool withRemainder = askYesNo(run, kRemainderWanted);
    // The divisor always has fewer digits than the dividend may have.
    int32_t divisorCount = divisorDigits % dividendDigits;
    if (divisorCount == 0) divisorCount = 1;
    const int32_t dividendLimit = powerOfTen(dividendDigits);
    const int32_t divisorBound = powerOfTen(divisorCount) - 2;
    int32_t remainder = 0;
    for (int slot = 1; slot <= run.constants.divisionProblemCount; ++slot) {
        const int32_t divisor = draw(run, divisorBound) + 2;
        // dividendLimit / divisor is at least 10, so a non-zero quotient comes.
        int32_t quotient = 0;
        do
            quotient = draw(run, dividendLimit / divisor);
        while (quotient == 0);
        if (withRemainder) remainder = run.random.longDraw(divisor);
        putDivision(run, slot, divisor, quotient, remainder);
    }
}

constexpr QStringView kAddition = u"Toplama";
constexpr QStringView kSubtraction = u"Çıkarma";
constexpr QStringView kMultiplication = u"Çarpma";
constexpr QStringView kDivision = u"Bölme";

constexpr std::array<QStringView, 4> kOperations = {kAddition, kSubtraction, kMultiplication,
                                                    kDivision};

constexpr std::array<ColumnKind, 16> kKinds = {{
    {kAddition, u"Tek Basamaklı Sayılarla", u"AddSingleDigit", addSingleDigit},
    {kAddition, u"Eldesiz Toplama", u"AddWithoutCarry", addWithoutCarry},
    {kAddition, u"Eldeli Toplama (Basit)", u"AddWithCarrySimple", addWithCarrySimple},
    {kAddition, u"Eldeli sayılarla karışık", u"AddMixed", addMixed},
    {kSubtraction, u"Tek Basamaklı Sayılarla", u"SubSingleDigit", subSingleDigit},
    {kSubtraction, u"20'den küçük sayılar ile", u"SubUnderTwenty", subUnderTwenty},
    {kSubtraction, u"Onluk bozmadan çıkarma", u"SubWithoutBorrow", subWithoutBorrow},
    {kSubtraction, u"Onluk bozarak çıkarma", u"SubWithBorrow", subWithBorrow},
    {kMultiplication, u"Tek Basamaklı Sayılarla", u"MulSingleDigit", mulSingleDigit},
    {kMultiplication, u"Çarpım tablosu", u"MulTable", mulTable},
    {kMultiplication, u"Eldesiz çarpma", u"MulWithoutCarry", mulWithoutCarry},
    {kMultiplication, u"Tek basamaklı sayı ile eldeli", u"MulByOneDigitWithCarry",
     mulByOneDigitWithCarry},
    {kMultiplication, u"Çok basamaklı sayılarla basit", u"MulMultiDigitSimple",
     mulMultiDigitSimple},
    {kMultiplication, u"Çok basamaklı sayılarla eldeli", u"MulMultiDigitWithCarry",
     mulMultiDigitWithCarry},
    {kDivision, u"Temel bölme (2-3. sınıf)", u"DivBasic", divBasic},
    {kDivision, u"İleri seviye bölme (3-4-5. sınıf)", u"DivAdvanced", divAdvanced},
}};

}  // namespace

std::span<const ColumnKind> columnKinds() {
    return kKinds;
}

const ColumnKind* findColumnKind(QStringView operation, QStringView property) {
    for (const ColumnKind& kind : kKinds)
        if (kind.operation == operation && kind.property == property) return &kind;
    return nullptr;
}

const ColumnKind* findColumnKindByGenerator(QStringView generatorName) {
    for (const ColumnKind& kind : kKinds)
        if (kind.generatorName == generatorName) return &kind;
    return nullptr;
}

QStringList columnOperations() {
    QStringList list;
    for (QStringView operation : kOperations)
        list << operation.toString();
    return list;
}

QStringList columnProperties(QStringView operation) {
    QStringList list;
    for (const ColumnKind& kind : kKinds)
        if (kind.operation == operation) list << kind.property.toString();
    return list;
}

}  // namespace zarvik
