// "Sayı Doğrusu": number lines with equal marks, some labelled. The pupil
// writes the numbers or fractions at the empty marks, or shows given ones
// with an arrow (the key draws the arrows).

#include "activities/core/ActivityPictures.h"
#include "activities/core/PictureActivities.h"

namespace zarvik {

namespace pictureOptions {

const QStringList& numberLineSteps() {
    static const QStringList items = {
        QStringLiteral("1'er"),    QStringLiteral("2'şer"),   QStringLiteral("5'er"),
        QStringLiteral("10'ar"),   QStringLiteral("100'er"),  QStringLiteral("Karışık"),
        QStringLiteral("Kesir (payda 2–4)"), QStringLiteral("Kesir (payda 2–12)")};
    return items;
}

const QStringList& numberLineTasks() {
    static const QStringList items = {QStringLiteral("Eksikleri yazma"),
                                      QStringLiteral("İşaretleme"), QStringLiteral("Karışık")};
    return items;
}

}  // namespace pictureOptions

namespace {

constexpr double kWidth = 1760;
constexpr double kLineLeft = 40;
constexpr double kLineLength = 1640;
constexpr double kTick = 30;  // above and below the line
constexpr double kArrowZone = 110;
constexpr int kLabelPoints = 12;
constexpr int kWholeTicks = 11;

const QString kWriteText = QStringLiteral("Sayı doğrularında boş bırakılan yerlere uygun sayıları yazınız.");
const QString kWriteFractionText =
    QStringLiteral("Sayı doğrularında boş bırakılan yerlere uygun kesirleri yazınız.");

// One number line: its marks' values as numerators over a denominator
// (1 for whole numbers), which marks are labelled, left blank or to be
// shown with an arrow.
struct Line {
    std::vector<int> numerators;
    int denominator = 1;
    std::vector<int> labelled, blanks, marks;
};

QString valueText(const Line& line, int tick) {
    const int n = line.numerators[static_cast<size_t>(tick)];
    if (line.denominator == 1) return QString::number(n);
    if (n == 0) return QStringLiteral("0");
    if (n == line.denominator) return QStringLiteral("1");
    return QStringLiteral("%1/%2").arg(n).arg(line.denominator);
}

// `count` of the marks first..last, no two side by side.
std::vector<int> drawApart(RandomDraw& random, int first, int last, int count) {
    std::vector<int> chosen;
    std::vector<int> free;
    for (int t = first; t <= last; ++t)
        free.push_back(t);
    while (static_cast<int>(chosen.size()) < count && !free.empty()) {
        const int t = free[static_cast<size_t>(random.draw(static_cast<int>(free.size())))];
        chosen.push_back(t);
        std::erase_if(free, [t](int other) { return std::abs(other - t) <= 1; });
    }
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

Line wholeLine(int step, bool write, RandomDraw& random) {
    // The largest mark stays below 10 000, four digits a pupil writes at 4 mm each.
    const int largestStart = step == 1 ? 90 : step == 2 ? 80 : step == 5 ? 450 : step == 10 ? 900 : 8900;
    Line line;
    const int start = step * random.draw(largestStart / step + 1);
    for (int t = 0; t < kWholeTicks; ++t)
        line.numerators.push_back(start + step * t);
    if (write) {
        line.blanks = drawApart(random, 1, kWholeTicks - 1, 3 + random.draw(2));
        for (int t = 0; t < kWholeTicks; ++t)
            if (std::find(line.blanks.begin(), line.blanks.end(), t) == line.blanks.end())
                line.labelled.push_back(t);
    } else {
        line.labelled = {0, 5, 10};
        std::vector<int> free = {1, 2, 3, 4, 6, 7, 8, 9};
        const std::vector<bool> chosen = drawChosen(random, 8, 2);
        for (size_t i = 0; i < free.size(); ++i)
            if (chosen[i]) line.marks.push_back(free[i]);
    }
    return line;
}

Line fractionLine(int largest, bool write, RandomDraw& random) {
    Line line;
    line.denominator = drawBetween(random, 2, largest);
    for (int t = 0; t <= line.denominator; ++t)
        line.numerators.push_back(t);
    line.labelled = {0, line.denominator};
    const int inside = line.denominator - 1;
    if (write)
        line.blanks = drawApart(random, 1, inside, std::min(3, (inside + 1) / 2));
    else
        line.marks = drawApart(random, 1, inside, std::min(2, (inside + 1) / 2));
    return line;
}

// A fraction written as numerator over a bar over denominator, centred at x.
void stackedFraction(PictureBlock& block, const QString& name, const QString& text, double x,
                     double top) {
    const QString numerator = text.section(u'/', 0, 0), denominator = text.section(u'/', 1);
    const double h = PictureBlock::lineHeight(kLabelPoints);
    const double width = 90;
    block.text(name + QStringLiteral("Numerator"), numerator, x - width / 2, top, kLabelPoints,
               Align::Center, width);
    Drawing& bar = block.drawing(name + QStringLiteral("Bar"), x - 25, top + h + 3, 50, 4);
    bar.parts.push_back(linesPart({{0, 2}, {50, 2}}, 3));
    block.text(name + QStringLiteral("Denominator"), denominator, x - width / 2, top + h + 10,
               kLabelPoints, Align::Center, width);
}

ActivityItem lineItem(const Line& line, bool prompted, const QString& title) {
    const bool fractions = line.denominator > 1;
    const bool write = !line.blanks.empty();
    const int intervals = static_cast<int>(line.numerators.size()) - 1;
    const double spacing = kLineLength / intervals;
    const auto tickX = [&](int t) { return kLineLeft + spacing * t; };
    QStringList shown;
    for (const int t : line.marks)
        shown << valueText(line, t);
    const QString text = write ? title
                         : fractions
                             ? shown.join(QStringLiteral(" ve ")) +
                                   (shown.size() > 1 ? QStringLiteral(" kesirlerini")
                                                     : QStringLiteral(" kesrini")) +
                                   QStringLiteral(" sayı doğrusunda ok ile gösteriniz.")
                             : shown.join(QStringLiteral(" ve ")) +
                                   QStringLiteral(" sayılarını sayı doğrusunda ok ile gösteriniz.");
    PictureBlock block;
    double top = 0;
    if (prompted || !write) {
        block.text(QStringLiteral("Prompt"), text, 0, 0);
        top = PictureBlock::lineHeight(14) + 20;
    }
    const double labelHeight = PictureBlock::lineHeight(kLabelPoints);
    if (!write) top += fractions ? 2 * labelHeight + 15 + kArrowZone - 40 : kArrowZone;
    const double y = top + kTick;  // the line, in the block
    Drawing& drawing = block.drawing(QStringLiteral("Line"), 0, top, kWidth, 2 * kTick);
    // The line runs on past its last mark, an arrowhead at its end.
    drawing.parts.push_back(linesPart({{10, kTick}, {kWidth - 20, kTick}}, 4));
    drawing.parts.push_back(
        polygonPart({{kWidth - 40, kTick - 12}, {kWidth, kTick}, {kWidth - 40, kTick + 12}}, 2, 0));
    std::vector<QPointF> ticks;
    for (int t = 0; t <= intervals; ++t) {
        ticks.emplace_back(tickX(t), 0);
        ticks.emplace_back(tickX(t), 2 * kTick);
    }
    drawing.parts.push_back(linesPart(std::move(ticks), 4));
    const double under = y + kTick + 10;
    for (const int t : line.labelled) {
        const QString label = valueText(line, t);
        const double width = PictureBlock::textWidth(label, kLabelPoints) + 20;
        // Level with the boxes' numbers beside them.
        const double labelTop = fractions ? under : under + (90 - labelHeight) / 2;
        block.text(QStringLiteral("Label%1").arg(t), label, tickX(t) - width / 2, labelTop,
                   kLabelPoints, Align::Center, width);
    }
    QStringList answers;
    for (const int t : line.blanks) {
        const QString answer = valueText(line, t);
        answers << answer;
        if (fractions) {
            const double room = kWritingAdvance * 2 + 20;
            block.fractionRoom(QStringLiteral("Blank%1").arg(t), tickX(t) - room / 2, under - 10,
                               answer.section(u'/', 0, 0), answer.section(u'/', 1),
                               kLabelPoints);
            continue;
        }
        const double width = kWritingAdvance * std::max<qsizetype>(3, answer.size()) + 10;
        Drawing& box = block.drawing(QStringLiteral("Blank%1").arg(t), tickX(t) - width / 2,
                                     under, width, 90);
        box.parts.push_back(polygonPart({{0, 0}, {width, 0}, {width, 90}, {0, 90}}, 3));
        block.text(QStringLiteral("AnswerBlank%1").arg(t), answer, tickX(t) - width / 2,
                   under + (90 - labelHeight) / 2, kLabelPoints, Align::Center, width);
    }
    for (const int t : line.marks) {
        // The key's arrow comes down onto the mark, its value above it.
        const double x = tickX(t);
        Drawing& arrow = block.drawing(QStringLiteral("AnswerArrow%1").arg(t), x - 15,
                                       y - kArrowZone + 30, 30, kArrowZone - 30 - kTick - 5);
        const double length = kArrowZone - 30 - kTick - 5;
        arrow.parts.push_back(linesPart({{15, 0}, {15, length - 20}}, 4));
        arrow.parts.push_back(polygonPart({{3, length - 24}, {15, length}, {27, length - 24}}, 2, 0));
        const QString value = valueText(line, t);
        if (fractions)
            stackedFraction(block, QStringLiteral("AnswerMark%1").arg(t), value, x,
                            y - kArrowZone + 20 - 2 * labelHeight - 15);
        else
            block.text(QStringLiteral("AnswerMark%1").arg(t), value, x - 80,
                       y - kArrowZone + 25 - labelHeight, kLabelPoints, Align::Center, 160);
    }
    block.reserve(kWidth, y + kTick + 10 + (fractions && write ? 2 * kWritingLine : 100));
    ActivityItem item{text, write ? answers.join(QStringLiteral(", "))
                                  : shown.join(QStringLiteral(" ve ")) +
                                        QStringLiteral(" işaretlenir")};
    item.shape = ExerciseShape::NumberLine;
    const auto numbers = [](const std::vector<int>& ints) {
        return std::vector<int64_t>(ints.begin(), ints.end());
    };
    item.values = {{QStringLiteral("task"), write ? QStringLiteral("write") : QStringLiteral("mark")},
                   {QStringLiteral("numerators"), numbers(line.numerators)},
                   {QStringLiteral("denominator"), int64_t{line.denominator}},
                   {QStringLiteral("labelled"), numbers(line.labelled)},
                   {write ? QStringLiteral("blanks") : QStringLiteral("marks"),
                    numbers(write ? line.blanks : line.marks)}};
    item.picture = block.take();
    return item;
}

}  // namespace

ActivitySheet numberLines(const ActivityValues& values, RandomDraw& random) {
    const int choice = static_cast<int>(pictureOptions::numberLineSteps().indexOf(values[0]));
    const int task = static_cast<int>(pictureOptions::numberLineTasks().indexOf(values[1]));
    const bool fractions = choice >= 6;
    const int steps[] = {1, 2, 5, 10, 100};
    ActivitySheet sheet;
    const QString writeText = fractions ? kWriteFractionText : kWriteText;
    sheet.title = task == 0   ? writeText
                  : task == 1 ? QStringLiteral("Verilenleri sayı doğrularında ok ile gösteriniz.")
                              : QStringLiteral("Sayı doğrularıyla ilgili soruları cevaplayınız.");
    // As many lines as fit: marks to show need room for the arrows above.
    const int count = (fractions ? 5 : 6) - (task == 1 ? 1 : 0);
    for (int i = 0; i < count; ++i) {
        const bool write = task == 0 || (task == 2 && i % 2 == 0);
        const Line line = fractions ? fractionLine(choice == 6 ? 4 : 12, write, random)
                                    : wholeLine(choice == 5 ? steps[random.draw(5)] : steps[choice],
                                                write, random);
        sheet.items.push_back(lineItem(line, task == 2, writeText));
    }
    return sheet;
}

}  // namespace zarvik
