#include "numbers/core/NumberSheetSource.h"

#include "common/core/Json.h"
#include "numbers/core/NumberAnswers.h"

namespace zarvik {

namespace {

class SilentMessages : public MessageSink {
  public:
    void showMessage(const QString&) override {}
};

}  // namespace

NumberSheetSource::NumberSheetSource(NumberChoices choices, MessageSink& messages,
                                     bool messagesEverySheet)
    : owned_(std::make_unique<NumberWorksheet>()),
      worksheet_(*owned_),
      choices_(std::move(choices)),
      messages_(messages),
      everySheet_(messagesEverySheet) {}

NumberSheetSource::~NumberSheetSource() = default;

void NumberSheetSource::prepareNext(RandomDraw& random) {
    SilentMessages silent;
    worksheet_.prepare(choices_, random, first_ || everySheet_ ? messages_ : silent);
    first_ = false;
}

void NumberSheetSource::sheetPages(const std::function<void(Page&&)>& pageDone) {
    for (Page& page : worksheet_.pages())
        pageDone(std::move(page));
}

ExerciseList NumberSheetSource::sheetExercises() {
    return worksheet_.sheet()
               ? numberExercises(*worksheet_.sheet(), choices_.columns == kOneColumn)
               : ExerciseList();
}

QString NumberSheetSource::sheetTitle() {
    return worksheet_.title();
}

QString NumberSheetSource::sheetJsonFields() {
    const NumberWorksheet& sheet = worksheet_;
    return QStringLiteral(
               "\"title\":%1,\"left\":%2,\"right\":%3,\"leftWide\":%4,"
               "\"teacher\":%5,\"date\":%6")
        .arg(jsonString(sheet.title()), jsonStringArray(sheet.leftTexts()),
             jsonStringArray(sheet.rightTexts()),
             sheet.leftWide() ? QStringLiteral("true") : QStringLiteral("false"),
             jsonString(sheet.teacherCaption()), jsonString(sheet.dateCaption()));
}

// The page's texts as it shows them, numbering included.
QString NumberSheetSource::sheetListing() {
    const NumberWorksheet& sheet = worksheet_;
    QString out = sheet.title() + u'\n';
    for (const QString& text : sheet.leftTexts())
        out += text + u'\n';
    for (const QString& text : sheet.rightTexts())
        if (!text.isEmpty()) out += text + u'\n';
    out += sheet.teacherCaption() + u'\n' + sheet.dateCaption() + u'\n';
    return out;
}

}  // namespace zarvik
