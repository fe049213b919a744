#pragma once
// The sheets of a column class set: the generator's questions are asked for
// the first sheet only and their answers hold for every sheet, as they do
// for zarvik-cli's --answers.

#include <QStringList>
#include <memory>
#include <optional>

#include "column_worksheets/core/ColumnSheet.h"
#include "column_worksheets/core/ScriptedQuestions.h"
#include "common/core/Questions.h"
#include "common/core/SheetSource.h"

namespace zarvik {

struct ColumnChoices {
    QString operation;  // ComboBox1
    QString property;   // ComboBox2
    QString teacher;
    QString date;
    // "Daha az işlem, daha çok yer": the same problems with room to work
    // them, over several pages (RoomyColumnPages).
    bool moreRoom = false;
};

class ColumnSheetSource : public SheetSource {
  public:
    // Every sheet answered by a fresh copy of the same script.
    ColumnSheetSource(ColumnSheet& sheet, ColumnChoices choices, ScriptedQuestions script);
    // A sheet of its own on the design's paper (zarvik-cli); told on the
    // first sheet when the texts name no kind, so its page stays empty.
    ColumnSheetSource(const ColumnWindowDesign& design, ColumnChoices choices,
                      ScriptedQuestions script, MessageSink* messages);
    // The first sheet asks these questions (the window's dialog boxes); what
    // they answered, a cancel or the default kept as "~", is replayed for the
    // other sheets.
    ColumnSheetSource(ColumnSheet& sheet, ColumnChoices choices, Questions& firstQuestions);
    ~ColumnSheetSource() override;

    void prepareNext(RandomDraw& random) override;
    void sheetPages(const std::function<void(Page&&)>& pageDone) override;
    ExerciseList sheetExercises() override;
    QString sheetTitle() override;
    ExerciseList firstExercises(qsizetype count) override;
    int answerGridColumns() const override { return 5; }
    bool halfPageSheets() const override;
    QString sheetJsonFields() override;
    QString sheetListing() override;

    Page sheetPage();
    // The pages "Bak" and "Yazdır" show: the sheet's page, or with more room
    // its problems over as many pages as they take.
    std::vector<Page> printedPages();
    // The kind the last sheet was prepared with; nullptr for no generator.
    const ColumnKind* kind() const { return kind_; }

  private:
    std::unique_ptr<ColumnSheet> owned_;
    ColumnSheet& sheet_;
    ColumnChoices choices_;
    std::optional<ScriptedQuestions> script_;
    Questions* firstQuestions_ = nullptr;
    MessageSink* messages_ = nullptr;
    std::optional<QStringList> recorded_;
    const ColumnKind* kind_ = nullptr;
    int prepared_ = 0;
};

}  // namespace zarvik
