#include "numbers/core/NumberGenerators.h"

#include <algorithm>

#include "common/core/Digits.h"
#include "common/core/Errors.h"
#include "common/core/FieldNumber.h"

namespace zarvik {

namespace {

const QString kTooSmallMessage = QStringLiteral(
    "Bu alıştırmalarda 1 sayısından daha küçük değer kabul edilemeyeceğinden \n"
    "dolayı basamak sayısı 3 olarak işleme konmuştur");
const QString kTooLargeMessage = QStringLiteral(
    "Bu alıştırmalarda 9 sayısından daha büyük değer kabul edilemeyeceğinden \n"
    "dolayı basamak sayısı 9 olarak işleme konmuştur");

// The words of "Sayı Yazma" as it joins them: tens and hundreds end in a
// space, group names stand between two spaces.
struct WritingWords {
    std::array<QString, 10> tens;
    std::array<QString, 10> hundreds;
    std::array<QString, 5> groups;  // indexed by group, 1 for the lowest three digits

    WritingWords() {
        for (size_t d = 1; d < 10; ++d) {
            tens[d] = words::kTens[d].toString() + u' ';
            hundreds[d] = (d > 1 ? words::kOnes[d].toString() + u' ' : QString()) +
                          words::kHundred.toString() + u' ';
        }
        for (size_t g = 2; g < groups.size(); ++g)
            groups[g] = u' ' + words::kGroups[g - 1].toString() + u' ';
    }
};

const WritingWords& writingWords() {
    static const WritingWords table;
    return table;
}

// Indexed by place, 1 for the tens; places 5 and above all name the hundred thousands.
constexpr std::array<QStringView, 6> kPlaceNames = {u"",         u"(onlar)",    u"(yüzler)",
                                                    u"(binler)", u"(onbinler)", u"(yüzbinler)"};

const QString kListSeparator = QStringLiteral(", ");

int32_t digitCount(QStringView digitsText, MessageSink& messages) {
    const int32_t digits = fieldNumber(digitsText, QStringLiteral("Basamak"));
    if (digits < 1) {
        messages.showMessage(kTooSmallMessage);
        return 3;
    }
    if (digits > 9) {
        messages.showMessage(kTooLargeMessage);
        return 9;
    }
    return digits;
}

int32_t twoDrawDigit(RandomDraw& random) {
    const int32_t digit = random.draw(10);
    return digit != 0 ? random.draw(10) : digit;
}

// A number of `count` digits built from the units up; a top digit of 0 is
// drawn again as 2..9 so the number really has that many digits.
template <typename DigitDraw>
int32_t numberOfDigits(int32_t count, RandomDraw& random, DigitDraw drawDigit) {
    int32_t number = 0;
    for (int32_t i = 1; i <= count; ++i) {
        int32_t digit = drawDigit(random);
        if (i == count && digit == 0) digit = random.draw(8) + 2;
        number += digit * powerOfTen(i - 1);
    }
    return number;
}

int32_t plainDigit(RandomDraw& random) {
    return random.draw(10);
}

QString joinNumbers(const std::vector<int32_t>& numbers, const QString& separator) {
    QStringList texts;
    for (const int32_t n : numbers)
        texts << QString::number(n);
    return texts.join(separator);
}

// Five numbers from 1 to limit.
std::vector<int32_t> fiveNumbers(RandomDraw& random, int32_t limit) {
    std::vector<int32_t> numbers(5);
    for (int32_t& n : numbers)
        n = random.draw(limit) + 1;
    return numbers;
}

void generateReading(NumberSheet& sheet, RandomDraw& random) {
    const int32_t d = sheet.digits;
    const int32_t half = d / 2;
    // Row by row, the left exercise before the right one.
    for (int r = 0; r < kNumberRows; ++r) {
        for (const int p : {r, r + kNumberRows}) {
            int32_t number = 0;
            // Only even counts can come out too short (half the digits); draw again then.
            do {
                const int32_t count = half + random.draw(half + 1) + (d % 2);
                number = numberOfDigits(count, random, zeroFavouringDigit);
            } while (number < powerOfTen(half));
            sheet.exercises[p] = {QString::number(number), {number}, 0};
        }
    }
    sheet.title = QStringLiteral("Aşağıdaki sayıların okunuşunu yazınız.");
}

void generateWriting(NumberSheet& sheet, RandomDraw& random) {
    const int32_t d = sheet.digits;
    const int32_t groups = (d + 2) / 3;
    const WritingWords& table = writingWords();
    for (int p = 1; p <= kNumberExercises; ++p) {
        QString text;
        int32_t value = 0;
        for (int32_t g = groups; g >= 1; --g) {
            const int32_t u = twoDrawDigit(random);
            const int32_t t = twoDrawDigit(random);
            const int32_t h = twoDrawDigit(random);
            bool withTens = true;
            bool withHundreds = true;
            // The top group holds only the digits the count leaves over.
            if (g == groups && d % 3 == 1) withTens = withHundreds = false;
            if (g == groups && d % 3 == 2) withHundreds = false;
            // The last exercise of each column keeps its lowest group to units.
            if ((p == 24 || p == 48) && (d == 5 || d == 6) && g == 1)
                withTens = withHundreds = false;
            const QStringView hundreds =
                withHundreds ? QStringView(table.hundreds[static_cast<size_t>(h)]) : QStringView();
            const QStringView tens =
                withTens ? QStringView(table.tens[static_cast<size_t>(t)]) : QStringView();
            // "bin" alone is one thousand; Turkish says no "bir" before it.
            const bool bareThousand = g == 2 && hundreds.isEmpty() && tens.isEmpty() && u == 1;
            // A top group of millions with no word of its own reads as one million,
            // as its value does: a bare "milyon" is no Turkish number.
            const bool bareMillion =
                g == groups && g >= 3 && hundreds.isEmpty() && tens.isEmpty() && u == 0;
            const QStringView units = bareThousand  ? QStringView()
                                      : bareMillion ? words::kOnes[1]
                                                    : words::kOnes[static_cast<size_t>(u)];
            text += hundreds;
            text += tens;
            text += units;
            text += table.groups[static_cast<size_t>(g)];
            if (text.isEmpty()) text = words::kZero.toString();

            int32_t groupValue = (withHundreds ? h * 100 : 0) + (withTens ? t * 10 : 0) + u;
            // A group name with no words before it reads as one of that group.
            if (g >= 2 && groupValue == 0) groupValue = 1;
            value += groupValue * powerOfTen(3 * (g - 1));
        }
        sheet.exercises[p - 1] = {text, {value}, 0};
    }
    sheet.leftWide = groups >= 3;
    sheet.title = QStringLiteral("Aşağıdaki sayıları rakamla yazınız.");
}

void generateComparing(NumberSheet& sheet, RandomDraw& random) {
    const int32_t d = sheet.digits;
    const int32_t limit = powerOfTen(d);
    const int32_t smallest = powerOfTen(d / 2);
    // From four digits on, a number far shorter than the others is drawn again, twice at most.
    const auto drawNumber = [&] {
        int32_t n = random.draw(limit) + 1;
        if (d >= 4) {
            if (n < smallest) n = random.draw(limit) + 1;
            if (n < smallest) n = random.draw(limit) + 1;
        }
        return n;
    };
    for (NumberExercise& exercise : sheet.exercises) {
        const int32_t x = drawNumber();
        const int32_t y = drawNumber();
        exercise = {QString::number(x) + QStringLiteral(" ..... ") + QString::number(y), {x, y}, 0};
    }
    sheet.title = QStringLiteral("Aşağıdaki sayıları karşılaştırınız.");
}

void generateOrdering(NumberSheet& sheet, RandomDraw& random) {
    const int32_t d = sheet.digits;
    for (int p = 1; p <= kNumberExercises; ++p) {
        std::vector<int32_t> numbers = fiveNumbers(random, powerOfTen(d));
        // The last exercise of each column stays at most 10000 for long numbers.
        if (d > 4 && (p == 24 || p == 48)) numbers = fiveNumbers(random, 10000);
        sheet.exercises[p - 1] = {joinNumbers(numbers, kListSeparator), numbers, 0};
    }
    sheet.titleChoice = random.draw(2) == 0;
    sheet.title = sheet.titleChoice
                      ? QStringLiteral("Aşağıdaki sayıları büyükten küçüğe doğru sıralayınız.")
                      : QStringLiteral("Aşağıdaki sayıları küçükten büyüğe doğru sıralayınız.");
}

void generateOddEven(NumberSheet& sheet, RandomDraw& random) {
    for (NumberExercise& exercise : sheet.exercises) {
        const std::vector<int32_t> numbers = fiveNumbers(random, powerOfTen(sheet.digits));
        exercise = {joinNumbers(numbers, kListSeparator), numbers, 0};
    }
    sheet.titleChoice = random.draw(2) == 1;
    sheet.title = sheet.titleChoice
                      ? QStringLiteral("Aşağıdaki sayılardan tek olanları işaretleyiniz.")
                      : QStringLiteral("Aşağıdaki sayılardan çift olanları işaretleyiniz.");
}

void generateRounding(NumberSheet& sheet, RandomDraw& random) {
    const int32_t d = sheet.digits;
    for (NumberExercise& exercise : sheet.exercises) {
        const int32_t count = d - 1 + random.draw(2);
        // A one-digit number leaves no place to round to: the bound 0 stops the sheet.
        const int32_t place = std::min(random.draw(count - 1) + 1, 5);
        const int32_t number = numberOfDigits(count, random, plainDigit);
        exercise = {QString::number(number) + QStringLiteral("   ") + kPlaceNames[place].toString(),
                    {number},
                    place};
    }
    sheet.title = QStringLiteral("Aşağıdaki sayıları yuvarlayınız.");
}

using Generator = void (*)(NumberSheet&, RandomDraw&);

struct KindRow {
    QStringView text;
    Generator generate;
};

// In the order of the window's list.
constexpr std::array<KindRow, 6> kKinds = {{
    {u"Sayı Okuma", generateReading},
    {u"Sayı Yazma", generateWriting},
    {u"Karşılaştırma", generateComparing},
    {u"Sıralama", generateOrdering},
    {u"Tek ve Çift Sayılar", generateOddEven},
    {u"Sayı Yuvarlama", generateRounding},
}};

}  // namespace

const QStringList& numberKindTexts() {
    static const QStringList texts = [] {
        QStringList list;
        for (const KindRow& row : kKinds)
            list << row.text.toString();
        return list;
    }();
    return texts;
}

std::optional<NumberKind> numberKindFromText(QStringView text) {
    for (size_t i = 0; i < kKinds.size(); ++i)
        if (kKinds[i].text == text) return static_cast<NumberKind>(i);
    return std::nullopt;
}

NumberSheet generateNumbers(NumberKind kind, QStringView digitsText, RandomDraw& random,
                            MessageSink& messages) {
    NumberSheet sheet;
    sheet.kind = kind;
    sheet.digits = digitCount(digitsText, messages);
    // Rounding needs a place to round to: numbers of one digit would come out
    // of one or two, so these counts are refused before anything is drawn.
    if (kind == NumberKind::Rounding && sheet.digits < kSmallestRoundingDigits)
        throw InputRefused(QStringLiteral("\"Sayı Yuvarlama\" alıştırmaları %1 basamaklı sayılarla "
                                          "hazırlanamaz. \"Basamak\" kutusunda en az %2 seçiniz.")
                               .arg(sheet.digits)
                               .arg(kSmallestRoundingDigits));
    kKinds[static_cast<size_t>(kind)].generate(sheet, random);
    return sheet;
}

}  // namespace zarvik
