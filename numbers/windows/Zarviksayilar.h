#pragma once
// The number worksheet window: the teacher picks a kind, a digit count and one
// or two columns, prepares a page of 24 or 48 numbered exercises, previews it
// and prints it in as many copies as chosen. The page and the drawing live in
// NumberWorksheet; the window only reads its controls and shows the results.

#include <memory>

#include "common/windows/PrintedWorksheetWindow.h"
#include "common/core/Questions.h"
#include "numbers/core/NumberWorksheet.h"

class QComboBox;

class TFormZarvikSayilar : public zarvik::PrintedWorksheetWindow {
    Q_OBJECT
  public:
    explicit TFormZarvikSayilar(zarvik::AppContext& context, QWidget* parent = nullptr);
    ~TFormZarvikSayilar() override;

    // The digit-count messages go to a message box; tests collect them instead.
    void setMessageSink(zarvik::MessageSink* sink);
    const zarvik::NumberWorksheet& worksheet() const { return worksheet_; }

  private:
    void buildControls();
    void ComboBox1Change();
    void ComboBox2Change();
    void ButtonHazirlaClick() override;
    void ButtonBakClick() override;
    void ButtonYazdirClick() override;
    std::unique_ptr<zarvik::SheetSource> makeSheetSource() override;
    zarvik::ExerciseList currentExercises() const override;
    QStringList sheetNameParts() const override;
    std::vector<zarvik::Page> printedPages() const;

    zarvik::NumberWorksheet worksheet_;
    std::unique_ptr<zarvik::MessageSink> boxMessages_;
    zarvik::MessageSink* messages_ = nullptr;

    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox4 = nullptr;
};
