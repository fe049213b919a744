#pragma once
// The sheets of a fraction class set: every sheet prepared with the same
// choices, one after another from the shared draw.

#include "common/core/SheetSource.h"
#include "fractions/core/FractionWorksheet.h"

namespace zarvik {

class FractionSheetSource : public SheetSource {
  public:
    FractionSheetSource(FractionWorksheet& worksheet, FractionChoices choices)
        : worksheet_(worksheet), choices_(std::move(choices)) {}

    void prepareNext(RandomDraw& random) override { worksheet_.prepare(choices_, random); }
    Page sheetPage() override { return worksheet_.page(); }
    QStringList sheetAnswers() override;

  private:
    FractionWorksheet& worksheet_;
    FractionChoices choices_;
};

}  // namespace zarvik
