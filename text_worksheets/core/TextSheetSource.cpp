#include "text_worksheets/core/TextSheetSource.h"

#include "common/core/Json.h"

namespace zarvik {

namespace {

class NoBytes : public ByteSink {
  public:
    void write(const char*, qsizetype) override {}
};

// The key's lines of a sheet, and nothing else of it.
class KeyLines : public TextExerciseSink {
  public:
    explicit KeyLines(QStringList& lines) : lines_(lines) {}
    void exercise(TextExercise&& exercise) override {
        const TextAnswer answer = textAnswer(exercise);
        lines_ << QStringLiteral("%1) %2%3%4")
                      .arg(lines_.size() + 1)
                      .arg(answer.exercise,
                           answer.reading ? QStringLiteral(": ") : QStringLiteral(" = "),
                           answer.answer);
    }

  private:
    QStringList& lines_;
};

}  // namespace

TextSheetSource::TextSheetSource(int32_t kind, const TextFields& fields, QString teacher,
                                 QString date)
    : kind_(kind), fields_(fields), teacher_(std::move(teacher)), date_(std::move(date)) {}

TextSheetSource::TextSheetSource(int32_t kind, FixedTextFields fields, QString teacher,
                                 QString date)
    : kind_(kind),
      ownFields_(std::make_unique<FixedTextFields>(std::move(fields))),
      fields_(*ownFields_),
      teacher_(std::move(teacher)),
      date_(std::move(date)) {}

TextSheetSource::~TextSheetSource() = default;

void TextSheetSource::setNeeds(const SheetNeeds& needs) {
    keep_ = needs.pages || needs.exercises;
    keys_ = needs.answers;
}

void TextSheetSource::prepareNext(RandomDraw& random) {
    if (keep_) {
        sheet_ = std::make_unique<TextSheet>(
            drawTextSheet(kind_, fields_, random, sink_, progress_));
        return;
    }
    sheet_.reset();
    keyLines_.clear();
    NoBytes nowhere;
    KeyLines key(keyLines_);
    generateTextWorksheet(kind_, fields_, random, sink_ ? *sink_ : nowhere, keys_ ? &key : nullptr,
                          progress_);
}

QStringList TextSheetSource::sheetAnswers() {
    return sheet_ ? keyLines(textSheetExercises(*sheet_)) : keyLines_;
}

void TextSheetSource::sheetPages(const std::function<void(Page&&)>& pageDone) {
    if (sheet_) buildTextPages(*sheet_, teacher_, date_, pageDone);
}

ExerciseList TextSheetSource::sheetExercises() {
    return sheet_ ? textSheetExercises(*sheet_) : ExerciseList();
}

QString TextSheetSource::sheetTitle() {
    return textSheetTitle(kind_);
}

qint64 TextSheetSource::exercisesPerSheet() {
    // Its lines are not kept when only written: the count the sheet was drawn with.
    if (sheet_) return SheetSource::exercisesPerSheet();
    return fields_.edit1().toInt();
}

QString TextSheetSource::sheetJsonFields() {
    return QStringLiteral("\"kind\":%1,\"title\":%2")
        .arg(kind_)
        .arg(jsonString(textSheetTitle(kind_)));
}

QString TextSheetSource::sheetListing() {
    if (!sheet_) return {};
    QString out;
    for (const QString& line : sheet_->lines)
        out += line + u'\n';
    return out;
}

}  // namespace zarvik
