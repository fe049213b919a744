#pragma once
// One number worksheet as the window and zarvik-cli hold it: the page, its
// column texts and the drawn numbers behind them. Preparing draws into fresh
// texts and touches the page only when the generator succeeded, so an error
// leaves cells, title, footer labels and the drawn numbers as they were.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "common/core/Page.h"
#include "common/core/Questions.h"
#include "common/core/RandomDraw.h"
#include "numbers/core/NumberGenerators.h"

namespace zarvik {

// The window's choices as texts, exactly as its controls hold them.
struct NumberChoices {
    QString kind;     // ComboBox1; no generator runs for a text that is not a kind
    QString digits;   // ComboBox3
    QString columns;  // ComboBox2; "Tek Sütun" leaves the right column blank
    QString teacher;  // Edit1
    QString date;     // Edit2
};

inline constexpr QStringView kOneColumn = u"Tek Sütun";
inline constexpr QStringView kTwoColumns = u"İki Sütun";

class NumberWorksheet {
  public:
    NumberWorksheet();

    // The designed page with the texts: what JSON and the listing describe.
    const Page& page() const { return page_; }
    // The sheet as it goes to paper: the designed page, or, where the pupil
    // writes the answers, room for them over as many pages as they need.
    std::vector<Page> pages() const;
    // Column texts as they stand on the page, numbering included (24 each).
    const QStringList& leftTexts() const { return left_; }
    const QStringList& rightTexts() const { return right_; }
    QString title() const;
    QString teacherCaption() const;
    QString dateCaption() const;
    bool leftWide() const { return leftWide_; }
    // The generator's drawn numbers behind the current texts; none when the
    // last preparation ran no generator.
    const std::optional<NumberSheet>& sheet() const { return sheet_; }

    // Picking a kind brings the left column back to its normal width.
    void setNormalWidth() { setLeftWide(false); }

    // Clears the texts, runs the chosen kind's generator, numbers the
    // exercises, blanks the right column for one column and sets the footer
    // labels. Throws the generator's errors with nothing changed.
    void prepare(const NumberChoices& choices, RandomDraw& random, MessageSink& messages);

  private:
    void setLeftWide(bool wide);

    Page page_;
    QStringList left_;
    QStringList right_;
    bool leftWide_ = false;
    bool oneColumn_ = false;
    std::optional<NumberSheet> sheet_;
};

}  // namespace zarvik
