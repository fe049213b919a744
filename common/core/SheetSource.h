#pragma once
// A family's sheets, one after another, and what a class set holds. Every
// output reads a prepared sheet through this one interface: its pages, its
// exercises as values (the key, JSON, the board and web pages read them),
// its plain listing and its JSON fields. The windows' "Sınıf seti…" and
// zarvik-cli both run sheets through it (SheetSet.h), so a window's set is
// the command's set for the same draw and choices.

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

#include "common/core/AnswerCode.h"
#include "common/core/ByteSink.h"
#include "common/core/Exercise.h"
#include "common/core/Page.h"
#include "common/core/RandomDraw.h"

namespace zarvik {

// What a class set holds, whichever family it is for.
struct ClassSetChoice {
    int sheets = 1;
    QStringList names;  // one per sheet, or empty
    bool answerKey = false;
    bool twoUp = false;  // A5 sheets two to an A4 landscape page
    // With the key: each sheet's answers as a QR code, on the sheet or the key.
    AnswerCodePlace answerCode = AnswerCodePlace::None;

    // More than the single sheet "Yeni Hazırla" makes.
    bool isSet() const { return sheets > 1 || !names.isEmpty() || answerKey; }
    // The pupil of sheet k (1-based); empty without a class list.
    QString pupil(int k) const { return names.isEmpty() ? QString() : names[k - 1]; }
};

// What the outputs of a run will ask of each sheet, told before the first:
// a source keeps only what is asked for (a text sheet of a million lines is
// written as it is drawn and never held).
struct SheetNeeds {
    bool pages = false;
    bool exercises = false;  // JSON
    bool answers = false;    // the key's lines
    bool listing = false;    // the plain listing or, for a sheet that is text, its text
};

class SheetSource {
  public:
    virtual ~SheetSource() = default;

    virtual void setNeeds(const SheetNeeds&) {}
    // The class list of the set, one name per sheet in order (empty without
    // one), told before the first sheet: a family whose exercises name
    // people can use the pupils' own names.
    virtual void setPupilNames(const QStringList&) {}
    // Prepares the next sheet from the shared draw exactly as another press
    // of "Yeni Hazırla" would. Throws Error as the family's preparation does.
    virtual void prepareNext(RandomDraw& random) = 0;

    // The prepared sheet as it goes to paper (without a pupil's name), page
    // by page; most sheets are one page.
    virtual void sheetPages(const std::function<void(Page&&)>& pageDone) = 0;
    // The exercises in page order.
    virtual ExerciseList sheetExercises() = 0;
    // What the sheet asks, as a heading over its exercises on a screen
    // ("Aşağıdaki sayıları yuvarlayınız."); empty where the sheet has none.
    virtual QString sheetTitle() { return {}; }
    // Headings inside the sheet, each shown before the exercise of that
    // index in sheetExercises() (a mixed sheet's sections); empty: none.
    virtual std::vector<std::pair<qsizetype, QString>> sheetHeadings() { return {}; }
    // At least the first `count` of them (all, if the sheet has fewer), for
    // a caller that takes a few of a long page: a source whose exercises
    // cost something to make makes only those; the others give them all.
    virtual ExerciseList firstExercises(qsizetype /*count*/) { return sheetExercises(); }
    // How many exercises the prepared sheet holds, for the limit of a run.
    virtual qint64 exercisesPerSheet() { return sheetExercises().size(); }
    // The key's lines: "12) 45 + 713 = 758".
    virtual QStringList sheetAnswers() { return keyLines(sheetExercises()); }
    // The key's lines lie in the sheet's own grid of this many columns, row
    // by row (column sheets, whose problems carry no numbers); 0: numbered lines.
    virtual int answerGridColumns() const { return 0; }
    // A family whose key is a picture (clock faces with their hands drawn)
    // gives the prepared sheet's key page too; it follows the answer lines.
    virtual bool drawsItsKey() const { return false; }
    virtual Page sheetKeyPage() { return {}; }
    // A5 sheets, which can go two to an A4 page. Known before any sheet.
    virtual bool halfPageSheets() const { return false; }

    // The sheet's own fields of its JSON object, without braces:
    // "\"title\":…,\"teacher\":…".
    virtual QString sheetJsonFields() = 0;
    // The sheet as plain lines ending in '\n', for standard output and text files.
    virtual QString sheetListing() = 0;

    // A sheet that is text itself (the text worksheets) writes its bytes,
    // Windows-1254 with CR LF, while it is drawn, into the sink set here;
    // the others are listed with sheetListing().
    virtual bool isText() const { return false; }
    virtual void setTextSink(ByteSink*) {}
};

}  // namespace zarvik
