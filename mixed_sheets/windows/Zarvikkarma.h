#pragma once
// The mixed sheet's designer, "Karma Sayfa": a list of sections (each a kind
// of any family with its own window's choices, a count and a heading), the
// sheet's title and paper, the presets to open and save, and the printed
// worksheet's teacher, date and buttons. The sheet itself is a
// MixedSheetSource; the window only edits the preset it is made from.
//
// Every preparation draws from the shared draw as a run started at a
// calendar time of its own (a preset's time once, after it is opened), so
// "Kaydet…" can keep the exact sheet shown and zarvik-cli sheet gives it
// again.

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "common/windows/PrintedWorksheetWindow.h"
#include "mixed_sheets/core/MixedSheetSource.h"
#include "mixed_sheets/core/SectionForms.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QListWidget;
class QSpinBox;
class QWidget;

class TFormZarvikKarma : public zarvik::PrintedWorksheetWindow {
    Q_OBJECT
  public:
    explicit TFormZarvikKarma(zarvik::AppContext& context, QWidget* parent = nullptr);
    ~TFormZarvikKarma() override;

    // The preset as the controls hold it (with the time of the sheet shown
    // when "Soruları da kaydet" is ticked).
    zarvik::SheetPreset preset() const;
    // Fills the controls; the preset's time is the next preparation's.
    void setPreset(const zarvik::SheetPreset& preset);
    // "Aç…" and "Kaydet…" without their dialogs. Throw Error.
    void openPreset(const QString& path);
    void savePreset(const QString& path);

    // The prepared sheet; nullptr before the first.
    zarvik::MixedSheetSource* sheet() const { return sheet_.get(); }
    // The calendar time the shown sheet was drawn from.
    std::optional<int64_t> sheetTime() const { return sheetTime_; }

    // The section list's buttons and the section's fields, for tests.
    void addSection(const QStringList& args);
    void selectSection(int index);
    void duplicateSection();
    void removeSection();
    void moveSection(int by);
    // The chosen section's family fields as shown, and a change to one.
    std::vector<zarvik::SectionField> shownFields() const { return fields_; }
    void changeField(int index, const QString& value);

    // What the draw starts from when no preset time waits (tests set it).
    std::function<int64_t()> clock;
    // A yes/no question; a message box unless a test answers.
    std::function<bool(const QString&)> ask;

  private:
    void buildControls();
    void buildAddMenu();
    void buildPresetMenu();
    void refreshList();
    void showSection();
    void rebuildFields();
    void sectionEdited();
    zarvik::Paper paper() const;
    QString sectionText(int index) const;

    // A source of the preset as it stands; repeats the teacher accepts are
    // written into its sections first. nullptr when the teacher declines.
    std::unique_ptr<zarvik::MixedSheetSource> acceptedSource(int sheets);
    int64_t nextTime();

    void ButtonHazirlaClick() override;
    void ButtonBakClick() override;
    void ButtonYazdirClick() override;
    void ButtonAcClick();
    void ButtonKaydetClick();
    std::unique_ptr<zarvik::SheetSource> makeSheetSource() override;
    bool prepareClassSet(const zarvik::ClassSetChoice& choice) override;
    bool halfPageSheets() const override;
    // The board shows the sheet held, every section's exercises in order.
    zarvik::ExerciseList currentExercises() const override;
    // The sheet held, as a web page with its sections' headings.
    zarvik::HtmlSheet shownSheet() override;

    void showMessages();

    struct Messages : zarvik::MessageSink {
        void showMessage(const QString& text) override { told << text; }
        QStringList told;
    };
    // Before the sheets, which tell it what their families say.
    Messages messages_;
    std::vector<zarvik::PresetSection> sections_;
    std::vector<zarvik::SectionField> fields_;
    int current_ = -1;
    bool filling_ = false;  // the controls are being filled, not edited
    std::optional<int64_t> pendingTime_;
    int64_t lastTime_ = 0;
    std::unique_ptr<zarvik::MixedSheetSource> sheet_;
    std::optional<int64_t> sheetTime_;

    QLineEdit* EditBaslik = nullptr;
    QComboBox* ComboBoxKagit = nullptr;
    QPushButton* ButtonAc = nullptr;
    QPushButton* ButtonKaydet = nullptr;
    QPushButton* ButtonSablonlar = nullptr;
    QCheckBox* CheckBoxSorular = nullptr;
    QListWidget* ListBolumler = nullptr;
    QPushButton* ButtonEkle = nullptr;
    QPushButton* ButtonCogalt = nullptr;
    QPushButton* ButtonSil = nullptr;
    QPushButton* ButtonYukari = nullptr;
    QPushButton* ButtonAsagi = nullptr;
    QGroupBox* GroupBolum = nullptr;
    QLabel* LabelAile = nullptr;
    QWidget* FieldsHost = nullptr;
    QFormLayout* FieldsLayout = nullptr;
    std::vector<QComboBox*> fieldBoxes_;
    QSpinBox* SpinSayi = nullptr;
    QLineEdit* EditBolumBasligi = nullptr;
    QCheckBox* CheckBoxElde = nullptr;
    QCheckBox* CheckBoxTekrar = nullptr;
};
