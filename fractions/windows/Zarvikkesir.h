#pragma once
// The fraction worksheet window: the teacher picks an operation, a fraction
// type and (for addition and subtraction) a denominator relation, prepares an
// A4 page of 26 exercises, previews it and prints it. Creating the window
// seeds the program's random draw; start-up creates it once, before any
// exercise is drawn.

#include "common/windows/PrintedWorksheetWindow.h"
#include "fractions/core/FractionWorksheet.h"

class QComboBox;

class TFormZarvikKesir : public zarvik::PrintedWorksheetWindow {
    Q_OBJECT
  public:
    explicit TFormZarvikKesir(zarvik::AppContext& context, QWidget* parent = nullptr);
    ~TFormZarvikKesir() override;

    // The page design QuickRep1 with what the last preparation put into it.
    const zarvik::Page& page() const { return worksheet_.page(); }
    const zarvik::fractions::ExerciseTable& exercises() const { return worksheet_.exercises(); }

  private:
    void buildControls();
    void FormCreate();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void ButtonHazirlaClick() override;
    void ButtonBakClick() override;
    void ButtonYazdirClick() override;
    std::unique_ptr<zarvik::SheetSource> makeSheetSource() override;
    zarvik::ExerciseList currentExercises() const override;
    QStringList sheetNameParts() const override;

    zarvik::FractionWorksheet worksheet_;

    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
};
