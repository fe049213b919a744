#pragma once
// The text worksheet window: a menu of 28 exercise kinds (TextCatalogue), the
// fields the chosen kind needs, and "Ödev Hazırla >>", which writes Zarvik.txt
// through the generators (TextWorksheet) and has the desktop open it. Below
// the original client area: the teacher and date of the printed pages, "Bak"
// and "Yazdır" for the exercises the last press drew, "Sınıf seti…" and
// "Tahtada Göster".

#include <QSize>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

#include "common/windows/AppContext.h"
#include "common/windows/WorksheetWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QTimer;

namespace zarvik {
struct ClassSetChoice;
struct TextKind;
struct TextHelpItem;
struct TextSheet;

// The desktop's "open" action on a file; tests record the calls instead.
class FileOpener {
  public:
    virtual ~FileOpener() = default;
    virtual void open(const QString& path) = 0;
};

// Opens the file with the desktop's default program; failures are ignored.
class DesktopFileOpener : public FileOpener {
  public:
    void open(const QString& path) override;
};

}  // namespace zarvik

class TFormZarvikEski : public zarvik::WorksheetWindow {
    Q_OBJECT
  public:
    static constexpr int kTimerInterval = 3000;
    static constexpr QSize kPrintAreaSize{228, 119};

    explicit TFormZarvikEski(zarvik::AppContext& context, QWidget* parent = nullptr);
    ~TFormZarvikEski() override;

    // nullptr restores the desktop's open action.
    void setFileOpener(zarvik::FileOpener* opener);
    int32_t kindCode() const { return kindCode_; }

    // The handlers (the menu items, the button and the timer call them).
    void exerciseItemClick(const zarvik::TextKind& kind);
    void helpItemClick(const zarvik::TextHelpItem& item);
    void Button1Click();
    void Timer1Timer();
    void ButtonBakClick();
    void ButtonYazdirClick();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    std::unique_ptr<zarvik::SheetSource> makeSheetSource() override;
    // The sheet the last press drew, which the window keeps itself.
    zarvik::HtmlSheet shownSheet() override;
    bool prepareClassSet(const zarvik::ClassSetChoice& choice) override;
    QString missingPagesReason() const override;
    zarvik::ExerciseList currentExercises() const override;
    QStringList sheetNameParts() const override;

  private:
    class Fields;

    void buildControls();
    void buildMenu();
    void FormCreate();
    void buildPrintArea();
    void setPrintAreaShown(bool shown);
    void setLabelText(QLabel* label, const QString& text);
    void setPageButtonsEnabled(bool enabled, const QString& why = {});
    // The exercise count as the generators read it; -1 when it is no number.
    int64_t typedCount() const;
    std::vector<zarvik::Page> sheetPages() const;

    zarvik::AppContext& context_;
    std::unique_ptr<Fields> fields_;
    zarvik::DesktopFileOpener desktopOpener_;
    zarvik::FileOpener* opener_ = &desktopOpener_;
    int32_t kindCode_ = 0;

    QMenuBar* MainMenu1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QTimer* Timer1 = nullptr;

    QWidget* PrintArea = nullptr;
    QLineEdit* EditOgretmen = nullptr;
    QLineEdit* EditTarih = nullptr;
    QPushButton* ButtonBak = nullptr;
    QPushButton* ButtonYazdir = nullptr;
    QPushButton* ButtonSinifSeti = nullptr;
    QPushButton* ButtonTahta = nullptr;

    std::unique_ptr<zarvik::TextSheet> sheet_;  // what the last press drew
};
