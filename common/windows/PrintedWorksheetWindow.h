#pragma once
// What the five printed-worksheet windows (the two column windows, fractions,
// numbers and activities) have beside a worksheet window's page output and
// class sets: a fixed window with the publisher's banner, the teacher and
// date fields, the "Yeni Hazırla" / "Bak" / "Yazdır" row and the release
// panel. Each window adds its own lists and says what preparing, previewing
// and printing mean.
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

#include "common/core/SheetSource.h"
#include "common/windows/AppContext.h"
#include "common/windows/ErrorBox.h"
#include "common/windows/WorksheetWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zarvik {

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

class PrintedWorksheetWindow : public WorksheetWindow {
    Q_OBJECT
  public:
    PrintedWorksheetWindow(AppContext& context, const PrintedWindowDesign& design, QWidget* parent);
    ~PrintedWorksheetWindow() override;

  protected:
    // The shared controls, added where the window's own controls leave room
    // for them (their order is the window's tab order): the teacher and date
    // fields with their labels, then the three buttons and the release panel.
    void addTeacherAndDate();
    void addButtonRow();

    // "Sınıf seti…", below the release panel (the window grows by its row);
    // enabled whenever "Yeni Hazırla" is; then "Tahtada Göster" in a row of
    // its own, enabled whenever "Bak" is. Added last in the tab order.
    void addClassSetButton();
    // The window holds the set's last sheet, as after as many presses of
    // "Yeni Hazırla".
    void classSetMade() override { setPageButtonsEnabled(true); }

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
    QPushButton* ButtonTahta = nullptr;

  private:
    bool eventFilter(QObject* watched, QEvent* event) override;

    PrintedWindowDesign design_;
};

}  // namespace zarvik
