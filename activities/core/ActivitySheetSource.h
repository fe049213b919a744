#pragma once
// The sheets of an activity class set: every sheet prepared with the same
// choices, one after another from the shared draw.

#include <memory>

#include "activities/core/ActivityWorksheet.h"
#include "common/core/SheetSource.h"

namespace zarvik {

class ActivitySheetSource : public SheetSource {
  public:
    ActivitySheetSource(ActivityWorksheet& worksheet, ActivityChoices choices)
        : worksheet_(worksheet), choices_(std::move(choices)) {}
    // With a worksheet of its own (zarvik-cli, a mixed sheet).
    explicit ActivitySheetSource(ActivityChoices choices);
    ~ActivitySheetSource() override;

    void prepareNext(RandomDraw& random) override { worksheet_.prepare(choices_, random); }
    void sheetPages(const std::function<void(Page&&)>& pageDone) override {
        pageDone(Page(worksheet_.page()));
    }
    ExerciseList sheetExercises() override;
    QString sheetTitle() override;
    bool drawsItsKey() const override { return drawsKey(worksheet_); }
    Page sheetKeyPage() override { return worksheet_.keyPage(); }
    QString sheetJsonFields() override;
    QString sheetListing() override;

  private:
    std::unique_ptr<ActivityWorksheet> owned_;
    ActivityWorksheet& worksheet_;
    ActivityChoices choices_;
};

}  // namespace zarvik
