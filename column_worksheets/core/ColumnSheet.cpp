#include "column_worksheets/core/ColumnSheet.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "column_worksheets/core/ColumnGenerators.h"
#include "column_worksheets/core/ColumnPages.h"
#include "common/core/Errors.h"
#include "common/core/PageCells.h"
#include "common/core/TextMeasure.h"

namespace zarvik {

namespace {

const QString kDivisionOperation = QStringLiteral("Bölme");

// Keeps the number questions a generator asked, so a draw with the bound 0
// can name the answers that led to it.
class AskedQuestions : public Questions {
  public:
    explicit AskedQuestions(Questions& questions) : questions_(questions) {}
    QString askText(const QString& prompt, const QString& defaultText) override {
        prompts << prompt;
        return questions_.askText(prompt, defaultText);
    }
    bool askYesNo(const QString& question) override { return questions_.askYesNo(question); }

    QStringList prompts;

  private:
    Questions& questions_;
};

// Cell names by slot, built once: transfers run before every preview and print.
struct SlotNames {
    std::array<QString, kGridSlotCount + 1> gridFirst, gridSecond, gridOperator, gridLine;
    std::array<QString, kGridSlotCount + 1> dividend, divisor;

    SlotNames() {
        for (int slot = 1; slot <= kGridSlotCount; ++slot) {
            const auto i = static_cast<size_t>(slot);
            gridFirst[i] = gridFirstBoxName(slot);
            gridSecond[i] = gridSecondBoxName(slot);
            gridOperator[i] = gridOperatorName(slot);
            gridLine[i] = gridLineName(slot);
            dividend[i] = divisionDividendBoxName(slot);
            divisor[i] = divisionDivisorBoxName(slot);
        }
    }
};

const SlotNames& slotNames() {
    static const SlotNames names;
    return names;
}

// What an answer line leaves free before the next column's line, so that
// neighbouring lines read as two (design units, about 3 mm).
constexpr int kColumnGap = 12;
// White space between the operator and the number beside it (about 1.3 mm).
constexpr int kOperatorGap = 5;

// The numbers' face at a size, as printed: a digit's advance (the widest
// digit's, so that n digits never take more than n of them), and how the
// digits stand in a line.
struct DigitFace {
    double advance = 0;
    FaceMetrics face;
};

DigitFace digitFace(const CellFont& font, int points) {
    const TextMeasure& measure = textMeasure();
    DigitFace digits;
    for (char16_t digit = u'0'; digit <= u'9'; ++digit)
        digits.advance =
            std::max(digits.advance, measure.width(QString(QChar(digit)), font, points));
    digits.face = measure.metrics(font, points);
    return digits;
}

// Space kept between a digit and a line on paper, tenths of a millimetre.
constexpr double kClearOfLine = 12;

// The division frames, in tenths of a millimetre.
constexpr double kBarGap = 18;          // number to bar
constexpr double kUnderlineBeyond = 8;  // underline past the longest number
constexpr double kBarAbove = 15;        // bar above the digits
constexpr double kFrameGap = 25;        // between neighbouring frames
constexpr double kStripGap = 30;        // between the frames and the header or footer
constexpr int kSmallestDivisionPoints = 10;

// A pupil writes about 4 mm a character on lines 8 mm apart: below an
// answer line (a sum's, or a quotient's under the divisor) 8 mm stay white
// where the rows allow it, and the problems keep 3 mm from the ribbons.
constexpr double kWritingLine = 80;
constexpr double kClearOfRibbon = 30;

size_t entryIndex(int entry) {
    if (entry < 1 || entry > ProblemTexts::kCount)
        throw std::out_of_range("problem text entry " + std::to_string(entry));
    return static_cast<size_t>(entry - 1);
}

}  // namespace

QString& ProblemTexts::operator[](int entry) {
    return texts_[entryIndex(entry)];
}
const QString& ProblemTexts::operator[](int entry) const {
    return texts_[entryIndex(entry)];
}

void ProblemTexts::clear() {
    for (QString& text : texts_)
        text.clear();
}

QStringList ProblemTexts::first(int count) const {
    QStringList list;
    list.reserve(count);
    for (int entry = 1; entry <= count; ++entry)
        list << (*this)[entry];
    return list;
}

ColumnSheet::ColumnSheet(const ColumnWindowDesign& design)
    : design_(&design), gridPage_(buildGridPage(design)), divisionPage_(buildDivisionPage(design)) {
    problems_.reserve(kGridSlotCount);
}

void ColumnSheet::clearProblems() {
    FirstTexts.clear();
    SecondTexts.clear();
    problems_.clear();
}

void ColumnSheet::setProblem(int slot, const ColumnProblem& problem) {
    FirstTexts[slot] = QString::number(problem.first);
    SecondTexts[slot] = QString::number(problem.second);
    if (problems_.size() < static_cast<size_t>(slot)) problems_.resize(static_cast<size_t>(slot));
    problems_[static_cast<size_t>(slot - 1)] = problem;
}

void ColumnSheet::SetLineWidthAndOperator(int width, const QString& op) {
    const SlotNames& names = slotNames();
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        const auto i = static_cast<size_t>(slot);
        const int left = design_->columnEdge((slot - 1) % 5) - width;
        gridPage_.setWidth(names.gridLine[i], width);
        gridPage_.setLeft(names.gridLine[i], left);
        gridPage_.setLeft(names.gridOperator[i], left);
        gridPage_.setCaption(names.gridOperator[i], op);
    }
    lineSetting_ = LineSetting{width, op};
}

