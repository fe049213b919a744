// Room for a pupil to write every answer, measured on the ink of pages
// rendered at 300 dpi: about 4 mm a character on lines 8 mm apart, every
// number kind at every digit count in one and two columns, the column pages
// at their smallest and largest settings (and with more room), and the
// fraction page.

#include <gtest/gtest.h>

#include <cmath>

#include "InkOnPaper.h"
#include "column_worksheets/core/ColumnPages.h"
#include "column_worksheets/core/ColumnSheet.h"
#include "column_worksheets/core/RoomyColumnPages.h"
#include "column_worksheets/core/ScriptedQuestions.h"
#include "common/core/Errors.h"
#include "common/core/PageCells.h"
#include "fractions/core/FractionPage.h"
#include "fractions/core/FractionWorksheet.h"
#include "numbers/core/NumberAnswerPages.h"
#include "numbers/core/NumberAnswers.h"
#include "numbers/core/NumberPage.h"
#include "numbers/core/NumberWorksheet.h"

using namespace zarvik;
using test::inkNearEdges;
using test::kCharacter;
using test::kWritingLine;
using test::Rendered;

namespace {

struct NoMessages : MessageSink {
    void showMessage(const QString&) override {}
};

// Letters and digits, what the pupil writes 4 mm each.
int handwritten(const QString& answer) {
    return static_cast<int>(
        std::count_if(answer.begin(), answer.end(), [](QChar c) { return c.isLetterOrNumber(); }));
}

double middle(const Cell& line) {
    return line.top + line.height / 2;
}

// Every page of a prepared sheet: the header and the page number on each,
// nothing near the paper's edge, and the exercises in their order.
void expectPagesOfTheSheet(const std::vector<Rendered>& pages, const QStringList& texts) {
    QStringList seen;
    for (size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        const Rendered& r = pages[p];
        EXPECT_EQ(inkNearEdges(r.image), 0);
        EXPECT_EQ(r.page.cell(u"QRLabel55").text, kPupilNameCaption.toString());
        EXPECT_FALSE(r.page.cell(kNumberTitleCell).text.isEmpty());
        if (pages.size() > 1) {
            EXPECT_EQ(r.page.cell(kNumberPageNumberCell).text,
                      QStringLiteral("%1/%2").arg(p + 1).arg(pages.size()));
        }
        for (int e = 1; e <= 2 * kNumberRows; ++e)
            if (r.page.has(numberExerciseCell(e))) seen << r.page.cell(numberExerciseCell(e)).text;
        // Nothing reaches the footer strip.
        const Cell& footer = r.page.cell(u"QRImage2");
        EXPECT_EQ(r.ink(0, footer.top - 10, r.page.bandWidth, footer.top - 1), 0);
    }
    QStringList joined;
    for (const QString& text : seen)
        joined << QString(text).replace(u'\n', u' ').simplified();
    QStringList wanted;
    for (const QString& text : texts)
        wanted << text.simplified();
    EXPECT_EQ(joined, wanted);
}

// Between the two numbers of a comparison, white for at least a character.
double widestGapBetweenNumbers(const Rendered& r, const Cell& cell) {
    const double em = cell.font.pointSize * 254.0 / 72.0;
    // Above the dots: the digits' upper half.
    const double top = cell.top + 0.25 * em;
    const double bottom = cell.top + 0.6 * em;
    double widest = 0, runEnd = -1;
    for (double x = cell.left; x < r.page.bandWidth; x += 1) {
        if (r.ink(x, top, x + 1, bottom) == 0) continue;
        if (runEnd >= 0) widest = std::max(widest, x - runEnd);
        runEnd = x + 1;
    }
    return widest;
}

class NumberKindRoom : public ::testing::TestWithParam<NumberKind> {};

}  // namespace

