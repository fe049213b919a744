#pragma once
// The column worksheet window, one design for the half-page and the
// full-page window: the operation and property lists on the shared printed
// worksheet window. The sheet (texts, pages, generators) lives in
// ColumnSheet; this class only wires the lists to it, with the sizes and
// texts of the window's design table.
//
// Button states: nothing chosen and operation chosen → all three disabled;
// property chosen → "Yeni Hazırla" enabled; sheet prepared → all enabled.

#include <memory>

#include "column_worksheets/core/ColumnDesign.h"
#include "column_worksheets/core/ColumnSheet.h"
#include "column_worksheets/core/ColumnSheetSource.h"
#include "common/windows/PrintedWorksheetWindow.h"
#include "common/core/Questions.h"

class QCheckBox;
class QComboBox;

class ColumnWorksheetWindow : public zarvik::PrintedWorksheetWindow {
    Q_OBJECT
  public:
    ColumnWorksheetWindow(zarvik::AppContext& context, const zarvik::ColumnWindowDesign& design,
                          QWidget* parent);
    ~ColumnWorksheetWindow() override;

    // Where the generators' questions go; nullptr restores the dialog boxes.
    void setQuestions(zarvik::Questions* questions);

    const zarvik::ColumnSheet& sheet() const { return sheet_; }

  protected:
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    // "Daha az işlem, daha çok yer", below "Sınıf seti…".
    QCheckBox* CheckBoxYer = nullptr;

  private:
    void buildControls();
    zarvik::ColumnChoices choices() const;

    void ComboBox1Change();
    void ComboBox2Change();
    void ButtonHazirlaClick() override;
    void ButtonBakClick() override;
    void ButtonYazdirClick() override;
    std::unique_ptr<zarvik::SheetSource> makeSheetSource() override;
    bool halfPageSheets() const override;
    zarvik::ExerciseList currentExercises() const override;
    QStringList sheetNameParts() const override;

    zarvik::ColumnSheet sheet_;
    std::unique_ptr<zarvik::Questions> dialogQuestions_;
    zarvik::Questions* questions_;
};
