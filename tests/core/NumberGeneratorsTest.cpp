// The six number exercise kinds: what every sheet guarantees over many seeds,
// the words of "Sayı Yazma", the digit-count corrections and the failures.

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>
#include <cmath>
#include <functional>

#include "numbers/core/NumberGenerators.h"

using namespace zarvik;

namespace {

struct RecordedMessages : MessageSink {
    QStringList texts;
    void showMessage(const QString& text) override { texts << text; }
};

NumberSheet sheetFor(NumberKind kind, int digits, int64_t seed) {
    RandomDraw random;
    random.seed(seed);
    RecordedMessages messages;
    return generateNumbers(kind, QString::number(digits), random, messages);
}

int digitsOf(int32_t n) {
    return QString::number(n).size();
}

// Calls check(sheet) for many seeds.
void overSeeds(NumberKind kind, int digits, const std::function<void(const NumberSheet&)>& check,
               int seeds = 60) {
    for (int s = 0; s < seeds; ++s) {
        SCOPED_TRACE(testing::Message() << "digits " << digits << " seed " << s);
        check(sheetFor(kind, digits, 1700000000 + 7919LL * s));
    }
}

// Reads Turkish number words the way a pupil does: a group name with no
// number before it ("bin") stands for one of that group.
int64_t readWords(const QString& words) {
    static const QStringList units = {"",    "bir",  "iki",  "üç",    "dört",
                                      "beş", "altı", "yedi", "sekiz", "dokuz"};
    static const QStringList tens = {"",     "on",     "yirmi",  "otuz",   "kırk",
                                     "elli", "altmış", "yetmiş", "seksen", "doksan"};
    int64_t total = 0, group = 0;
    bool groupHasWords = false;
    for (const QString& word : words.split(u' ', Qt::SkipEmptyParts)) {
        if (word == u"sıfır") continue;
        const int64_t scale = word == QLatin1String("bin")      ? 1000
                              : word == QLatin1String("milyon") ? 1000000
                              : word == QLatin1String("milyar") ? 1000000000
                                                                : 0;
        if (scale) {
            total += (groupHasWords ? group : 1) * scale;
            group = 0;
            groupHasWords = false;
        } else if (word == u"yüz") {
            group = (group ? group : 1) * 100;
            groupHasWords = true;
        } else if (units.indexOf(word) > 0) {
            group += units.indexOf(word);
            groupHasWords = true;
        } else if (tens.indexOf(word) > 0) {
            group += 10 * tens.indexOf(word);
            groupHasWords = true;
        } else {
            ADD_FAILURE() << "unknown word " << word.toStdString();
        }
    }
    return total + group;
}

}  // namespace

TEST(NumberKinds, ListTextsAndExactLookup) {
    EXPECT_EQ(numberKindTexts(),
              (QStringList{"Sayı Okuma", "Sayı Yazma", "Karşılaştırma", "Sıralama",
                           "Tek ve Çift Sayılar", "Sayı Yuvarlama"}));
    EXPECT_EQ(numberKindFromText(u"Sıralama"), NumberKind::Ordering);
    EXPECT_EQ(numberKindFromText(u"sıralama"), std::nullopt);
    EXPECT_EQ(numberKindFromText(u"Sayı Okuma "), std::nullopt);
    EXPECT_EQ(numberKindFromText(u""), std::nullopt);
}

TEST(NumberGenerators, SameSeedSameSheet) {
    for (int k = 0; k < 5; ++k) {
        const auto kind = static_cast<NumberKind>(k);
        const NumberSheet a = sheetFor(kind, 5, 42), b = sheetFor(kind, 5, 42);
        for (int p = 0; p < kNumberExercises; ++p)
            EXPECT_EQ(a.exercises[p].text, b.exercises[p].text);
        EXPECT_EQ(a.title, b.title);
    }
}

