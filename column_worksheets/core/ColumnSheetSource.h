#pragma once
// The sheets of a column class set: the generator's questions are asked for
// the first sheet only and their answers hold for every sheet, as they do
// for zarvik-cli's --answers.

#include <QStringList>
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
};

class ColumnSheetSource : public SheetSource {
  public:
    // Every sheet answered by a fresh copy of the same script.
    ColumnSheetSource(ColumnSheet& sheet, ColumnChoices choices, ScriptedQuestions script);
    // The first sheet asks these questions (the window's dialog boxes); what
    // they answered, a cancel or the default kept as "~", is replayed for the
    // other sheets.
    ColumnSheetSource(ColumnSheet& sheet, ColumnChoices choices, Questions& firstQuestions);

    void prepareNext(RandomDraw& random) override;
    Page sheetPage() override;
    QStringList sheetAnswers() override;
    int answerGridColumns() const override { return 5; }

    // The kind the last sheet was prepared with; nullptr for no generator.
    const ColumnKind* kind() const { return kind_; }

  private:
    ColumnSheet& sheet_;
    ColumnChoices choices_;
    std::optional<ScriptedQuestions> script_;
    Questions* firstQuestions_ = nullptr;
    std::optional<QStringList> recorded_;
    const ColumnKind* kind_ = nullptr;
};

}  // namespace zarvik
