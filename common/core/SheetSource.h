#pragma once
// A class set, whichever family it is for: how many sheets, whose, with or
// without the key, and the family's way of making its sheets one by one.
// The windows and zarvik-cli both make a set through these, so a window's
// set is the command's set for the same draw and choices.

#include <QString>
#include <QStringList>

#include "common/core/Page.h"
#include "common/core/RandomDraw.h"

namespace zarvik {

// What a class set holds, whichever family it is for.
struct ClassSetChoice {
    int sheets = 1;
    QStringList names;  // one per sheet, or empty
    bool answerKey = false;
    bool twoUp = false;  // A5 sheets two to an A4 landscape page

    // More than the single sheet "Yeni Hazırla" makes.
    bool isSet() const { return sheets > 1 || !names.isEmpty() || answerKey; }
    // The pupil of sheet k (1-based); empty without a class list.
    QString pupil(int k) const { return names.isEmpty() ? QString() : names[k - 1]; }
};

// One family's way of making the sheets of a set: each call prepares the next
// sheet from the shared draw exactly as another press of "Yeni Hazırla"
// would, and then tells its page and its answer lines.
class SheetSource {
  public:
    virtual ~SheetSource() = default;
    // Throws Error as the family's preparation does.
    virtual void prepareNext(RandomDraw& random) = 0;
    // The prepared sheet as it goes to paper (without a pupil's name).
    virtual Page sheetPage() = 0;
    virtual QStringList sheetAnswers() = 0;
    // Laid out in the sheet's own grid of this many columns, row by row
    // (column sheets, whose problems carry no numbers); 0: numbered lines.
    virtual int answerGridColumns() const { return 0; }
    // A family whose key is a picture (clock faces with their hands drawn)
    // gives the prepared sheet's key page too; it follows the answer lines.
    virtual bool drawsItsKey() const { return false; }
    virtual Page sheetKeyPage() { return {}; }
};

}  // namespace zarvik
