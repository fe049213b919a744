#include "activities/core/ActivitySheetSource.h"

#include "common/core/Json.h"

namespace zarvik {

ActivitySheetSource::ActivitySheetSource(ActivityChoices choices)
    : owned_(std::make_unique<ActivityWorksheet>()),
      worksheet_(*owned_),
      choices_(std::move(choices)) {}

ActivitySheetSource::~ActivitySheetSource() = default;

ExerciseList ActivitySheetSource::sheetExercises() {
    const ActivityKind* kind = worksheet_.kind();
    return activityExercises(worksheet_.sheet(), kind && kind->handsOnPage);
}

QString ActivitySheetSource::sheetTitle() {
    return worksheet_.sheet().title;
}

QString ActivitySheetSource::sheetJsonFields() {
    const ActivityWorksheet& sheet = worksheet_;
    QStringList items;
    for (const ActivityItem& item : sheet.sheet().items) {
        QString object = QStringLiteral("{\"text\":%1,\"answer\":%2")
                             .arg(jsonString(item.text), jsonString(item.answer));
        if (item.clock)
            object += QStringLiteral(",\"hour\":%1,\"minute\":%2").arg(item.hour).arg(item.minute);
        items << object + u'}';
    }
    return QStringLiteral("\"kind\":%1,\"title\":%2,\"items\":[%3],\"teacher\":%4,\"date\":%5")
        .arg(jsonString(sheet.kind()->name), jsonString(sheet.sheet().title), items.join(u','),
             jsonString(sheet.teacherCaption()), jsonString(sheet.dateCaption()));
}

QString ActivitySheetSource::sheetListing() {
    const ActivityWorksheet& sheet = worksheet_;
    QString out = sheet.sheet().title + u'\n';
    for (const Exercise& exercise : sheetExercises())
        out += QStringLiteral("%1) %2\n").arg(exercise.number).arg(exercise.text);
    out += sheet.teacherCaption() + u'\n' + sheet.dateCaption() + u'\n';
    return out;
}

}  // namespace zarvik
