#include "mixed_sheets/core/MixedSheetSource.h"

#include "common/core/Json.h"
#include "common/core/PageCells.h"
#include "mixed_sheets/core/MixedSection.h"

namespace zarvik {

QString VarietyShortage::text() const {
    const QString has = QStringLiteral("%1. bölümün türünde yalnız %2 farklı alıştırma var")
                            .arg(section + 1)
                            .arg(distinct);
    if (inSheet)
        return has + QStringLiteral("; %1 alıştırma için bazıları bir sayfada tekrar edecek.")
                         .arg(wanted);
    return has + QStringLiteral("; setin sayfaları birlikte %1 alıştırma istiyor, aynı "
                                "alıştırmalar birkaç öğrencinin sayfasında çıkacak.")
                     .arg(wanted);
}

MixedSheetSource::MixedSheetSource(SheetPreset preset, const SheetFooter& footer,
                                   MessageSink& messages)
    : preset_(std::move(preset)), footer_(footer) {
    refuseUnprintableFooterTexts(footer.teacher, footer.date);
    for (size_t i = 0; i < preset_.sections.size(); ++i)
        sections_.push_back(std::make_unique<MixedSection>(
            preset_.sections[i], static_cast<int>(i), preset_.paper, footer, messages));
}

MixedSheetSource::~MixedSheetSource() = default;

std::vector<VarietyShortage> MixedSheetSource::shortages(int sheets) {
    std::vector<VarietyShortage> found;
    for (size_t i = 0; i < sections_.size(); ++i) {
        const PresetSection& s = preset_.sections[i];
        const int wanted = s.count * std::max(1, sheets);
        const SectionVariety& variety = sections_[i]->variety(wanted);
        if (!variety.complete || variety.distinct >= wanted) continue;
        found.push_back({static_cast<int>(i), variety.distinct, variety.distinct < s.count ? s.count : wanted,
                         variety.distinct < s.count, s.repeat});
    }
    return found;
}

void MixedSheetSource::prepareNext(RandomDraw& random) {
    if (startTime_) {
        random.seed(*startTime_);
        startTime_.reset();
    }
    // All or nothing: the last sheet stays until every section is drawn.
    std::vector<SheetPart> parts;
    parts.reserve(sections_.size());
    int number = 0;
    for (const std::unique_ptr<MixedSection>& section : sections_) {
        SheetPart part{section->heading(), section->draw(random)};
        for (Exercise& e : part.exercises)
            e.number = ++number;
        parts.push_back(std::move(part));
    }
    parts_ = std::move(parts);
}

void MixedSheetSource::sheetPages(const std::function<void(Page&&)>& pageDone) {
    buildMixedPages(preset_.title, preset_.paper, parts_, footer_.teacher, footer_.date, pageDone);
}

std::vector<std::pair<qsizetype, QString>> MixedSheetSource::sheetHeadings() {
    std::vector<std::pair<qsizetype, QString>> headings;
    qsizetype index = 0;
    for (const SheetPart& part : parts_) {
        if (!part.heading.isEmpty()) headings.emplace_back(index, part.heading);
        index += part.exercises.size();
    }
    return headings;
}

ExerciseList MixedSheetSource::sheetExercises() {
    ExerciseList all;
    for (const SheetPart& part : parts_)
        all.insert(all.end(), part.exercises.begin(), part.exercises.end());
    return all;
}

QStringList MixedSheetSource::sheetAnswers() {
    QStringList lines;
    for (const SheetPart& part : parts_)
        lines += keyLines(part.exercises);
    return lines;
}

QString MixedSheetSource::sheetJsonFields() {
    QStringList sections;
    for (size_t i = 0; i < parts_.size(); ++i) {
        const SheetPart& part = parts_[i];
        const PresetSection& s = preset_.sections[i];
        sections << QStringLiteral("{\"heading\":%1,\"args\":%2,\"count\":%3,\"first\":%4,\"last\":%5}")
                        .arg(jsonString(part.heading), jsonStringArray(s.args), QString::number(s.count),
                             QString::number(part.exercises.empty() ? 0 : part.exercises.front().number),
                             QString::number(part.exercises.empty() ? 0 : part.exercises.back().number));
    }
    return QStringLiteral("\"title\":%1,\"paper\":%2,\"sections\":[%3],\"teacher\":%4,\"date\":%5")
        .arg(jsonString(preset_.title), jsonString(paperName(preset_.paper)),
             sections.join(u','), jsonString(teacherCaption(footer_.teacher)),
             jsonString(footer_.date));
}

QString MixedSheetSource::sheetListing() {
    QString out;
    if (!preset_.title.isEmpty()) out += preset_.title + u'\n';
    for (const SheetPart& part : parts_) {
        out += u'\n' + part.heading + u'\n';
        for (const Exercise& e : part.exercises)
            out += QStringLiteral("%1) %2\n").arg(e.number).arg(e.text);
    }
    out += u'\n' + teacherCaption(footer_.teacher) + u'\n' + footer_.date + u'\n';
    return out;
}

}  // namespace zarvik
