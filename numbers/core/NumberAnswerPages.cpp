#include "numbers/core/NumberAnswerPages.h"

#include <QSet>
#include <algorithm>
#include <array>
#include <cmath>

#include "common/core/AnswerFormat.h"
#include "common/core/PageCells.h"
#include "common/core/TextMeasure.h"
#include "numbers/core/NumberPage.h"

namespace zarvik {

namespace {

// The designed page's rows and columns (tenths of a millimetre).
constexpr double kFirstRowTop = 217.0;
constexpr double kRowPitch = 105.83;
constexpr double kLeftColumn = 79.4;
constexpr double kRightColumn = 979.0;
constexpr double kColumnGap = 40.0;
constexpr double kTitleTop = 145.5;
constexpr double kLabelHeight = 52.9;

// White between an exercise and the writing line beside it; room below a
// last writing line for the tails of handwritten letters; and what the
// exercises keep from the footer strip.
constexpr double kAnswerGap = 50.0;
constexpr double kBelowLastLine = 30.0;
constexpr double kClearOfFooter = 15.0;
constexpr double kTitleUnderline = 5.0;
constexpr int kPoints = 14;
// As on the designed page: below 11 pt an exercise goes on two lines of at most 12 pt.
constexpr int kSmallestOnOneLine = 11;
constexpr int kLargestOnTwoLines = 12;
constexpr int kSmallestPoints = 9;
// Widths are measured at one resolution and painted at others.
constexpr double kSlack = 0.97;

const CellFont kExerciseFont{QStringLiteral("Arial"), kPoints, false, false};

int characters(const QString& answer) {
    return static_cast<int>(answer.size() - answer.count(QStringLiteral(", ")));
}

// The longest number words of a number of up to `digits` digits: each group
// of three takes its longest words on its own.
int longestWords(int digits) {
    static const std::array<int, 10> longest = [] {
        std::array<int, 10> result{};
        const auto longestValue = [](int from, int to) {
            int best = from;
            for (int v = from; v <= to; ++v)
                if (answers::numberWords(static_cast<uint64_t>(v)).size() >
                    answers::numberWords(static_cast<uint64_t>(best)).size())
                    best = v;
            return best;
        };
        const int anyGroup = longestValue(0, 999);
        for (int d = 1; d <= 9; ++d) {
            const int groups = (d + 2) / 3;
            const int topDigits = d - 3 * (groups - 1);
            const int top = longestValue(topDigits == 1 ? 1 : (topDigits == 2 ? 10 : 100),
                                         topDigits == 1 ? 9 : (topDigits == 2 ? 99 : 999));
            uint64_t number = static_cast<uint64_t>(top);
            for (int g = 1; g < groups; ++g)
                number = number * 1000 + static_cast<uint64_t>(anyGroup);
            result[static_cast<size_t>(d)] =
                static_cast<int>(answers::numberWords(number).size());
        }
        return result;
    }();
    return longest[static_cast<size_t>(std::clamp(digits, 1, 9))];
}

struct Column {
    double left;
    double right;
    double width() const { return right - left; }
};

}  // namespace

bool writesNumberAnswers(NumberKind kind) {
    return kind == NumberKind::Reading || kind == NumberKind::Writing ||
           kind == NumberKind::Ordering || kind == NumberKind::Rounding;
}

int longestNumberAnswer(NumberKind kind, int digits, const ExerciseList& exercises) {
    int longest = 0;
    switch (kind) {
        case NumberKind::Reading:
            longest = longestWords(digits);
            break;
        case NumberKind::Writing:
            longest = digits;
            break;
        case NumberKind::Ordering:
            longest = 5 * digits + 4;
            break;
        case NumberKind::Rounding:
            longest = digits + 1;  // 9960 to the hundreds is 10000
            break;
        case NumberKind::Comparing:
        case NumberKind::OddEven:
            return 0;
    }
    for (const Exercise& exercise : exercises)
        longest = std::max(longest, characters(exercise.answer));
    return longest;
}

QString numberExerciseCell(int exercise) {
    return QStringLiteral("Exercise%1").arg(exercise);
}

QString numberAnswerLineCell(int exercise, int line) {
    return QStringLiteral("AnswerLine%1_%2").arg(exercise).arg(line);
}

std::vector<Page> numberAnswerPages(const Page& design, const QStringList& texts, int columns,
                                    int answerCharacters) {
    const TextMeasure& measure = textMeasure();
    const std::vector<Column> places =
        columns == 1 ? std::vector<Column>{{kLeftColumn, design.bandWidth}}
                     : std::vector<Column>{{kLeftColumn, kRightColumn - kColumnGap},
                                           {kRightColumn, design.bandWidth}};
    double narrowest = places.front().width();
    for (const Column& column : places)
        narrowest = std::min(narrowest, column.width());
    const double room = narrowest * kSlack;
    double widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, measure.width(text, kExerciseFont, kPoints));

    // The exercises' size for the whole sheet: widths grow with the size, so
    // the widest gives it; too small on one line, they go on two (TextFit).
    const int fitted = widest <= room ? kPoints
                                      : std::clamp(static_cast<int>(kPoints * room / widest),
                                                   kSmallestPoints, kPoints);
    const bool twoLines = fitted < kSmallestOnOneLine;
    const FaceMetrics face =
        measure.metrics(kExerciseFont, twoLines ? kLargestOnTwoLines : fitted);
    const double lastBaseline = (twoLines ? face.lineSpacing : 0.0) + face.ascent;
    const double textBottom = lastBaseline + face.descent;

