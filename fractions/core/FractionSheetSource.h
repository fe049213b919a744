#pragma once
// The sheets of a fraction class set: every sheet prepared with the same
// choices, one after another from the shared draw.

#include <memory>

#include "common/core/SheetSource.h"
#include "fractions/core/FractionWorksheet.h"

namespace zarvik {

class FractionSheetSource : public SheetSource {
  public:
    FractionSheetSource(FractionWorksheet& worksheet, FractionChoices choices)
        : worksheet_(worksheet), choices_(std::move(choices)) {}
    // With a worksheet of its own (zarvik-cli, a mixed sheet).
    explicit FractionSheetSource(FractionChoices choices);
    ~FractionSheetSource() override;

    void prepareNext(RandomDraw& random) override { worksheet_.prepare(choices_, random); }
    void sheetPages(const std::function<void(Page&&)>& pageDone) override;
    ExerciseList sheetExercises() override;
    QString sheetTitle() override;
    QString sheetJsonFields() override;
    QString sheetListing() override;

  private:
    std::unique_ptr<FractionWorksheet> owned_;
    FractionWorksheet& worksheet_;
    FractionChoices choices_;
};

}  // namespace zarvik
