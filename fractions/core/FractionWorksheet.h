#pragma once
// One fraction worksheet as the window and zarvik-cli hold it: the exercise
// table and the page QuickRep1 it is copied into. Preparing draws into a
// fresh table and touches the page only when that succeeded.

#include <QString>

#include "common/core/Page.h"
#include "common/core/RandomDraw.h"
#include "fractions/core/FractionGenerators.h"

namespace zarvik {

// The window's choices as texts, exactly as its controls hold them.
struct FractionChoices {
    QString operation;  // ComboBox1
    QString type;       // ComboBox2
    QString relation;   // ComboBox3; counts only for addition and subtraction
    QString teacher;    // Edit1
    QString date;       // Edit2
};

class FractionWorksheet {
  public:
    FractionWorksheet();

    const Page& page() const { return page_; }
    const fractions::ExerciseTable& exercises() const { return exercises_; }
    QString teacherCaption() const;
    QString dateCaption() const;

    // "Yeni Hazırla": an empty table, the one generator the three texts
    // select (none when they match no kind: the page then shows empty
    // boxes), the table copied into the page, and the footer labels.
    void prepare(const FractionChoices& choices, RandomDraw& random);

  private:
    fractions::ExerciseTable exercises_;
    Page page_;
};

}  // namespace zarvik
