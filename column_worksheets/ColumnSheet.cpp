#include "column_worksheets/ColumnSheet.h"

#include <algorithm>
#include <stdexcept>

#include "column_worksheets/ColumnGenerators.h"
#include "column_worksheets/ColumnPages.h"
#include "common/Errors.h"
#include "common/PageCells.h"

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

// What an answer line leaves free before the previous column's numbers.
constexpr int kColumnGap = 6;

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
    for (int slot = 1; slot <= kGridSlotCount; ++slot) {
        const auto i = static_cast<size_t>(slot);
        setGridNumberRoom(page.cell(names.gridFirst[i]), line);
        setGridNumberRoom(page.cell(names.gridSecond[i]), line);
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
        return divisionPage_;
    }
    TransferToGridPage();
    return printedGridPage();
}

int ColumnSheet::slotCountFor(const QString& operation) const {
    return usesDivisionPage(operation) ? design_->division.slotCount : kGridSlotCount;
}

}  // namespace zarvik