void ColumnSheet::TransferToGridPage() {
    const SlotNames& names = slotNames();
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        const auto i = static_cast<size_t>(slot);
        gridPage_.setText(names.gridFirst[i], FirstTexts[slot]);
        gridPage_.setText(names.gridSecond[i], SecondTexts[slot]);
    }
}

void ColumnSheet::TransferToDivisionPage() {
    const SlotNames& names = slotNames();
    for (int slot = 1; slot <= design_->division.slotCount; ++slot) {
        const auto i = static_cast<size_t>(slot);
        divisionPage_.setText(names.dividend[i], FirstTexts[slot]);
        divisionPage_.setText(names.divisor[i], SecondTexts[slot]);
    }
}

Page ColumnSheet::printedGridPage() const {
    Page page = gridPage_;
    const SlotNames& names = slotNames();
    const GridGeometry& grid = design_->grid;
    const int designed = lineSetting_ ? lineSetting_->width : 50;
    // The first column's line starts no further left than the band.
    const int line = std::min({designed, grid.columnPitch - kColumnGap, design_->columnEdge(0)});
    if (line != designed) {
        for (int slot = 1; slot <= kGridSlotCount; ++slot) {
            const auto i = static_cast<size_t>(slot);
            const int left = design_->columnEdge((slot - 1) % 5) - line;
            page.setWidth(names.gridLine[i], line);
            page.setLeft(names.gridLine[i], left);
            page.setLeft(names.gridOperator[i], left);
        }
    }
    const TextMeasure& measure = textMeasure();
    // Every lower number has the page's number font: its ascent, asked once.
    const CellFont* ascentFont = nullptr;
    double ascent = 0;
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        const auto i = static_cast<size_t>(slot);
        for (const QString* name : {&names.gridFirst[i], &names.gridSecond[i]}) {
            Cell& number = page.cell(*name);
            setGridNumberRoom(number, line);
            number.fit.room = fromDesignUnits(line - kOperatorGap);
        }
        // The lower number's digits stay clear of the answer line at the
        // design size (fitting only makes them smaller).
        const Cell& second = page.cell(names.gridSecond[i]);
        Cell& answerLine = page.cell(names.gridLine[i]);
        if (!ascentFont || ascentFont->pointSize != second.font.pointSize ||
            ascentFont->bold != second.font.bold || ascentFont->family != second.font.family) {
            ascentFont = &second.font;
            ascent = measure.metrics(second.font, second.font.pointSize).ascent;
        }
        const double digitsBottom = second.top + ascent;
        const double lowest = digitsBottom + kClearOfLine + fromDesignUnits(grid.linePen) / 2;
        const double middle = answerLine.top + answerLine.height / 2;
        if (middle < lowest) answerLine.top += lowest - middle;
    }
    spaceGridRows(page);
    return page;
}