    // Beside the exercise where its row leaves the answer's room after the
    // widest exercise, else on lines under it.
    const double answerLength = answerCharacters * kHandwrittenCharacter;
    const bool beside = !twoLines && fitted == kPoints &&
                        narrowest - widest - kAnswerGap >= answerLength;
    const int linesUnder =
        beside ? 0 : std::max(1, static_cast<int>(std::ceil(answerLength / narrowest)));
    const double block =
        beside ? textBottom : textBottom + linesUnder * kWritingLinePitch + kBelowLastLine;
    // A line beside keeps a writing line's height of white above it, up to
    // the row before.
    double pitch = beside ? std::max(kRowPitch, kWritingLinePitch + face.descent + 10) : block;

    const Cell& footer = design.cell(u"QRImage2");
    const double bottom = footer.top - kClearOfFooter;
    // A line beside the first row keeps a writing line's height of white
    // under the title too; the rows close up a little to keep all 24.
    // The title's ink (its underline too) ends within a line's spacing.
    const Cell& title = design.cell(kNumberTitleCell);
    const double titleBottom =
        title.top + measure.metrics(title.font, title.font.pointSize).lineSpacing + kTitleUnderline;
    const double firstTop =
        beside ? std::max(kFirstRowTop, titleBottom + kWritingLinePitch - lastBaseline)
               : kFirstRowTop;
    if (beside && kNumberRows > 1)
        pitch = std::max(kWritingLinePitch + face.descent + 10,
                         std::min(pitch, (bottom - firstTop - block) / (kNumberRows - 1)));
    const int rowsPerPage =
        std::max(1, static_cast<int>(std::floor((bottom - firstTop - block) / pitch)) + 1);
    const qsizetype count = texts.size();
    const qsizetype perPage = static_cast<qsizetype>(rowsPerPage) * columns;
    const qsizetype pageCount = std::max<qsizetype>(1, (count + perPage - 1) / perPage);

    // Everything of the design but its exercise cells goes on every page.
    QSet<QString> exerciseCells;
    for (int row = 1; row <= kNumberRows; ++row)
        exerciseCells << numberLeftCell(row) << numberRightCell(row);

    std::vector<Page> pages;
    pages.reserve(static_cast<size_t>(pageCount));
    for (qsizetype p = 0; p < pageCount; ++p) {
        Page page(design.name(), design.paper());
        page.marginTop = design.marginTop;
        page.marginBottom = design.marginBottom;
        page.marginLeft = design.marginLeft;
        page.marginRight = design.marginRight;
        page.bandWidth = design.bandWidth;
        page.bandHeight = design.bandHeight;
        page.suggestedFileName = design.suggestedFileName;
        for (const Cell& cell : design.cells())
            if (!exerciseCells.contains(cell.name) &&
                !cell.name.startsWith(QLatin1String("WritingLine")))
                page.add(cell);
        if (pageCount > 1) {
            Cell number = richTextCell(
                {kNumberPageNumberCell.toString(), 1750, kTitleTop, 150, kLabelHeight},
                {QStringLiteral("Arial"), 10, false, false}, Align::Right);
            number.text = QStringLiteral("%1/%2").arg(p + 1).arg(pageCount);
            page.add(number);
        }

        const qsizetype first = p * perPage;
        const qsizetype last = std::min(count, first + perPage);
        // A page that is not full shares its exercises evenly over its columns.
        const qsizetype rowsHere = (last - first + columns - 1) / columns;
        for (qsizetype i = first; i < last; ++i) {
            const int exercise = static_cast<int>(i + 1);
            const qsizetype index = i - first;
            const Column& column = places[static_cast<size_t>(index / rowsHere)];
            const double top = firstTop + static_cast<double>(index % rowsHere) * pitch;
            Cell text = richTextCell(
                {numberExerciseCell(exercise), column.left, top, column.width(), kLabelHeight},
                kExerciseFont);
            text.text = texts[i];
            text.font.pointSize = twoLines ? kPoints : fitted;
            if (fitted != kPoints) {
                text.fit.group = 1;
                text.fit.room = column.width() * kSlack;
                text.fit.smallest = kSmallestPoints;
                text.fit.smallestOnOneLine = kSmallestOnOneLine;
                text.fit.largestOnTwoLines = kLargestOnTwoLines;
            }
            page.add(text);

            const auto writingLine = [&](int line, double left, double y) {
                Cell cell = lineCell(
                    {numberAnswerLineCell(exercise, line), left, y - 1, column.right - left, 2}, 2);
                cell.dotted = true;
                page.add(cell);
            };
            if (beside) {
                writingLine(1, column.left + widest + kAnswerGap, top + lastBaseline);
            } else {
                for (int line = 1; line <= linesUnder; ++line)
                    writingLine(line, column.left, top + textBottom + line * kWritingLinePitch);
            }
        }
        pages.push_back(std::move(page));
    }
    return pages;
}

}  // namespace zarvik
