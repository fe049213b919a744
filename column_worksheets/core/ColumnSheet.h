#pragma once
// One column worksheet window's sheet without the window: the problem texts
// FirstTexts and SecondTexts (entries 1..50) that the generators fill, the
// drawn numbers behind them, the grid and division pages, the operations that
// carry the texts onto a page, and the preparation that the window's
// "Yeni Hazırla" and zarvik-cli share.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "column_worksheets/core/ColumnDesign.h"
#include "common/core/Page.h"
#include "common/core/Questions.h"
#include "common/core/RandomDraw.h"

namespace zarvik {

struct ColumnKind;

enum class ColumnOperation { Addition, Subtraction, Multiplication, Division };

// The numbers of one problem as drawn, kept beside its texts so that answers
// can be worked out without reading texts back.
struct ColumnProblem {
    ColumnOperation operation = ColumnOperation::Addition;
    int64_t first = 0;   // upper number, or the dividend
    int64_t second = 0;  // lower number, or the divisor
    int64_t quotient = 0;
    int64_t remainder = 0;
};

// Entries 1..50 of FirstTexts or SecondTexts.
class ProblemTexts {
  public:
    static constexpr int kCount = 50;

    // Throws std::out_of_range outside 1..50.
    QString& operator[](int entry);
    const QString& operator[](int entry) const;
    void clear();
    // Entries 1..count.
    QStringList first(int count) const;

  private:
    std::array<QString, kCount> texts_;
};

// What the last SetLineWidthAndOperator set on the grid page.
struct LineSetting {
    int width = 0;
    QString op;
};

class ColumnSheet {
  public:
    explicit ColumnSheet(const ColumnWindowDesign& design);

    const ColumnWindowDesign& design() const { return *design_; }

    ProblemTexts FirstTexts;
    ProblemTexts SecondTexts;

    // The problems of the last preparation in slot order (empty after a
    // preparation that ran no generator or stopped with an error).
    const std::vector<ColumnProblem>& problems() const { return problems_; }

    Page& gridPage() { return gridPage_; }
    const Page& gridPage() const { return gridPage_; }
    Page& divisionPage() { return divisionPage_; }
    const Page& divisionPage() const { return divisionPage_; }

    // Empties entries 1..50 of both text lists and forgets the drawn problems.
    void clearProblems();
    // Problem of slot k (1..50): its texts and its numbers.
    void setProblem(int slot, const ColumnProblem& problem);

    // Every grid slot's answer line becomes w wide, ending at its column edge;
    // the operator label moves to the line's left end and shows op. Lefts may
    // become negative (wide lines in the first column of the half page).
    void SetLineWidthAndOperator(int width, const QString& op);
    const std::optional<LineSetting>& lineSetting() const { return lineSetting_; }

    void TransferToGridPage();
    void TransferToDivisionPage();

    // Teacher label ("" or "Hazırlayan: " + name) and date label, on the grid
    // page first, then on the division page.
    void setFooterLabels(const QString& teacherName, const QString& date);

    // "Yeni Hazırla" without the buttons: clears the texts, runs the generator
    // that the operation and property name (compared exactly; none if no row
    // matches) and writes the footer labels. Returns the kind that ran or
    // nullptr. A generator's error propagates with the whole sheet (texts,
    // drawn problems, grid geometry, footer labels) as it was before.
    const ColumnKind* prepare(const QString& operation, const QString& property,
                              const QString& teacherName, const QString& date, Questions& questions,
                              RandomDraw& random);

    // The grid page as it goes on paper. Its numbers carry their room (the
    // answer line's width) so that numbers too wide for it get one common
    // smaller size when painted, with 1.3 mm between operator and number; an
    // answer line is drawn no wider than leaves 3 mm before the next column's
    // and starts inside the band; the lower number's digits stay clear of it.
    Page printedGridPage() const;
    // The division page as it goes on paper: every frame laid out for the
    // page's longest numbers at one common size, the numbers clear of the bar,
    // the bar taller than the digits, the underline as long as the divisor
    // and the quotient; fewer, wider columns where five would not fit at 10 pt.
    Page printedDivisionPage() const;

    // "Bak" and "Yazdır": the division page for "Bölme", the grid page
    // otherwise, with the problem texts transferred onto it, as printed.
    static bool usesDivisionPage(const QString& operation);
    Page transferForOperation(const QString& operation);
    // How many problems the page of the operation shows.
    int slotCountFor(const QString& operation) const;

  private:
    // The printed grid rows, evenly spaced: the first clear of the header
    // ribbon, the last answer line a writing line above the footer ribbon.
    void spaceGridRows(Page& page) const;

    const ColumnWindowDesign* design_;
    Page gridPage_;
    Page divisionPage_;
    std::vector<ColumnProblem> problems_;
    std::optional<LineSetting> lineSetting_;
};

}  // namespace zarvik
