#pragma once
// The sheets of a problem class set: every sheet drawn with the same
// choices; with a class list, sheet k names the pupils of the class and
// stars pupil k in its first problem.

#include <memory>

#include "common/core/SheetSource.h"
#include "word_problems/core/ProblemWorksheet.h"

namespace zarvik {

class ProblemSheetSource : public SheetSource {
  public:
    ProblemSheetSource(ProblemWorksheet& worksheet, ProblemChoices choices)
        : worksheet_(worksheet), choices_(std::move(choices)) {}
    // With a worksheet of its own (zarvik-cli, a mixed sheet).
    explicit ProblemSheetSource(ProblemChoices choices);
    ~ProblemSheetSource() override;

    void setPupilNames(const QStringList& names) override;
    void prepareNext(RandomDraw& random) override;
    void sheetPages(const std::function<void(Page&&)>& pageDone) override;
    ExerciseList sheetExercises() override { return worksheet_.exercises(); }
    QString sheetTitle() override { return worksheet_.title(); }
    bool halfPageSheets() const override { return choices_.paper == kA5; }
    QString sheetJsonFields() override;
    QString sheetListing() override;

  private:
    std::unique_ptr<ProblemWorksheet> owned_;
    ProblemWorksheet& worksheet_;
    ProblemChoices choices_;
    QStringList pupils_;
    QStringList classNames_;
    int sheet_ = 0;
};

}  // namespace zarvik