TEST_P(NumberKindRoom, EveryAnswerHasRoomAtEveryDigitCount) {
    const NumberKind kind = GetParam();
    const QString kindText = numberKindTexts()[static_cast<qsizetype>(kind)];
    for (int digits = 1; digits <= 9; ++digits) {
        for (const QStringView columns : {kOneColumn, kTwoColumns}) {
            SCOPED_TRACE(kindText.toStdString() + " " + std::to_string(digits) + " " +
                         columns.toString().toStdString());
            NumberWorksheet sheet;
            RandomDraw random;
            random.seed(1700000000 + digits);
            NoMessages messages;
            try {
                sheet.prepare({kindText, QString::number(digits), columns.toString(),
                               QStringLiteral("Ayşe Öğretmen"), QStringLiteral("01/01/2009")},
                              random, messages);
            } catch (const InputRefused&) {
                continue;  // rounding needs three digits at least
            }
            const bool oneColumn = columns == kOneColumn;
            QStringList texts = sheet.leftTexts();
            if (!oneColumn) texts += sheet.rightTexts();
            std::vector<Rendered> pages;
            for (const Page& page : sheet.pages())
                pages.emplace_back(page);
            if (writesNumberAnswers(kind)) {
                expectPagesOfTheSheet(pages, texts);
            } else {
                ASSERT_EQ(pages.size(), 1u);  // the designed page, as before
                EXPECT_EQ(inkNearEdges(pages[0].image), 0);
            }

            const ExerciseList exercises = numberExercises(*sheet.sheet(), oneColumn);
            if (kind == NumberKind::Comparing) {
                ASSERT_EQ(pages.size(), 1u);
                for (int row = 1; row <= kNumberRows; ++row)
                    for (const QString& name : {numberLeftCell(row), numberRightCell(row)})
                        if (!pages[0].page.cell(name).text.isEmpty()) {
                            EXPECT_GE(widestGapBetweenNumbers(pages[0], pages[0].page.cell(name)),
                                      kCharacter)
                                << name.toStdString();
                        }
            }
            if (!writesNumberAnswers(kind)) continue;

            for (const Exercise& exercise : exercises) {
                double length = 0;
                int lines = 0;
                for (const Rendered& r : pages) {
                    for (int k = 1; r.page.has(numberAnswerLineCell(exercise.number, k)); ++k) {
                        const Cell& line = r.page.cell(numberAnswerLineCell(exercise.number, k));
                        const double y = middle(line);
                        const double right = line.left + line.width;
                        length += line.width;
                        ++lines;
                        // A writing line's height of white above it, its dots, and
                        // room for the tails of the letters below.
                        EXPECT_EQ(r.ink(line.left + 2, y - kWritingLine + 4, right - 2, y - 4), 0)
                            << exercise.number << " line " << k;
                        EXPECT_GT(r.ink(line.left, y - 3, right, y + 3), 20);
                        EXPECT_EQ(r.ink(line.left + 2, y + 4, right - 2, y + 22), 0)
                            << exercise.number << " line " << k;
                    }
                }
                EXPECT_GE(lines, 1) << exercise.number;
                EXPECT_GE(length, handwritten(exercise.answer) * kCharacter)
                    << exercise.number << " " << exercise.answer.toStdString();
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, NumberKindRoom,
                         ::testing::Values(NumberKind::Reading, NumberKind::Writing,
                                           NumberKind::Comparing, NumberKind::Ordering,
                                           NumberKind::OddEven, NumberKind::Rounding),
                         [](const auto& info) { return std::to_string(static_cast<int>(info.param)); });

namespace {

struct ColumnCase {
    const ColumnWindowDesign* design;
    const char* operation;
    const char* property;
    QStringList answers;
};

ColumnSheet preparedColumn(const ColumnCase& c) {
    ColumnSheet sheet(*c.design);
    ScriptedQuestions questions(c.answers);
    RandomDraw random;
    random.seed(1222833600);
    sheet.prepare(QString::fromUtf8(c.operation), QString::fromUtf8(c.property),
                  QStringLiteral("Ayşe Öğretmen"), QStringLiteral("07/03/2008"), questions,
                  random);
    return sheet;
}

std::string nameOf(const ColumnCase& c) {
    return c.design->caption.toString().toStdString() + " " + c.property + " " +
           c.answers.join(';').toStdString();
}

const char* const kAdd = "Toplama";
const char* const kMultiply = "Çarpma";
const char* const kDivide = "Bölme";

// The smallest and the largest settings of both pages of both windows.
std::vector<ColumnCase> columnCases() {
    return {
        {&halfPageDesign(), kAdd, "Tek Basamaklı Sayılarla", {}},
        {&halfPageDesign(), kMultiply, "Çok basamaklı sayılarla eldeli", {"9", "9"}},
        {&halfPageDesign(), kDivide, "Temel bölme (2-3. sınıf)", {"2", "2", "h"}},
        {&halfPageDesign(), kDivide, "İleri seviye bölme (3-4-5. sınıf)", {"9", "8", "e"}},
        {&fullPageDesign(), kAdd, "Tek Basamaklı Sayılarla", {}},
        {&fullPageDesign(), kMultiply, "Çok basamaklı sayılarla eldeli", {"5", "4"}},
        {&fullPageDesign(), kDivide, "Temel bölme (2-3. sınıf)", {"2", "2", "h"}},
        {&fullPageDesign(), kDivide, "İleri seviye bölme (3-4-5. sınıf)", {"6", "4", "e"}},
    };
}

}  // namespace

TEST(ColumnRoom, ProblemsClearOfTheRibbonsAndAWritingLineUnderEveryAnswerLine) {
    for (const ColumnCase& c : columnCases()) {
        SCOPED_TRACE(nameOf(c));
        ColumnSheet sheet = preparedColumn(c);
        const QString operation = QString::fromUtf8(c.operation);
        const bool division = ColumnSheet::usesDivisionPage(operation);
        const Rendered r(sheet.transferForOperation(operation));
        const PageFrameDesign& frame = division ? c.design->divisionPage : c.design->gridPage;
        const double headerInk = pictureInkBottom(r.page.cell(frame.headerRibbon.name));
        const double footerInk = pictureInkTop(r.page.cell(frame.footerRibbon.name));
        // 3 mm of white under the header ribbon and above the footer ribbon.
        EXPECT_EQ(r.ink(0, headerInk + 3, r.page.bandWidth, headerInk + 30), 0);
        EXPECT_EQ(r.ink(0, footerInk - 30, r.page.bandWidth, footerInk - 3), 0);
        EXPECT_EQ(inkNearEdges(r.image), 0);
        if (division) continue;
        for (int slot = 1; slot <= kGridSlotCount; ++slot) {
            // The answer goes under the line: 8 mm of white there.
            const Cell& line = r.page.cell(gridLineName(slot));
            const double y = middle(line);
            EXPECT_EQ(r.ink(line.left, y + 5, line.left + line.width, y + kWritingLine), 0)
                << slot;
            EXPECT_LE(y + kWritingLine, footerInk) << slot;
        }
    }
}

TEST(ColumnRoom, MoreRoomGivesEveryProblemRoomToWorkIt) {
    std::vector<ColumnCase> cases = columnCases();
    cases.push_back({&halfPageDesign(), kDivide, "İleri seviye bölme (3-4-5. sınıf)", {"9", "1", "e"}});
    for (const ColumnCase& c : cases) {
        SCOPED_TRACE(nameOf(c));
        ColumnSheet sheet = preparedColumn(c);
        const QString operation = QString::fromUtf8(c.operation);
        const bool division = ColumnSheet::usesDivisionPage(operation);
        const std::vector<Page> pages = roomyColumnPages(sheet, operation);
        const int count = sheet.slotCountFor(operation);
        QStringList firsts;
        for (size_t p = 0; p < pages.size(); ++p) {
            SCOPED_TRACE("page " + std::to_string(p + 1));
            const Rendered r(pages[p]);
            EXPECT_EQ(inkNearEdges(r.image), 0);
            if (pages.size() > 1) {
                EXPECT_EQ(r.page.cell(kRoomyPageNumberCell).text,
                          QStringLiteral("%1/%2").arg(p + 1).arg(pages.size()));
            }
            for (int n = 1; n <= count; ++n) {
                if (!r.page.has(roomyFirstCell(n))) continue;
                const Cell& upper = r.page.cell(roomyFirstCell(n));
                const Cell& lower = r.page.cell(roomySecondCell(n));
                const Cell& line = r.page.cell(roomyLineCell(n));
                firsts << upper.text;
                const int64_t a = upper.text.toLongLong(), b = lower.text.toLongLong();
                const double y = middle(line);
                if (division) {
                    // The quotient under the divisor, the working under the dividend:
                    // a line for each of its digits.
                    const QString quotient = QString::number(a / b);
                    const Cell& bar = r.page.cell(roomyBarCell(n));
                    EXPECT_GE(line.width, quotient.size() * kCharacter) << n;
                    EXPECT_GE(upper.width, upper.text.size() * kCharacter) << n;
                    EXPECT_EQ(r.ink(bar.left + 4, y + 4, line.left + line.width, y + kWritingLine),
                              0)
                        << n;
                    EXPECT_EQ(r.ink(upper.left, y + 4, bar.left - 4,
                                    y + upper.text.size() * kWritingLine),
                              0)
                        << n;
                } else {
                    const bool multiplication = QString::fromUtf8(c.operation) == kMultiply;
                    const int64_t result = multiplication ? a * b : a + b;
                    const int lines = multiplication ? static_cast<int>(lower.text.size()) + 1 : 1;
                    EXPECT_GE(line.width, QString::number(result).size() * kCharacter) << n;
                    EXPECT_EQ(r.ink(line.left, y + 5, line.left + line.width,
                                    y + lines * kWritingLine),
                              0)
                        << n;
                }
            }
        }
        // The same problems, once each, in their order.
        EXPECT_EQ(firsts, sheet.FirstTexts.first(count));
    }
}

TEST(FractionRoom, BarsKeepClearOfWholePartsAndOperatorsAndTheLastRowOfTheFooter) {
    for (const char* operation : {"Toplama", "Çıkarma", "Çarpma", "Bölme"}) {
        SCOPED_TRACE(operation);
        FractionWorksheet sheet;
        RandomDraw random;
        random.seed(1222833600);
        sheet.prepare({QString::fromUtf8(operation), QStringLiteral("Tam Sayılı Kesir"),
                       QStringLiteral("Paydaları Farklı"), QString(), QStringLiteral("07/03/2008")},
                      random);
        const Rendered r(sheet.page());
        using fractions::BoxRole;
        using fractions::exerciseBoxName;
        for (int exercise = 1; exercise <= fractions::kRowCount; ++exercise) {
            SCOPED_TRACE(exercise);
            const auto box = [&](BoxRole role) -> const Cell& {
                return r.page.cell(exerciseBoxName(exercise, role));
            };
            const Cell& firstBar = box(BoxRole::FirstNumerator);
            const Cell& secondBar = box(BoxRole::SecondNumerator);
            const Cell& op = box(BoxRole::OperatorText);
            // The middle band, where whole parts and operators stand.
            const double top = op.top, bottom = op.top + op.height;
            const double firstRight = firstBar.left + firstBar.width;
            EXPECT_EQ(r.ink(firstBar.left - 15, top, firstBar.left - 1, bottom), 0);
            EXPECT_EQ(r.ink(firstRight + 1, top, firstRight + 15, bottom), 0);
            EXPECT_EQ(r.ink(secondBar.left - 15, top, secondBar.left - 1, bottom), 0);
            EXPECT_GT(r.ink(firstRight + 15, top, secondBar.left - 15, bottom), 0);
            if (!box(BoxRole::FirstWhole).text.isEmpty()) {
                EXPECT_GT(r.ink(firstBar.left - 60, top, firstBar.left - 15, bottom), 0);
            }
        }
        const double footer = pictureInkTop(r.page.cell(u"QRImage2"));
        EXPECT_EQ(r.ink(0, footer - kWritingLine, r.page.bandWidth, footer - 1), 0);
        EXPECT_EQ(inkNearEdges(r.image), 0);
    }
}
