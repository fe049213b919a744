#include "column_worksheets/core/RoomyColumnPages.h"

#include <QSet>
#include <algorithm>
#include <cmath>

#include "column_worksheets/core/ColumnPages.h"
#include "common/core/PageCells.h"
#include "common/core/TextMeasure.h"

namespace zarvik {

namespace {

// Tenths of a millimetre.
constexpr double kSlotGap = 60;        // between problems side by side
constexpr double kBelowWork = 40;      // after a problem's last work line
constexpr double kClearOfRibbon = 30;  // the problems keep off the ribbons
constexpr double kOperatorGap = 15;    // operator to lower number
constexpr double kClearOfLine = 15;    // digits to the line under them
constexpr double kBarGap = 18;         // a number to the division bar
constexpr double kBarAbove = 15;       // the bar starts above the digits
constexpr double kUnderlineBeyond = 8;

struct Face {
    int points = 0;
    double digit = 0;  // the widest digit's advance
    FaceMetrics metrics;
};

// The smallest size whose digits are as wide as handwritten ones, so that
// what the pupil writes under a number stands under its digits.
Face workFace(const CellFont& font) {
    const TextMeasure& measure = textMeasure();
    Face face;
    for (face.points = font.pointSize;; ++face.points) {
        face.digit = 0;
        for (char16_t d = u'0'; d <= u'9'; ++d)
            face.digit = std::max(face.digit, measure.width(QString(QChar(d)), font, face.points));
        if (face.digit >= kWorkDigit || face.points >= 48) break;
    }
    face.metrics = measure.metrics(font, face.points);
    return face;
}

qsizetype digitsOf(int64_t n) {
    return QString::number(n).size();
}

int64_t resultOf(const ColumnProblem& p) {
    switch (p.operation) {
        case ColumnOperation::Addition:
            return p.first + p.second;
        case ColumnOperation::Subtraction:
            return p.first - p.second;
        case ColumnOperation::Multiplication:
            return p.first * p.second;
        case ColumnOperation::Division:
            return p.quotient;
    }
    return 0;
}

QString operatorOf(ColumnOperation operation) {
    switch (operation) {
        case ColumnOperation::Addition:
            return QStringLiteral("+");
        case ColumnOperation::Subtraction:
            return QStringLiteral("-");
        case ColumnOperation::Multiplication:
            return QStringLiteral("x");
        case ColumnOperation::Division:
            break;
    }
    return QString();
}

// One problem's place: its box on the page.
struct Slot {
    double left;
    double top;
};

}  // namespace

QString roomyFirstCell(int problem) {
    return QStringLiteral("First%1").arg(problem);
}
QString roomySecondCell(int problem) {
    return QStringLiteral("Second%1").arg(problem);
}
QString roomyLineCell(int problem) {
    return QStringLiteral("Line%1").arg(problem);
}
QString roomyBarCell(int problem) {
    return QStringLiteral("Bar%1").arg(problem);
}

std::vector<Page> roomyColumnPages(ColumnSheet& sheet, const QString& operation) {
    const Page classic = sheet.transferForOperation(operation);
    const bool division = ColumnSheet::usesDivisionPage(operation);
    std::vector<ColumnProblem> problems = sheet.problems();
    problems.resize(std::min(problems.size(), static_cast<size_t>(sheet.slotCountFor(operation))));
    if (problems.empty()) return {classic};

    const ColumnWindowDesign& design = sheet.design();
    const PageFrameDesign& frame = division ? design.divisionPage : design.gridPage;
    const CellFont font{QStringLiteral("Arial"),
                        division ? design.division.fontPoints : design.grid.fontPoints, false,
                        false};
    const Face face = workFace(font);
    const FaceMetrics& m = face.metrics;
    const TextMeasure& measure = textMeasure();
    const QString op = sheet.lineSetting() ? sheet.lineSetting()->op
                                           : operatorOf(problems.front().operation);
    const double opWidth = division ? 0.0 : measure.width(op, font, face.points);

    // The widest numbers of the page set every problem's room, so the
    // problems stand in a grid and their room gives nothing away.
    qsizetype first = 1, second = 1, result = 1;
    for (const ColumnProblem& p : problems) {
        first = std::max(first, digitsOf(p.first));
        second = std::max(second, digitsOf(p.second));
        result = std::max(result, digitsOf(resultOf(p)));
    }
    double width = 0, height = 0;
    double lineBelowTop = 0;  // the answer line, or the divisor's underline
    int workLines = 1;
    if (division) {
        const qsizetype right = std::max(second, result);
        width = static_cast<double>(first + right) * face.digit + 2 * kBarGap + kUnderlineBeyond;
        lineBelowTop = kBarAbove + m.digitHeight + kClearOfLine;
        workLines = static_cast<int>(first);
    } else {
        const qsizetype digits = std::max({first, second, result});
        width = opWidth + kOperatorGap + static_cast<double>(digits) * face.digit;
        lineBelowTop = m.lineSpacing + m.ascent + kClearOfLine;
        if (problems.front().operation == ColumnOperation::Multiplication)
            workLines = static_cast<int>(second) + 1;
    }
    height = lineBelowTop + workLines * kWorkLine + kBelowWork;

    const Cell& header = classic.cell(frame.headerRibbon.name);
    const Cell& footer = classic.cell(frame.footerRibbon.name);
    const double areaTop = pictureInkBottom(header) + kClearOfRibbon;
    const double areaBottom = pictureInkTop(footer) - kClearOfRibbon;
    const int across = std::max(
        1, static_cast<int>(std::floor((classic.bandWidth + kSlotGap) / (width + kSlotGap))));
    const int down = std::max(1, static_cast<int>(std::floor((areaBottom - areaTop) / height)));
    const size_t perPage = static_cast<size_t>(across) * static_cast<size_t>(down);
    const size_t pageCount = (problems.size() + perPage - 1) / perPage;
    const double pitch = classic.bandWidth / across;

    // The classic page's header and footer, with its teacher and date.
    const QSet<QString> frameCells = {
        frame.nameLabel.name.toString(),    frame.classLabel.name.toString(),
        frame.numberLabel.name.toString(),  frame.headerRibbon.name.toString(),
        frame.footerRibbon.name.toString(), frame.teacherLabel.name.toString(),
        frame.dateLabel.name.toString(),    frame.publisherLabel.name.toString()};

    std::vector<Page> pages;
    pages.reserve(pageCount);
    for (size_t p = 0; p < pageCount; ++p) {
        Page page(classic.name(), classic.paper());
        page.marginTop = classic.marginTop;
        page.marginBottom = classic.marginBottom;
        page.marginLeft = classic.marginLeft;
        page.marginRight = classic.marginRight;
        page.bandWidth = classic.bandWidth;
        page.bandHeight = classic.bandHeight;
        for (const Cell& cell : classic.cells())
            if (frameCells.contains(cell.name)) page.add(cell);
        if (pageCount > 1) {
            const CellFont small{QStringLiteral("Arial"), 9, false, false};
            const double lineHeight = measure.metrics(small, small.pointSize).lineSpacing;
            Cell number = richTextCell({kRoomyPageNumberCell.toString(), footer.left,
                                        footer.top + (footer.height - lineHeight) / 2,
                                        footer.width, lineHeight},
                                       small, Align::Center);
            number.text = QStringLiteral("%1/%2").arg(p + 1).arg(pageCount);
            page.add(number);
        }

        const size_t firstHere = p * perPage;
        const size_t lastHere = std::min(problems.size(), firstHere + perPage);
        for (size_t i = firstHere; i < lastHere; ++i) {
            const ColumnProblem& problem = problems[i];
            const int number = static_cast<int>(i + 1);
            const size_t index = i - firstHere;
            const Slot slot{pitch * static_cast<double>(index % across) + (pitch - width) / 2,
                            areaTop + height * static_cast<double>(index / across)};
            if (division) {
                const double bar = slot.left + static_cast<double>(first) * face.digit + kBarGap;
                const double textTop = slot.top + kBarAbove - (m.ascent - m.digitHeight);
                const double underline = slot.top + lineBelowTop;
                Cell dividend = richTextCell({roomyFirstCell(number), slot.left, textTop,
                                              bar - kBarGap - slot.left, m.lineSpacing},
                                             font, Align::Right);
                dividend.font.pointSize = face.points;
                dividend.text = QString::number(problem.first);
                page.add(dividend);
                Cell divisor = richTextCell(
                    {roomySecondCell(number), bar + kBarGap, textTop,
                     slot.left + width - bar - kBarGap, m.lineSpacing},
                    font, Align::Left);
                divisor.font.pointSize = face.points;
                divisor.text = QString::number(problem.second);
                page.add(divisor);
                Cell barCell;
                barCell.name = roomyBarCell(number);
                barCell.left = bar;
                barCell.top = slot.top;
                barCell.height = lineBelowTop + kWorkLine;  // down past the quotient's line
                barCell.frame.left = true;
                page.add(barCell);
                Cell underlineCell;
                underlineCell.name = roomyLineCell(number);
                underlineCell.left = bar;
                underlineCell.top = underline;
                underlineCell.width = slot.left + width - bar;
                underlineCell.frame.top = true;
                page.add(underlineCell);
            } else {
                const double right = slot.left + width;
                const double numberWidth = width - opWidth - kOperatorGap;
                Cell upper = richTextCell({roomyFirstCell(number), right - numberWidth, slot.top,
                                           numberWidth, m.lineSpacing},
                                          font, Align::Right);
                upper.font.pointSize = face.points;
                upper.text = QString::number(problem.first);
                page.add(upper);
                Cell lower = richTextCell({roomySecondCell(number), right - numberWidth,
                                           slot.top + m.lineSpacing, numberWidth, m.lineSpacing},
                                          font, Align::Right);
                lower.font.pointSize = face.points;
                lower.text = QString::number(problem.second);
                page.add(lower);
                Cell sign = labelCell({QStringLiteral("Operator%1").arg(number), slot.left,
                                       slot.top + m.lineSpacing, opWidth, m.lineSpacing},
                                      font, op);
                sign.font.pointSize = face.points;
                page.add(sign);
                page.add(lineCell({roomyLineCell(number), slot.left,
                                   slot.top + lineBelowTop - 5, width, 10},
                                  design.grid.linePen));
            }
        }
        pages.push_back(std::move(page));
    }
    return pages;
}

}  // namespace zarvik
