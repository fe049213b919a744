#pragma once
// The word problem window: the teacher picks a grade, a theme of that grade,
// one of its operations (or all), how many problems and the paper, prepares
// the sheet, previews it and prints it. The drawing and the pages live in
// ProblemWorksheet; the window only reads its lists.

#include "common/windows/PrintedWorksheetWindow.h"
#include "word_problems/core/ProblemWorksheet.h"

class QComboBox;

class TFormZarvikProblem : public zarvik::PrintedWorksheetWindow {
    Q_OBJECT
  public:
    explicit TFormZarvikProblem(zarvik::AppContext& context, QWidget* parent = nullptr);
    ~TFormZarvikProblem() override;

    const zarvik::ProblemWorksheet& worksheet() const { return worksheet_; }
    // The choices as the lists hold them.
    zarvik::ProblemChoices choices() const;

  private:
    void buildControls();
    void ComboBoxSinifChange();
    void ComboBoxKonuChange();
    void fillThemes();
    void fillOperations();
    void ButtonHazirlaClick() override;
    void ButtonBakClick() override;
    void ButtonYazdirClick() override;
    std::unique_ptr<zarvik::SheetSource> makeSheetSource() override;
    bool halfPageSheets() const override;
    // The board shows the problems of the sheet held.
    zarvik::ExerciseList currentExercises() const override;

    zarvik::ProblemWorksheet worksheet_;
    QComboBox* ComboBoxSinif = nullptr;
    QComboBox* ComboBoxKonu = nullptr;
    QComboBox* ComboBoxIslem = nullptr;
    QComboBox* ComboBoxSayi = nullptr;
    QComboBox* ComboBoxSayfa = nullptr;
};
