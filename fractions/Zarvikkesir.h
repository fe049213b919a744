#pragma once
// The fraction worksheet window: the teacher picks an operation, a fraction
// type and (for addition and subtraction) a denominator relation, prepares an
// A4 page of 26 exercises, previews it and prints it. Creating the window
// seeds the program's random draw; start-up creates it once, before any
// exercise is drawn.

#include <QWidget>
#include <memory>

#include "common/AppContext.h"
#include "common/Page.h"
#include "fractions/FractionGenerators.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TFormZarvikKesir : public QWidget {
    Q_OBJECT
  public:
    explicit TFormZarvikKesir(zarvik::AppContext& context, QWidget* parent = nullptr);
    ~TFormZarvikKesir() override;

    // The page design QuickRep1 with what the last preparation put into it.
    const zarvik::Page& page() const { return QuickRep1; }
    const zarvik::fractions::ExerciseTable& exercises() const { return exercises_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildControls();
    void FormCreate();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void ButtonKesirHazirlaClick();
    void ButtonKesirBakClick();
    void ButtonKesirYazdirClick();
    zarvik::PageOutput& pageOutput();

    zarvik::AppContext& context_;
    zarvik::fractions::ExerciseTable exercises_;
    zarvik::Page QuickRep1;
    std::unique_ptr<zarvik::PageOutput> desktopOutput_;
    bool shownBefore_ = false;

    QLabel* Panel1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* ButtonKesirHazirla = nullptr;
    QPushButton* ButtonKesirBak = nullptr;
    QPushButton* ButtonKesirYazdir = nullptr;
    QLabel* Panel2 = nullptr;
};
