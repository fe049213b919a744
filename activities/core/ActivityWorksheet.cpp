#include "activities/core/ActivityWorksheet.h"

#include "activities/core/ActivityPage.h"
#include "common/core/Errors.h"
#include "common/core/PageCells.h"

namespace zarvik {

namespace {

QString quotedList(const QStringList& items) {
    QStringList quoted;
    for (const QString& item : items)
        quoted << u'"' + item + u'"';
    return quoted.join(QStringLiteral(", "));
}

void setFooter(Page& page, const QString& teacher, const QString& date) {
    setTeacherFooterCaptions(page, kActivityTeacherLabel, kActivityDateLabel, teacher, date);
}

}  // namespace

const ActivityKind& checkedActivityKind(const QString& name) {
    if (const ActivityKind* kind = activityKind(name)) return *kind;
    QStringList names;
    for (const ActivityKind& kind : activityKinds())
        names << kind.name;
    throw InputRefused(QStringLiteral("\"%1\" diye bir etkinlik yok. Etkinlikler: %2.")
                           .arg(quotedValue(name), quotedList(names)));
}

void checkActivityValues(const ActivityKind& kind, const ActivityValues& values) {
    if (values.size() != static_cast<qsizetype>(kind.options.size()))
        throw InputRefused(QStringLiteral("\"%1\" etkinliğinin %2 seçeneği var, %3 değer verildi.")
                               .arg(kind.name)
                               .arg(kind.options.size())
                               .arg(values.size()));
    for (size_t i = 0; i < kind.options.size(); ++i) {
        const ActivityOption& option = kind.options[i];
        if (!option.items.contains(values[static_cast<qsizetype>(i)]))
            throw InputRefused(QStringLiteral("\"%1\" için \"%2\" seçilemez. Seçilebilenler: %3.")
                                   .arg(option.caption, quotedValue(values[static_cast<qsizetype>(i)]),
                                        quotedList(option.items)));
    }
}

ActivityWorksheet::ActivityWorksheet() = default;

void ActivityWorksheet::prepare(const ActivityChoices& choices, RandomDraw& random) {
    const ActivityKind& kind = checkedActivityKind(choices.kind);
    checkActivityValues(kind, choices.values);
    ActivitySheet sheet = kind.generate(choices.values, random);
    Page page = makeActivityPage(kind, sheet);
    setFooter(page, choices.teacher, choices.date);

    // Nothing below can fail.
    kind_ = &kind;
    sheet_ = std::move(sheet);
    page_ = std::move(page);
    teacher_ = choices.teacher;
    date_ = choices.date;
}

Page ActivityWorksheet::keyPage() const {
    if (!kind_) return page_;
    Page key = makeActivityPage(*kind_, sheet_, true);
    setFooter(key, teacher_, date_);
    return key;
}

bool drawsKey(const ActivityWorksheet& worksheet) {
    const ActivityKind* kind = worksheet.kind();
    // Pictures: the key writes or draws each answer in its place.
    return kind && ((kind->layout == ActivityLayout::ClockFaces && !kind->handsOnPage) ||
                    hasPictures(worksheet.sheet()));
}

QString ActivityWorksheet::teacherCaption() const {
    return zarvik::teacherCaption(teacher_);
}

QString ActivityWorksheet::dateCaption() const {
    return date_;
}

}  // namespace zarvik