// Pinned sheets of one seed: a change in any draw or in its order shows here.
TEST(NumberGenerators, KnownSheetsOfOneSeed) {
    const int64_t seed = 1700000000;
    const NumberSheet reading = sheetFor(NumberKind::Reading, 4, seed);
    EXPECT_EQ(reading.exercises[0].text, "8461");
    EXPECT_EQ(reading.exercises[24].text, "960");  // row 1 right, drawn second
    EXPECT_EQ(reading.exercises[1].text, "848");
    const NumberSheet writing = sheetFor(NumberKind::Writing, 4, seed);
    EXPECT_EQ(writing.exercises[3].text, "yedi bin üç yüz altmış ");
    EXPECT_EQ(writing.exercises[3].numbers, std::vector<int32_t>{7360});
    const NumberSheet ordering = sheetFor(NumberKind::Ordering, 4, seed);
    EXPECT_EQ(ordering.exercises[0].text, "7367, 9075, 9820, 2885, 9882");
    EXPECT_EQ(ordering.title, "Aşağıdaki sayıları büyükten küçüğe doğru sıralayınız.");
    EXPECT_TRUE(ordering.titleChoice);
    const NumberSheet rounding = sheetFor(NumberKind::Rounding, 4, seed);
    EXPECT_EQ(rounding.exercises[1].text, "1114   (yüzler)");
    EXPECT_EQ(rounding.exercises[1].place, 2);
}

TEST(NumberGenerators, ReadingHasMoreThanHalfTheDigits) {
    for (int d = 1; d <= 9; ++d) {
        overSeeds(NumberKind::Reading, d, [d](const NumberSheet& sheet) {
            for (const NumberExercise& e : sheet.exercises) {
                ASSERT_EQ(e.text, QString::number(e.numbers.at(0)));
                EXPECT_GT(digitsOf(e.numbers[0]), d / 2) << e.text.toStdString();
                EXPECT_LE(digitsOf(e.numbers[0]), d) << e.text.toStdString();
                EXPECT_GE(e.numbers[0], 1);
            }
            EXPECT_EQ(sheet.title, "Aşağıdaki sayıların okunuşunu yazınız.");
        });
    }
}

TEST(NumberGenerators, ComparingRangesAndRedraws) {
    int shortNumbers = 0;
    for (int d : {1, 3, 4, 7, 9}) {
        overSeeds(NumberKind::Comparing, d, [&](const NumberSheet& sheet) {
            for (const NumberExercise& e : sheet.exercises) {
                const auto& n = e.numbers;
                ASSERT_EQ(n.size(), 2u);
                EXPECT_EQ(e.text, QString::number(n[0]) + " ..... " + QString::number(n[1]));
                for (int32_t x : n) {
                    EXPECT_GE(x, 1);
                    EXPECT_LE(x, static_cast<int32_t>(std::pow(10, d)));
                    if (d == 4 && x < 100) ++shortNumbers;
                }
            }
            EXPECT_EQ(sheet.title, "Aşağıdaki sayıları karşılaştırınız.");
        });
    }
    // Two redraws make a short number rare: 2 880 numbers at four digits hold a few at most.
    EXPECT_LT(shortNumbers, 30);
}

TEST(NumberGenerators, OrderingKeepsLastOfEachColumnSmall) {
    bool sawLarge = false;
    overSeeds(NumberKind::Ordering, 6, [&](const NumberSheet& sheet) {
        for (int p = 1; p <= kNumberExercises; ++p) {
            const auto& n = sheet.exercises[p - 1].numbers;
            ASSERT_EQ(n.size(), 5u);
            const int32_t limit = (p == 24 || p == 48) ? 10000 : 1000000;
            for (int32_t x : n) {
                EXPECT_GE(x, 1);
                EXPECT_LE(x, limit) << "exercise " << p;
                sawLarge |= x > 10000;
            }
        }
    });
    EXPECT_TRUE(sawLarge);
}

TEST(NumberGenerators, OddEvenFiveNumbersAndBothTitles) {
    QSet<QString> titles;
    overSeeds(NumberKind::OddEven, 1, [&](const NumberSheet& sheet) {
        for (const NumberExercise& e : sheet.exercises) {
            ASSERT_EQ(e.numbers.size(), 5u);
            for (int32_t x : e.numbers) {
                EXPECT_GE(x, 1);
                EXPECT_LE(x, 10);
            }
            EXPECT_TRUE(QRegularExpression("^\\d+(, \\d+){4}$").match(e.text).hasMatch());
        }
        titles << sheet.title;
        EXPECT_EQ(sheet.titleChoice, sheet.title.contains("tek olanları"));
    });
    EXPECT_EQ(titles, (QSet<QString>{"Aşağıdaki sayılardan tek olanları işaretleyiniz.",
                                     "Aşağıdaki sayılardan çift olanları işaretleyiniz."}));
}

