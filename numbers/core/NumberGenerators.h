#pragma once
// The six number exercise kinds of the number worksheet: each draws 48
// exercises (24 per column) and the page title, the instruction to the pupil.
// Besides the texts, every exercise keeps the numbers it was made of, so that
// answer keys can be computed without parsing the texts.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "common/core/Questions.h"
#include "common/core/RandomDraw.h"

namespace zarvik {

// In the order of the window's kind list (ComboBox1).
enum class NumberKind { Reading, Writing, Comparing, Ordering, OddEven, Rounding };

inline constexpr int kNumberExercises = 48;
inline constexpr int kNumberRows = 24;
// "Sayı Yuvarlama" with fewer digits is refused.
inline constexpr int32_t kSmallestRoundingDigits = 3;

struct NumberExercise {
    // The exercise as the generator writes it, before numbering.
    QString text;
    // Reading: the number. Writing: the number the words say. Comparing: x, y.
    // Ordering, OddEven: the five numbers in their printed order. Rounding: the number.
    std::vector<int32_t> numbers;
    // Rounding: the place the text names, 1 (tens) to 5 (hundred thousands).
    int32_t place = 0;
};

struct NumberSheet {
    NumberKind kind = NumberKind::Reading;
    int32_t digits = 0;  // the digit count after correction
    QString title;
    // Exercise p (1..48) is exercises[p - 1]: 1..24 the left column, 25..48 the right.
    std::array<NumberExercise, kNumberExercises> exercises;
    // Ordering: true when the pupil sorts from the largest down. OddEven: true
    // when the pupil marks the odd numbers.
    bool titleChoice = false;
    // Only "Sayı Yazma" decides the left column's width; the others leave it alone.
    std::optional<bool> leftWide;
};

// The six kind texts of the window's list, in NumberKind order.
const QStringList& numberKindTexts();
// The kind whose text equals the given text exactly; none for anything else.
std::optional<NumberKind> numberKindFromText(QStringView text);

// Reads the digit count from digitsText (ConversionError when it is not a
// number), corrects a count outside 1..9 to 3 or 9 with a message, then draws
// the kind's exercises and title. "Sayı Yuvarlama" with one or two digits
// throws InputRefused before anything is drawn.
NumberSheet generateNumbers(NumberKind kind, QStringView digitsText, RandomDraw& random,
                            MessageSink& messages);

}  // namespace zarvik
