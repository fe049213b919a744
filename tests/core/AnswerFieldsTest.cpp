// How an exercise is answered on a screen: a line's blanks each get a field
// with the part of the answer that goes there, and each field the check a
// teacher would mark it by; and the texts of the answer codes.

#include <gtest/gtest.h>

#include "common/core/AnswerCode.h"
#include "common/core/AnswerFields.h"

namespace zarvik {
namespace {

Exercise line(const QString& text, const QString& answer, ExerciseValues values = {}) {
    Exercise e;
    e.number = 1;
    e.text = text;
    e.answer = answer;
    e.values = std::move(values);
    return e;
}

struct Case {
    Exercise exercise;
    QStringList texts;     // around the fields; empty for a figure
    QStringList accepted;  // each field's first accepted answer
    AnswerCheck check;     // the first field's
};

TEST(AnswerFields, BlanksGetTheirPartOfTheAnswer) {
    Exercise odd = line("89, 43, 33, 30, 7", "89, 43, 33, 7", {{"odd", true}});
    Exercise sequence;
    sequence.shape = ExerciseShape::Sequence;
    sequence.text = "19, 21, ___, 25, ___";
    sequence.answer = "23, 27";
    sequence.values = {{"numbers", std::vector<int64_t>{19, 21, 23, 25, 27}},
                       {"blanks", std::vector<int64_t>{2, 4}}};
    Exercise reading;
    reading.shape = ExerciseShape::Clock;
    reading.text = "___";
    reading.answer = "dokuz buçuk (09:30)";
    reading.values = {{"hour", int64_t(9)}, {"minute", int64_t(30)}, {"hands", true}};
    Exercise drawing = reading;
    drawing.values = {{"hour", int64_t(9)}, {"minute", int64_t(5)}, {"hands", false}};
    Exercise fractions;
    fractions.shape = ExerciseShape::Fractions;
    fractions.answer = "1 1/4";
    Exercise division;
    division.shape = ExerciseShape::LongDivision;
    division.answer = "982, kalan 1";

    const auto problem = [](const QString& answer, const QString& answerLine) {
        Exercise e = line("Ne kadar?", answer, {{"answerForm", answerLine}});
        e.shape = ExerciseShape::Problem;
        return e;
    };

    const std::vector<Case> cases{
        // The text kinds: the answer follows the sum, spaced as printed.
        {line("7+8=", "15"), {"7 + 8 =", ""}, {"15"}, AnswerCheck::Number},
        {line("9÷2=", "4, kalan 1"), {"9 ÷ 2 =", ""}, {"4, kalan 1"}, AnswerCheck::Text},
        {line("0,98÷4,57=", "yaklaşık 0,214"), {"0,98 ÷ 4,57 =", ""}, {"0,214"},
         AnswerCheck::Number},
        // A unit after the blank is the page's, not the pupil's.
        {line("83 km=..........m", "83000 m"), {"83 km=", "m"}, {"83000"}, AnswerCheck::Number},
        {line("12 + ___ = 18", "6"), {"12 + ", " = 18"}, {"6"}, AnswerCheck::Number},
        {line("321 ..... 151", "321 > 151"), {"321 ", " 151"}, {">"}, AnswerCheck::Relation},
        {line("6078 = ___ binlik + ___ yüzlük + ___ onluk + ___ birlik",
              "6 binlik + 0 yüzlük + 7 onluk + 8 birlik"),
         {"6078 = ", " binlik + ", " yüzlük + ", " onluk + ", " birlik"},
         {"6", "0", "7", "8"},
         AnswerCheck::Number},
        // Only the result's side of the sum is in the answer.
        {line("9 TL 40 kr + 6 TL 70 kr = ___ TL ___ kr", "16 TL 10 kr"),
         {"9 TL 40 kr + 6 TL 70 kr = ", " TL ", " kr"},
         {"16", "10"},
         AnswerCheck::Number},
        {line("30", "otuz"), {"30", ""}, {"otuz"}, AnswerCheck::Text},
        {line("321, 151, 318, 299, 84", "84, 151, 299, 318, 321"),
         {"321, 151, 318, 299, 84", ""},
         {"84, 151, 299, 318, 321"},
         AnswerCheck::NumberList},
        {odd, {"89, 43, 33, 30, 7", ""}, {"89, 43, 33, 7"}, AnswerCheck::NumberSet},
        {sequence, {"19, 21, ", ", 25, ", ""}, {"23", "27"}, AnswerCheck::Number},
        {reading, {}, {"dokuz buçuk"}, AnswerCheck::Time},
        {drawing, {}, {"9:05"}, AnswerCheck::ClockHands},
        {fractions, {}, {"1 1/4"}, AnswerCheck::Fraction},
        {division, {}, {"982, kalan 1"}, AnswerCheck::Text},
        // A word problem: its answer line, each blank the number before its
        // unit in the last result; a unit the result leaves out is 0.
        {problem("5 × 17 lira 25 kuruş = 86 lira 25 kuruş; 200 lira − 86 lira 25 kuruş = "
                 "113 lira 75 kuruş",
                 "___ lira ___ kuruş"),
         {"Ne kadar?\nCevap: ", " lira ", " kuruş"},
         {"113", "75"},
         AnswerCheck::Number},
        {problem("48 lira 50 kuruş − 21 lira 50 kuruş = 27 lira", "___ lira ___ kuruş"),
         {"Ne kadar?\nCevap: ", " lira ", " kuruş"},
         {"27", "0"},
         AnswerCheck::Number},
        {problem("101 ÷ 5 = 20, kalan 1", "___, kalan ___"),
         {"Ne kadar?\nCevap: ", ", kalan ", ""},
         {"20", "1"},
         AnswerCheck::Number},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exercise.text.toStdString() + " = " + c.exercise.answer.toStdString());
        const AnswerForm form = answerForm(c.exercise);
        EXPECT_EQ(form.texts, c.texts);
        QStringList accepted;
        for (const AnswerField& field : form.fields)
            accepted << field.accepted.front();
        EXPECT_EQ(accepted, c.accepted);
        ASSERT_FALSE(form.fields.empty());
        EXPECT_EQ(form.fields.front().check, c.check);
        EXPECT_EQ(answeredOnFigure(c.exercise), c.texts.isEmpty());
    }
    // A clock is read in words or in digits.
    EXPECT_EQ(answerForm(reading).fields.front().accepted,
              QStringList({"dokuz buçuk", "09:30"}));
}

Exercise numbered(int number, const QString& answer) {
    Exercise e;
    e.number = number;
    e.answer = answer;
    return e;
}

TEST(AnswerCode, LongAnswerListsAreCutBetweenAnswers) {
    ExerciseList exercises;
    for (int n = 1; n <= 48; ++n)
        exercises.push_back(
            numbered(n, QStringLiteral("dokuz yüz seksen yedi bin\naltı yüz %1").arg(n)));
    const QStringList parts = answerCodeTexts(exercises, 200);
    ASSERT_GT(parts.size(), 1);
    QStringList whole;
    for (const Exercise& e : exercises)
        whole << QString::number(e.number) + QStringLiteral(") ") + e.answer.simplified();
    EXPECT_EQ(parts.join(u' '), whole.join(u' '));
    for (const QString& part : parts) {
        EXPECT_LE(part.toUtf8().size(), 200);
        EXPECT_TRUE(part.front().isDigit());
    }
    EXPECT_EQ(answerCodeTexts({numbered(1, "297"), numbered(2, "48")}), QStringList{"1) 297 2) 48"});
}

}  // namespace
}  // namespace zarvik