void ColumnSheet::spaceGridRows(Page& page) const {
    const SlotNames& names = slotNames();
    const PageFrameDesign& frame = design_->gridPage;
    constexpr int kRows = kGridSlotCount / 5;
    // Per row: its top (the upper number's) and how far below it the answer
    // line lies.
    std::array<double, kRows> tops{};
    double lineBelowTop = 0;
    for (int row = 0; row < kRows; ++row) {
        const auto i = static_cast<size_t>(row * 5 + 1);
        tops[static_cast<size_t>(row)] = page.cell(names.gridFirst[i]).top;
        for (int slot = row * 5 + 1; slot <= row * 5 + 5; ++slot) {
            const Cell& line = page.cell(names.gridLine[static_cast<size_t>(slot)]);
            lineBelowTop = std::max(lineBelowTop, line.top + line.height / 2 -
                                                      tops[static_cast<size_t>(row)]);
        }
    }
    // The digits' ink starts this far below a number's top, at the smallest
    // size fitting may give them (smaller digits sit higher).
    const CellFont& font = page.cell(names.gridFirst[1]).font;
    const FaceMetrics small = textMeasure().metrics(font, kSmallestGridPoints);
    const double inkBelowTop = small.ascent - small.digitHeight;
    const double highest =
        pictureInkBottom(page.cell(frame.headerRibbon.name)) + kClearOfRibbon - inkBelowTop;
    const double lowest = pictureInkTop(page.cell(frame.footerRibbon.name)) - kWritingLine - lineBelowTop;
    const double first = std::max(tops.front(), highest);
    const double last = std::min(tops.back(), lowest);
    const double pitch = (last - first) / (kRows - 1);
    for (int row = 0; row < kRows; ++row) {
        const double by = first + pitch * row - tops[static_cast<size_t>(row)];
        for (int slot = row * 5 + 1; slot <= row * 5 + 5; ++slot) {
            const auto i = static_cast<size_t>(slot);
            for (const QString* name : {&names.gridFirst[i], &names.gridSecond[i],
                                        &names.gridOperator[i], &names.gridLine[i]})
                page.cell(*name).top += by;
        }
    }
}

Page ColumnSheet::printedDivisionPage() const {
    Page page = divisionPage_;
    const SlotNames& names = slotNames();
    const DivisionGeometry& division = design_->division;
    const int slotCount = division.slotCount;

    // The page's longest dividend, and the longest divisor or quotient.
    qsizetype left = 2;
    qsizetype right = 2;
    for (int slot = 1; slot <= slotCount; ++slot) {
        const auto i = static_cast<size_t>(slot);
        const QString& dividend = page.cell(names.dividend[i]).text;
        const QString& divisor = page.cell(names.divisor[i]).text;
        left = std::max(left, dividend.size());
        right = std::max(right, divisor.size());
        const qlonglong d = divisor.toLongLong();
        if (d != 0) right = std::max(right, QString::number(dividend.toLongLong() / d).size());
    }

    const Cell& header = page.cell(design_->divisionPage.headerRibbon.name);
    const Cell& footer = page.cell(design_->divisionPage.footerRibbon.name);
    const double areaTop = pictureInkBottom(header) + kStripGap;
    const double areaHeight = pictureInkTop(footer) - kStripGap - areaTop;
    const CellFont& numberFont = page.cell(names.dividend[1]).font;
    std::vector<DigitFace> faces(
        static_cast<size_t>(std::max(division.fontPoints, kSmallestDivisionPoints)) + 1);
    const auto facing = [&](int points) -> const DigitFace& {
        DigitFace& known = faces.at(static_cast<size_t>(points));
        if (known.advance == 0) known = digitFace(numberFont, points);
        return known;
    };
    const auto frameWidth = [&](int points) {
        return static_cast<double>(left + right) * facing(points).advance + 2 * kBarGap +
               kUnderlineBeyond;
    };
    // Bar top to bar bottom: above the digits, the digits, the underline and
    // a line for the quotient below it.
    const auto frameHeight = [&](int points) {
        const FaceMetrics& face = facing(points).face;
        return kBarAbove + face.digitHeight + kClearOfLine + face.lineSpacing;
    };
    // Five columns at the largest size that fits, down to 10 pt; fewer
    // columns only where five cannot take the numbers at 10 pt.
    int columns = 5;
    int points = kSmallestDivisionPoints;
    bool found = false;
    for (int c = 5; c >= 1 && !found; --c) {
        const double pitch = page.bandWidth / c;
        const int rows = (slotCount + c - 1) / c;
        for (int p = division.fontPoints; p >= kSmallestDivisionPoints && !found; --p) {
            if (frameWidth(p) + kFrameGap <= pitch &&
                frameHeight(p) + kFrameGap <= areaHeight / rows) {
                columns = c;
                points = p;
                found = true;
            }
        }
    }
    const FaceMetrics& face = facing(points).face;
    const double digit = facing(points).advance;
    const double pitch = page.bandWidth / columns;
    const int rows = (slotCount + columns - 1) / columns;
    const double rowPitch = areaHeight / rows;
    const double width = frameWidth(points);
    // The quotient gets a writing line's height below the underline where
    // the rows leave it room, and at least a printed line's.
    const double quotientRoom =
        std::clamp(rowPitch - kFrameGap - (frameHeight(points) - face.lineSpacing),
                   face.lineSpacing, std::max(face.lineSpacing, kWritingLine));
    const double barHeight = frameHeight(points) - face.lineSpacing + quotientRoom;
    // Frames share the spare height of a row above and below.
    const double rowSpare = (rowPitch - barHeight) / 2;
    for (int slot = 1; slot <= slotCount; ++slot) {
        const auto i = static_cast<size_t>(slot);
        const int row = (slot - 1) / columns;
        const int column = (slot - 1) % columns;
        const double frameLeft = pitch * column + (pitch - width) / 2;
        const double bar = frameLeft + static_cast<double>(left) * digit + kBarGap;
        const double barTop = areaTop + rowPitch * row + std::min(rowSpare, kStripGap);
        const double textTop = barTop + kBarAbove - (face.ascent - face.digitHeight);
        const double underline = textTop + face.ascent + kClearOfLine;

        Cell& dividend = page.cell(names.dividend[i]);
        dividend.frame = Frame{};
        dividend.fit = TextFit{};
        dividend.font.pointSize = points;
        dividend.align = Align::Right;
        dividend.width = static_cast<double>(left) * digit;
        dividend.left = bar - kBarGap - dividend.width;
        dividend.top = textTop;
        dividend.height = face.lineSpacing;

        Cell& divisor = page.cell(names.divisor[i]);
        divisor.frame = Frame{};
        divisor.fit = TextFit{};
        divisor.font.pointSize = points;
        divisor.align = Align::Left;
        divisor.width = static_cast<double>(right) * digit;
        divisor.left = bar + kBarGap;
        divisor.top = textTop;
        divisor.height = face.lineSpacing;

        Cell barCell;
        barCell.name = QStringLiteral("DivisionBar%1").arg(slot);
        barCell.left = bar;
        barCell.top = barTop;
        barCell.height = barHeight;
        barCell.frame.left = true;
        page.add(barCell);

        Cell underlineCell;
        underlineCell.name = QStringLiteral("DivisionLine%1").arg(slot);
        underlineCell.left = bar;
        underlineCell.top = underline;
        underlineCell.width = frameLeft + width - bar;
        underlineCell.frame.top = true;
        page.add(underlineCell);
    }
    return page;
}

