#pragma once
// The sheets of a number class set: every sheet prepared with the same
// choices; the digit-count message, the same for every sheet, is shown for
// the first sheet only (or for every sheet, as zarvik-cli tells it).

#include <memory>

#include "common/core/Questions.h"
#include "common/core/SheetSource.h"
#include "numbers/core/NumberWorksheet.h"

namespace zarvik {

class NumberSheetSource : public SheetSource {
  public:
    NumberSheetSource(NumberWorksheet& worksheet, NumberChoices choices, MessageSink& messages,
                      bool messagesEverySheet = false)
        : worksheet_(worksheet),
          choices_(std::move(choices)),
          messages_(messages),
          everySheet_(messagesEverySheet) {}
    // With a worksheet of its own (zarvik-cli, a mixed sheet).
    NumberSheetSource(NumberChoices choices, MessageSink& messages, bool messagesEverySheet);
    ~NumberSheetSource() override;

    void prepareNext(RandomDraw& random) override;
    void sheetPages(const std::function<void(Page&&)>& pageDone) override;
    ExerciseList sheetExercises() override;
    QString sheetTitle() override;
    QString sheetJsonFields() override;
    QString sheetListing() override;

  private:
    std::unique_ptr<NumberWorksheet> owned_;
    NumberWorksheet& worksheet_;
    NumberChoices choices_;
    MessageSink& messages_;
    bool everySheet_;
    bool first_ = true;
};

}  // namespace zarvik
