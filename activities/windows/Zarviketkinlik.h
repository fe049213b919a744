#pragma once
// The activity window: the teacher picks an activity and its options (the
// lists of the picked kind are shown, the others hidden), prepares a page,
// previews it and prints it. The page and the drawing live in
// ActivityWorksheet; the window only reads its controls.

#include <vector>

#include "activities/core/ActivityWorksheet.h"
#include "common/windows/PrintedWorksheetWindow.h"

class QComboBox;
class QLabel;

class TFormZarvikEtkinlik : public zarvik::PrintedWorksheetWindow {
    Q_OBJECT
  public:
    explicit TFormZarvikEtkinlik(zarvik::AppContext& context, QWidget* parent = nullptr);
    ~TFormZarvikEtkinlik() override;

    const zarvik::ActivityWorksheet& worksheet() const { return worksheet_; }
    // The choices as the controls hold them.
    zarvik::ActivityChoices choices() const;

  private:
    void buildControls();
    void ComboBoxEtkinlikChange();
    void showOptionsOfKind();
    void ButtonHazirlaClick() override;
    void ButtonBakClick() override;
    void ButtonYazdirClick() override;
    std::unique_ptr<zarvik::SheetSource> makeSheetSource() override;
    zarvik::ExerciseList currentExercises() const override;
    QStringList sheetNameParts() const override;

    zarvik::ActivityWorksheet worksheet_;
    QComboBox* ComboBoxEtkinlik = nullptr;
    // Per kind (table order), per option: its caption and its list. Each
    // kind keeps its own lists, so going back to a kind finds its choices.
    std::vector<std::vector<std::pair<QLabel*, QComboBox*>>> options_;
};
