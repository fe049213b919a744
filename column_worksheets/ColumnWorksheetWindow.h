#pragma once
// The column worksheet window, one design for the half-page and the
// full-page window: the operation and property lists, the teacher and date
// fields and the buttons "Yeni Hazırla", "Bak" and "Yazdır". The sheet (texts,
// pages, generators) lives in ColumnSheet; this class only wires the controls
// to it, with the sizes and texts of the window's design table.
//
// Button states: nothing chosen and operation chosen → all three disabled;
// property chosen → "Yeni Hazırla" enabled; sheet prepared → all enabled.

#include <QWidget>
#include <memory>

#include "column_worksheets/ColumnDesign.h"
#include "column_worksheets/ColumnSheet.h"
#include "common/AppContext.h"
#include "common/Questions.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class ColumnWorksheetWindow : public QWidget {
    Q_OBJECT
  public:
    ColumnWorksheetWindow(zarvik::AppContext& context, const zarvik::ColumnWindowDesign& design,
                          QWidget* parent);
    ~ColumnWorksheetWindow() override;

    // Where the generators' questions go; nullptr restores the dialog boxes.
    void setQuestions(zarvik::Questions* questions);

    const zarvik::ColumnSheet& sheet() const { return sheet_; }

  protected:
    // Controls, by their designer names.
    QLabel* Panel1 = nullptr;
    QLabel* Panel2 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* ButtonHazirla = nullptr;
    QPushButton* ButtonBak = nullptr;
    QPushButton* ButtonYazdir = nullptr;

  private:
    void buildControls();
    zarvik::PageOutput& pageOutput();

    void FormCreate();
    void ComboBox1Change();
    void ComboBox2Change();
    void ButtonHazirlaClick();
    void ButtonBakClick();
    void ButtonYazdirClick();

    zarvik::AppContext& context_;
    const zarvik::ColumnWindowDesign& design_;
    zarvik::ColumnSheet sheet_;
    std::unique_ptr<zarvik::Questions> dialogQuestions_;
    zarvik::Questions* questions_;
    std::unique_ptr<zarvik::PageOutput> desktopOutput_;
};