TEST(NumberGenerators, RoundingPlacesFitTheNumber) {
    static const QStringList places = {"",         "(onlar)",    "(yüzler)",
                                       "(binler)", "(onbinler)", "(yüzbinler)"};
    for (int d : {3, 5, 9}) {
        overSeeds(NumberKind::Rounding, d, [d](const NumberSheet& sheet) {
            for (const NumberExercise& e : sheet.exercises) {
                const int32_t n = e.numbers.at(0);
                const int count = digitsOf(n);
                EXPECT_TRUE(count == d || count == d - 1) << n;
                ASSERT_GE(e.place, 1);
                ASSERT_LE(e.place, 5);
                // The place lies inside the number, or is the top one named for all above.
                EXPECT_TRUE(e.place < count || e.place == 5) << e.text.toStdString();
                EXPECT_EQ(e.text, QString::number(n) + "   " + places[e.place]);
            }
        });
    }
    // Three digits: tens for every two-digit number, hundreds only for three digits.
    bool sawHundreds = false;
    overSeeds(NumberKind::Rounding, 3, [&](const NumberSheet& sheet) {
        for (const NumberExercise& e : sheet.exercises) {
            if (e.place == 2) {
                sawHundreds = true;
                EXPECT_EQ(digitsOf(e.numbers[0]), 3);
            }
        }
    });
    EXPECT_TRUE(sawHundreds);
}

// One or two digits once stopped every sheet with "Division by zero"; they are
// refused before the first draw, naming the smallest count that works.
TEST(NumberGenerators, RoundingWithOneOrTwoDigitsIsRefusedBeforeAnyDraw) {
    for (int d : {1, 2}) {
        RandomDraw random, untouched;
        random.seed(5);
        untouched.seed(5);
        RecordedMessages messages;
        try {
            generateNumbers(NumberKind::Rounding, QString::number(d), random, messages);
            ADD_FAILURE() << d << " digits were not refused";
        } catch (const InputRefused& e) {
            EXPECT_TRUE(e.message().contains(u"en az 3"_qs)) << e.message().toStdString();
        }
        EXPECT_EQ(random.draw(1000000), untouched.draw(1000000));
    }
    overSeeds(NumberKind::Rounding, kSmallestRoundingDigits,
              [](const NumberSheet& sheet) { EXPECT_EQ(sheet.digits, kSmallestRoundingDigits); });
}

TEST(NumberGenerators, WritingWordsSayTheKeptNumber) {
    for (int d = 1; d <= 9; ++d) {
        overSeeds(NumberKind::Writing, d, [d](const NumberSheet& sheet) {
            for (int p = 1; p <= kNumberExercises; ++p) {
                const NumberExercise& e = sheet.exercises[p - 1];
                SCOPED_TRACE(e.text.toStdString());
                EXPECT_EQ(readWords(e.text), e.numbers.at(0));
                EXPECT_FALSE(e.text.contains("   "));
                EXPECT_LE(digitsOf(e.numbers[0]), std::max(d, 4));
                // Five and six digits: the last exercise of each column ends in units only.
                if ((d == 5 || d == 6) && (p == 24 || p == 48)) {
                    EXPECT_TRUE(e.text.endsWith(" bin ") ||
                                QRegularExpression(" bin [a-zçşıöü]+$").match(e.text).hasMatch());
                }
            }
            EXPECT_EQ(sheet.leftWide, d >= 7);
            EXPECT_EQ(sheet.title, "Aşağıdaki sayıları rakamla yazınız.");
        });
    }
}

