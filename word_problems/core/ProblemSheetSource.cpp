#include "word_problems/core/ProblemSheetSource.h"

#include "common/core/Json.h"

namespace zarvik {

ProblemSheetSource::ProblemSheetSource(ProblemChoices choices)
    : owned_(std::make_unique<ProblemWorksheet>()),
      worksheet_(*owned_),
      choices_(std::move(choices)) {}

ProblemSheetSource::~ProblemSheetSource() = default;

void ProblemSheetSource::setPupilNames(const QStringList& names) {
    pupils_ = names;
    classNames_ = firstNames(names);
    sheet_ = 0;
}

void ProblemSheetSource::prepareNext(RandomDraw& random) {
    ++sheet_;
    const QString star = sheet_ <= pupils_.size() ? firstName(pupils_[sheet_ - 1]) : QString();
    worksheet_.prepare(choices_, castOf(classNames_, star), random);
}

void ProblemSheetSource::sheetPages(const std::function<void(Page&&)>& pageDone) {
    for (const Page& page : worksheet_.pages())
        pageDone(Page(page));
}

QString ProblemSheetSource::sheetJsonFields() {
    const ProblemWorksheet& sheet = worksheet_;
    return QStringLiteral(
               "\"kind\":%1,\"grade\":%2,\"operation\":%3,\"page\":%4,\"title\":%5,"
               "\"instruction\":%6,\"teacher\":%7,\"date\":%8")
        .arg(jsonString(problemThemes()[static_cast<size_t>(sheet.sheet().theme)].name))
        .arg(sheet.sheet().grade)
        .arg(jsonString(sheet.sheet().operation),
             jsonString(sheet.sheet().halfPage ? kA5.toString() : kA4.toString()),
             jsonString(sheet.title()), jsonString(sheet.instruction()),
             jsonString(sheet.teacherCaption()), jsonString(sheet.dateCaption()));
}

QString ProblemSheetSource::sheetListing() {
    const ProblemWorksheet& sheet = worksheet_;
    QString out = sheet.title() + u'\n' + sheet.instruction() + u'\n';
    for (const Exercise& exercise : sheet.exercises())
        out += QStringLiteral("%1) %2\n").arg(exercise.number).arg(exercise.text);
    out += sheet.teacherCaption() + u'\n' + sheet.dateCaption() + u'\n';
    return out;
}

}  // namespace zarvik
