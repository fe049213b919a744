#pragma once
// What the four printed-worksheet windows (the two column windows, fractions
// and numbers) have in common: a fixed window with the publisher's banner,
// the teacher and date fields, the "Yeni Hazırla" / "Bak" / "Yazdır" row, the
// release panel, centring on first show and the page output. Each window
// adds its own lists and says what preparing, previewing and printing mean.
//
// A preparation runs through runPreparation: the window's worksheet object
// prepares all or nothing, so an error leaves the previous sheet, its labels
// and the buttons exactly as they were.

#include <QRect>
#include <QString>
#include <QWidget>
#include <initializer_list>
#include <memory>
#include <vector>

#include "common/windows/AppContext.h"
#include "common/windows/ErrorBox.h"
#include "common/core/SheetSource.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zarvik {

class ClassSetDialog;

struct PrintedWindowDesign {
    struct Label {
        const char* name;
        int left;
        int top;
        QString caption;
    };
    struct Button {
        const char* name;
        QRect geometry;
    };

    QString objectName;
    QString caption;
    QSize clientSize;
    QRect banner;  // Panel1, the publisher's web address
    bool blueBanner;
    Label teacherLabel;
    QRect teacherEdit;  // Edit1
    Label dateLabel;
    QRect dateEdit;      // Edit2
    Button prepare;      // "Yeni Hazırla"
    Button look;         // "Bak"
    Button print;        // "Yazdır"
    QRect releasePanel;  // Panel2
    QString releaseText;
};

class PrintedWorksheetWindow : public QWidget {
    Q_OBJECT
  public:
    PrintedWorksheetWindow(AppContext& context, const PrintedWindowDesign& design, QWidget* parent);
    ~PrintedWorksheetWindow() override;

  protected:
    void showEvent(QShowEvent* event) override;

    // The shared controls, added where the window's own controls leave room
    // for them (their order is the window's tab order): the teacher and date
    // fields with their labels, then the three buttons and the release panel.
    void addTeacherAndDate();
    void addButtonRow();

    // "Sınıf seti…", below the release panel (the window grows by its row);
    // enabled whenever "Yeni Hazırla" is. Added last in the tab order.
    void addClassSetButton();
    // The window's sheets for a class set, prepared from what its controls
    // hold now, exactly as "Yeni Hazırla" prepares them.
    virtual std::unique_ptr<SheetSource> makeSheetSource() = 0;
    // Half-page sheets, which can go two to an A4 page.
    virtual bool halfPageSheets() const { return false; }

    // The handlers of the three buttons.
    virtual void ButtonHazirlaClick() = 0;
    virtual void ButtonBakClick() = 0;
    virtual void ButtonYazdirClick() = 0;

    // Runs the preparation through the error box; only a preparation that
    // finished enables "Bak" and "Yazdır".
    template <typename Prepare>
    void runPreparation(Prepare&& prepare) {
        runGuarded(this, [&] {
            prepare();
            setPageButtonsEnabled(true);
        });
    }
    void setPageButtonsEnabled(bool enabled);
    // Tab order through the given controls, in this order.
    void setTabOrders(std::initializer_list<QWidget*> order);
    void setAllButtonsEnabled(bool enabled);

    // The preview and the printer (or what tests put in their place).
    PageOutput& pageOutput();
    AppContext& context() { return context_; }
    QString teacherName() const;
    QString dateText() const;

    QLabel* Panel1 = nullptr;
    QLabel* Panel2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* ButtonHazirla = nullptr;
    QPushButton* ButtonBak = nullptr;
    QPushButton* ButtonYazdir = nullptr;
    QPushButton* ButtonSinifSeti = nullptr;

  public:
    // The pages of the last class set (sheets, then the key).
    const std::vector<Page>& classSetPages() const { return classSetPages_; }
    // Opens "Sınıf seti…" (window-modal, returns at once).
    ClassSetDialog& openClassSetDialog();

  private:
    bool prepareClassSet(const ClassSetChoice& choice);
    bool eventFilter(QObject* watched, QEvent* event) override;

    std::vector<Page> classSetPages_;
    ClassSetDialog* classSetDialog_ = nullptr;
    AppContext& context_;
    PrintedWindowDesign design_;
    std::unique_ptr<PageOutput> desktopOutput_;
    bool shownBefore_ = false;
};

}  // namespace zarvik
