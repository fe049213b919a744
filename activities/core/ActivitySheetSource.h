#pragma once
// The sheets of an activity class set: every sheet prepared with the same
// choices, one after another from the shared draw.

#include "activities/core/ActivityWorksheet.h"
#include "common/core/SheetSource.h"

namespace zarvik {

class ActivitySheetSource : public SheetSource {
  public:
    ActivitySheetSource(ActivityWorksheet& worksheet, ActivityChoices choices)
        : worksheet_(worksheet), choices_(std::move(choices)) {}

    void prepareNext(RandomDraw& random) override { worksheet_.prepare(choices_, random); }
    Page sheetPage() override { return worksheet_.page(); }
    QStringList sheetAnswers() override { return worksheet_.answers(); }
    bool drawsItsKey() const override { return drawsKey(worksheet_); }
    Page sheetKeyPage() override { return worksheet_.keyPage(); }

  private:
    ActivityWorksheet& worksheet_;
    ActivityChoices choices_;
};

}  // namespace zarvik