void ColumnSheet::setFooterLabels(const QString& teacherName, const QString& date) {
    for (auto [page, frame] : {std::pair{&gridPage_, &design_->gridPage},
                               std::pair{&divisionPage_, &design_->divisionPage}}) {
        setTeacherFooterCaptions(*page, frame->teacherLabel.name, frame->dateLabel.name,
                                 teacherName, date);
    }
}

const ColumnKind* ColumnSheet::prepare(const QString& operation, const QString& property,
                                       const QString& teacherName, const QString& date,
                                       Questions& questions, RandomDraw& random) {
    refuseUnprintableFooterTexts(teacherName, date);
    // Drawn into a copy: a generator that stops (a typed answer that is not
    // a number, a draw with the bound 0) leaves the previous sheet whole.
    ColumnSheet next(*this);
    next.clearProblems();
    const ColumnKind* kind = findColumnKind(operation, property);
    if (kind) {
        AskedQuestions asked(questions);
        GeneratorRun run{asked, random, next, design_->generators};
        try {
            kind->generate(run);
        } catch (DivisionByZero& e) {
            if (asked.prompts.size() == 1)
                e.setAdvice(
                    QStringLiteral("\"%1\" sorusuna verilen cevapla alıştırma "
                                   "hazırlanamıyor. Başka bir sayı yazıp yeniden deneyiniz.")
                        .arg(asked.prompts.front()));
            else if (asked.prompts.size() > 1)
                e.setAdvice(QStringLiteral("\"%1\" sorularına verilen cevaplarla alıştırma "
                                           "hazırlanamıyor. Başka sayılar yazıp yeniden deneyiniz.")
                                .arg(asked.prompts.join(QStringLiteral("\", \""))));
            throw;
        }
    }
    next.setFooterLabels(teacherName, date);
    *this = std::move(next);
    return kind;
}

bool ColumnSheet::usesDivisionPage(const QString& operation) {
    return operation == kDivisionOperation;
}

Page ColumnSheet::transferForOperation(const QString& operation) {
    if (usesDivisionPage(operation)) {
        TransferToDivisionPage();
        return printedDivisionPage();
    }
    TransferToGridPage();
    return printedGridPage();
}

int ColumnSheet::slotCountFor(const QString& operation) const {
    return usesDivisionPage(operation) ? design_->division.slotCount : kGridSlotCount;
}

}  // namespace zarvik
