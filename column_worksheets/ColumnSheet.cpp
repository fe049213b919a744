#include "column_worksheets/ColumnSheet.h"

#include <algorithm>
#include <stdexcept>

#include "column_worksheets/ColumnGenerators.h"
#include "column_worksheets/ColumnPages.h"

namespace zarvik {

namespace {

const QString kDivisionOperation = QStringLiteral("Bölme");

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

// Arial's figures are all 1139/2048 em wide and its "+" (the widest of + - x)
// 1196/2048 em; Liberation Sans, which prints in Arial's place, keeps these
// widths, so a number's printed width is known without a font engine.
constexpr double kFigureEm = 1139.0 / 2048.0;
constexpr double kOperatorEm = 1196.0 / 2048.0;
constexpr double kDesignUnitsPerPoint = 96.0 / 72.0;
// White space kept between a number and the operator or frame next to it.
constexpr double kGap = 1;
constexpr int kSmallestPoints = 6;
// What an answer line leaves free before the previous column's numbers.
constexpr int kColumnGap = 6;

// The largest size up to the design's at which `ems` em fit in `room` units.
int pointsToFit(int designPoints, double ems, double room) {
    if (ems <= 0) return designPoints;
    const int fitting = static_cast<int>(room / (ems * kDesignUnitsPerPoint));
    return std::clamp(fitting, kSmallestPoints, designPoints);
}

void setPointSize(Page& page, const QString& name, int points) {
    page.cell(name).font.pointSize = points;
}

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
    const int line = std::min(designed, grid.columnPitch - kColumnGap);
    if (line != designed) {
        for (int slot = 1; slot <= kGridSlotCount; ++slot) {
            const auto i = static_cast<size_t>(slot);
            const int left = design_->columnEdge((slot - 1) % 5) - line;
            page.setWidth(names.gridLine[i], line);
            page.setLeft(names.gridLine[i], left);
            page.setLeft(names.gridOperator[i], left);
        }
    }
    // The lower number and the operator share the answer line's width.
    qsizetype digits = 0;
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        const auto i = static_cast<size_t>(slot);
        digits = std::max({digits, page.cell(names.gridFirst[i]).text.size(),
                           page.cell(names.gridSecond[i]).text.size()});
    }
    const int points = pointsToFit(grid.fontPoints, digits * kFigureEm + kOperatorEm, line - kGap);
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        const auto i = static_cast<size_t>(slot);
        setPointSize(page, names.gridFirst[i], points);
        setPointSize(page, names.gridSecond[i], points);
    }
    return page;
}

Page ColumnSheet::printedDivisionPage() const {
    Page page = divisionPage_;
    const SlotNames& names = slotNames();
    const DivisionGeometry& division = design_->division;
    // The dividend grows left within its box; the divisor grows right up to
    // the next frame (the narrowest column pitch).
    int narrowestPitch = division.columnLefts[1] - division.columnLefts[0];
    for (size_t c = 1; c + 1 < division.columnLefts.size(); ++c)
        narrowestPitch =
            std::min(narrowestPitch, division.columnLefts[c + 1] - division.columnLefts[c]);
    qsizetype dividendDigits = 0;
    qsizetype divisorDigits = 0;
    for (int slot = 1; slot <= division.slotCount; ++slot) {
        const auto i = static_cast<size_t>(slot);
        dividendDigits = std::max(dividendDigits, page.cell(names.dividend[i]).text.size());
        divisorDigits = std::max(divisorDigits, page.cell(names.divisor[i]).text.size());
    }
    const int points = std::min(pointsToFit(division.fontPoints, dividendDigits * kFigureEm,
                                            division.dividendWidth - 2 * kGap),
                                pointsToFit(division.fontPoints, divisorDigits * kFigureEm,
                                            narrowestPitch - division.dividendWidth - 4 * kGap));
    for (int slot = 1; slot <= division.slotCount; ++slot) {
        const auto i = static_cast<size_t>(slot);
        setPointSize(page, names.dividend[i], points);
        setPointSize(page, names.divisor[i], points);
    }
    return page;
}

void ColumnSheet::setFooterLabels(const QString& teacherName, const QString& date) {
    for (auto [page, frame] : {std::pair{&gridPage_, &design_->gridPage},
                               std::pair{&divisionPage_, &design_->divisionPage}}) {
        const QString teacherLabel = frame->teacherLabel.name.toString();
        page->setCaption(teacherLabel, QString());
        if (!teacherName.isEmpty())
            page->setCaption(teacherLabel, QStringLiteral("Hazırlayan: ") + teacherName);
        page->setCaption(frame->dateLabel.name.toString(), date);
    }
}

const ColumnKind* ColumnSheet::prepare(const QString& operation, const QString& property,
                                       const QString& teacherName, const QString& date,
                                       Questions& questions, RandomDraw& random) {
    // Drawn into a copy: a generator that stops (a typed answer that is not
    // a number, a draw with the bound 0) leaves the previous sheet whole.
    ColumnSheet next(*this);
    next.clearProblems();
    const ColumnKind* kind = findColumnKind(operation, property);
    if (kind) {
        GeneratorRun run{questions, random, next, design_->generators};
        kind->generate(run);
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
