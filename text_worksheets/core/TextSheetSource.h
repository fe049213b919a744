#pragma once
// The sheets of a text worksheet kind, as every other family gives its
// sheets: each one drawn as another press of "Ödev Hazırla >>" would draw
// it. Its text is the sheet itself: the bytes go to the sink while they are
// drawn, and the lines are kept only when pages, JSON or a key ask for them.

#include <QString>
#include <cstdint>
#include <memory>

#include "common/core/SheetSource.h"
#include "text_worksheets/core/TextPages.h"
#include "text_worksheets/core/TextWorksheet.h"

namespace zarvik {

class TextSheetSource : public SheetSource {
  public:
    // fields: read at every sheet, as the window's controls hold them.
    TextSheetSource(int32_t kind, const TextFields& fields, QString teacher, QString date);
    // With field texts of its own (zarvik-cli, a mixed sheet).
    TextSheetSource(int32_t kind, FixedTextFields fields, QString teacher, QString date);
    ~TextSheetSource() override;

    // Told how far a long sheet has come (the window's progress box).
    void setProgress(TextProgress* progress) { progress_ = progress; }

    void setNeeds(const SheetNeeds& needs) override;
    void prepareNext(RandomDraw& random) override;
    void sheetPages(const std::function<void(Page&&)>& pageDone) override;
    ExerciseList sheetExercises() override;
    QString sheetTitle() override;
    qint64 exercisesPerSheet() override;
    QStringList sheetAnswers() override;
    QString sheetJsonFields() override;
    QString sheetListing() override;
    bool isText() const override { return true; }
    void setTextSink(ByteSink* sink) override { sink_ = sink; }

    // The last sheet as drawn, when kept; nullptr otherwise.
    const TextSheet* sheet() const { return sheet_.get(); }
    std::unique_ptr<TextSheet> takeSheet() { return std::move(sheet_); }

  private:
    int32_t kind_;
    std::unique_ptr<FixedTextFields> ownFields_;
    const TextFields& fields_;
    QString teacher_;
    QString date_;
    bool keep_ = true;
    bool keys_ = false;
    QStringList keyLines_;  // when only the key is kept
    ByteSink* sink_ = nullptr;
    TextProgress* progress_ = nullptr;
    std::unique_ptr<TextSheet> sheet_;
};

}  // namespace zarvik
