#include "column_worksheets/core/ColumnSheetSource.h"

#include "column_worksheets/core/ColumnAnswers.h"

namespace zarvik {

namespace {

// Passes the questions on and keeps each answer as a script item.
class RecordingQuestions : public Questions {
  public:
    explicit RecordingQuestions(Questions& asked) : asked_(asked) {}

    QString askText(const QString& prompt, const QString& defaultText) override {
        const QString text = asked_.askText(prompt, defaultText);
        // A cancel gives the default; "~" gives each later sheet its own.
        items << (text == defaultText ? QStringLiteral("~") : text);
        return text;
    }
    bool askYesNo(const QString& question) override {
        const bool yes = asked_.askYesNo(question);
        items << (yes ? QStringLiteral("e") : QStringLiteral("h"));
        return yes;
    }

    QStringList items;

  private:
    Questions& asked_;
};

}  // namespace

ColumnSheetSource::ColumnSheetSource(ColumnSheet& sheet, ColumnChoices choices,
                                     ScriptedQuestions script)
    : sheet_(sheet), choices_(std::move(choices)), script_(std::move(script)) {}

ColumnSheetSource::ColumnSheetSource(ColumnSheet& sheet, ColumnChoices choices,
                                     Questions& firstQuestions)
    : sheet_(sheet), choices_(std::move(choices)), firstQuestions_(&firstQuestions) {}

void ColumnSheetSource::prepareNext(RandomDraw& random) {
    auto prepare = [&](Questions& questions) {
        kind_ = sheet_.prepare(choices_.operation, choices_.property, choices_.teacher,
                               choices_.date, questions, random);
    };
    if (script_) {
        ScriptedQuestions questions = *script_;
        prepare(questions);
    } else if (recorded_) {
        ScriptedQuestions questions(*recorded_);
        prepare(questions);
    } else {
        RecordingQuestions questions(*firstQuestions_);
        prepare(questions);
        recorded_ = questions.items;
    }
}

Page ColumnSheetSource::sheetPage() {
    return sheet_.transferForOperation(choices_.operation);
}

QStringList ColumnSheetSource::sheetAnswers() {
    return columnAnswers(sheet_.problems());
}

}  // namespace zarvik
