#pragma once
// The sheets of a number class set: every sheet prepared with the same
// choices; the digit-count message, the same for every sheet, is shown for
// the first sheet only.

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

    void prepareNext(RandomDraw& random) override;
    Page sheetPage() override { return worksheet_.page(); }
    QStringList sheetAnswers() override;

  private:
    NumberWorksheet& worksheet_;
    NumberChoices choices_;
    MessageSink& messages_;
    bool everySheet_;
    bool first_ = true;
};

}  // namespace zarvik
