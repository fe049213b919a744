#include "column_worksheets/core/ColumnSheetSource.h"

#include "column_worksheets/core/ColumnAnswers.h"
#include "column_worksheets/core/RoomyColumnPages.h"
#include "common/core/Errors.h"
#include "common/core/Json.h"

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

ColumnSheetSource::ColumnSheetSource(const ColumnWindowDesign& design, ColumnChoices choices,
                                     ScriptedQuestions script, MessageSink* messages)
    : owned_(std::make_unique<ColumnSheet>(design)),
      sheet_(*owned_),
      choices_(std::move(choices)),
      script_(std::move(script)),
      messages_(messages) {}

ColumnSheetSource::ColumnSheetSource(ColumnSheet& sheet, ColumnChoices choices,
                                     Questions& firstQuestions)
    : sheet_(sheet), choices_(std::move(choices)), firstQuestions_(&firstQuestions) {}

ColumnSheetSource::~ColumnSheetSource() = default;

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
    if (!kind_ && ++prepared_ == 1 && messages_)
        messages_->showMessage(QStringLiteral("\"%1\" / \"%2\" için alıştırma yok; sayfa boş.")
                                   .arg(quotedValue(choices_.operation),
                                        quotedValue(choices_.property)));
}

Page ColumnSheetSource::sheetPage() {
    return sheet_.transferForOperation(choices_.operation);
}

std::vector<Page> ColumnSheetSource::printedPages() {
    if (choices_.moreRoom) return roomyColumnPages(sheet_, choices_.operation);
    return {sheetPage()};
}

void ColumnSheetSource::sheetPages(const std::function<void(Page&&)>& pageDone) {
    for (Page& page : printedPages())
        pageDone(std::move(page));
}

ExerciseList ColumnSheetSource::sheetExercises() {
    return columnExercises(sheet_.problems());
}

ExerciseList ColumnSheetSource::firstExercises(qsizetype count) {
    return columnExercises(sheet_.problems(), count);
}

bool ColumnSheetSource::halfPageSheets() const {
    return sheet_.design().paper == Paper::A5;
}

// The page has no heading; the window's choices say what the sheet is.
QString ColumnSheetSource::sheetTitle() {
    QStringList parts{choices_.operation, choices_.property};
    parts.removeAll(QString());
    return parts.join(QStringLiteral(" – "));
}

QString ColumnSheetSource::sheetJsonFields() {
    const QString& operation = choices_.operation;
    const int count = sheet_.slotCountFor(operation);
    const Page& grid = sheet_.gridPage();
    const PageFrameDesign& frame = sheet_.design().gridPage;
    const auto& line = sheet_.lineSetting();
    QString json = QStringLiteral("\"page\":");
    json += ColumnSheet::usesDivisionPage(operation) ? QStringLiteral("\"division\"")
                                                     : QStringLiteral("\"grid\"");
    json += QStringLiteral(",\"first\":") + jsonStringArray(sheet_.FirstTexts.first(count));
    json += QStringLiteral(",\"second\":") + jsonStringArray(sheet_.SecondTexts.first(count));
    json += QStringLiteral(",\"lineWidth\":") +
            (line ? QString::number(line->width) : QStringLiteral("null"));
    json +=
        QStringLiteral(",\"operator\":") + (line ? jsonString(line->op) : QStringLiteral("null"));
    json += QStringLiteral(",\"teacher\":") + jsonString(grid.cell(frame.teacherLabel.name).text);
    json += QStringLiteral(",\"date\":") + jsonString(grid.cell(frame.dateLabel.name).text);
    return json;
}

QString ColumnSheetSource::sheetListing() {
    QString out;
    for (const Exercise& exercise : sheetExercises())
        out += exercise.text + u'\n';
    return out;
}

}  // namespace zarvik
