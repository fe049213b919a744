#pragma once
// The sheets of a mixed sheet: every section drawn in its order from the
// shared draw, its exercises numbered through the whole sheet; the pages,
// the key, the JSON and the listing come from them as from every family's
// sheets.

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "common/core/Family.h"
#include "mixed_sheets/core/MixedPages.h"
#include "mixed_sheets/core/SheetPreset.h"

namespace zarvik {

class MixedSection;

// A section that cannot give as many different exercises as are asked of it.
struct VarietyShortage {
    int section = 0;    // from 0
    int distinct = 0;   // the different exercises it has
    int wanted = 0;     // what the sheet (or the set) asks
    bool inSheet = false;  // one sheet alone asks more: its section would repeat
    bool accepted = false; // the section accepts repeats
    QString text() const;  // the Turkish warning
};

class MixedSheetSource : public SheetSource {
  public:
    // Reads every section (throws PresetRefused naming the section and the
    // field); nothing is drawn from the shared draw.
    MixedSheetSource(SheetPreset preset, const SheetFooter& footer, MessageSink& messages);
    ~MixedSheetSource() override;

    const SheetPreset& preset() const { return preset_; }
    // The sections whose count a sheet, or a set of `sheets` sheets, cannot
    // fill with different exercises.
    std::vector<VarietyShortage> shortages(int sheets);
    // The first sheet is drawn as a run started at this calendar time (a
    // preset's own draw); later sheets go on from there.
    void startAt(std::optional<int64_t> time) { startTime_ = time; }

    void prepareNext(RandomDraw& random) override;
    void sheetPages(const std::function<void(Page&&)>& pageDone) override;
    ExerciseList sheetExercises() override;
    QString sheetTitle() override { return preset_.title; }
    std::vector<std::pair<qsizetype, QString>> sheetHeadings() override;
    // The key's lines read from the sections in place, without a copy of every exercise.
    QStringList sheetAnswers() override;
    bool halfPageSheets() const override { return preset_.paper == Paper::A5; }
    QString sheetJsonFields() override;
    QString sheetListing() override;

    // The prepared sheet's sections as printed.
    const std::vector<SheetPart>& parts() const { return parts_; }

  private:
    SheetPreset preset_;
    SheetFooter footer_;
    std::vector<std::unique_ptr<MixedSection>> sections_;
    std::optional<int64_t> startTime_;
    std::vector<SheetPart> parts_;
};

}  // namespace zarvik