TEST(NumberGenerators, WritingSmallCountsAndTheThousandsWord) {
    static const QStringList unitsOrZero = {"sıfır", "bir",  "iki",  "üç",    "dört",
                                            "beş",   "altı", "yedi", "sekiz", "dokuz"};
    overSeeds(NumberKind::Writing, 1, [](const NumberSheet& sheet) {
        for (const NumberExercise& e : sheet.exercises)
            EXPECT_TRUE(unitsOrZero.contains(e.text));
    });
    int bareThousands = 0, twoThousands = 0;
    overSeeds(NumberKind::Writing, 4, [&](const NumberSheet& sheet) {
        for (const NumberExercise& e : sheet.exercises) {
            // The top group is one units word, never "bir", then " bin ".
            const qsizetype bin = e.text.indexOf(" bin ");
            ASSERT_GE(bin, 0) << e.text.toStdString();
            const QString top = e.text.left(bin);
            EXPECT_TRUE(top.isEmpty() ||
                        (unitsOrZero.contains(top) && top != "bir" && top != "sıfır"))
                << e.text.toStdString();
            bareThousands += top.isEmpty();
            twoThousands += top == "iki";
        }
    });
    EXPECT_GT(bareThousands, 0);
    EXPECT_GT(twoThousands, 0);
}

TEST(NumberGenerators, WritingEmptyMiddleGroupKeepsItsName) {
    bool sawEmptyThousands = false;
    bool sawDoubleSpace = false;
    overSeeds(
        NumberKind::Writing, 7,
        [&](const NumberSheet& sheet) {
            for (const NumberExercise& e : sheet.exercises) {
                EXPECT_TRUE(e.text.contains(" milyon ") && e.text.contains(" bin "));
                sawEmptyThousands |= e.text.contains(" milyon  bin ");
                sawDoubleSpace |= e.text.contains(QRegularExpression("[a-zçşıöü]  (bin|milyon)"));
            }
        },
        400);
    EXPECT_TRUE(sawEmptyThousands);
    EXPECT_TRUE(sawDoubleSpace);
}

// At 7 to 9 digits a top group with no word once left a bare " milyon ..."; it
// says "bir milyon", the one million its value already counted.
TEST(NumberGenerators, WritingNeverStartsWithABareMillion) {
    for (int d = 7; d <= 9; ++d) {
        int oneMillion = 0;
        overSeeds(
            NumberKind::Writing, d,
            [&](const NumberSheet& sheet) {
                for (const NumberExercise& e : sheet.exercises) {
                    EXPECT_FALSE(e.text.startsWith(u' ')) << e.text.toStdString();
                    EXPECT_EQ(readWords(e.text), e.numbers.at(0));
                    if (e.text.startsWith(u"bir milyon "_qs)) {
                        ++oneMillion;
                        EXPECT_EQ(e.numbers[0] / 1000000, 1);
                    }
                }
            },
            200);
        EXPECT_GT(oneMillion, 0) << d;
    }
}

TEST(NumberGenerators, DigitCountCorrections) {
    struct Case {
        const char* digits;
        int taken;
        const char* message;
    };
    const Case cases[] = {
        {"0", 3,
         "Bu alıştırmalarda 1 sayısından daha küçük değer kabul edilemeyeceğinden \n"
         "dolayı basamak sayısı 3 olarak işleme konmuştur"},
        {"-5", 3,
         "Bu alıştırmalarda 1 sayısından daha küçük değer kabul edilemeyeceğinden \n"
         "dolayı basamak sayısı 3 olarak işleme konmuştur"},
        {"10", 9,
         "Bu alıştırmalarda 9 sayısından daha büyük değer kabul edilemeyeceğinden \n"
         "dolayı basamak sayısı 9 olarak işleme konmuştur"},
        {"9", 9, nullptr},
        {"1", 1, nullptr},
    };
    for (const Case& c : cases) {
        RandomDraw random(5, 0);
        RecordedMessages messages;
        const NumberSheet sheet =
            generateNumbers(NumberKind::OddEven, QString::fromLatin1(c.digits), random, messages);
        EXPECT_EQ(sheet.digits, c.taken) << c.digits;
        EXPECT_EQ(messages.texts,
                  c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList())
            << c.digits;
        // The corrected count draws exactly as if it had been picked.
        RandomDraw same(5, 0);
        RecordedMessages none;
        EXPECT_EQ(sheet.exercises[0].text,
                  generateNumbers(NumberKind::OddEven, QString::number(c.taken), same, none)
                      .exercises[0]
                      .text);
    }
    RandomDraw random(5, 0);
    RecordedMessages messages;
    EXPECT_THROW(generateNumbers(NumberKind::Reading, u"abc", random, messages), ConversionError);
    EXPECT_EQ(random.low(), 5u);  // nothing drawn
    EXPECT_TRUE(messages.texts.isEmpty());
}
