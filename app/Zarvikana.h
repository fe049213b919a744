#pragma once
// The launcher: a button for every family window (FamilyWindows.h), the
// about and popularity messages, the publisher's banner and the release
// date; its menu offers the program's own scale for a board whose desktop
// does not scale. It is the main window: closing it ends the program.

#include <QDate>
#include <QWidget>
#include <cstdint>

#include "app/Windows.h"
#include "common/windows/AppContext.h"

class QFrame;
class QLabel;
class QPushButton;

namespace zarvik {

struct ReleaseDate {
    uint16_t day;
    uint16_t month;
    uint16_t year;
};
inline constexpr ReleaseDate kReleaseDate{1, 10, 2008};

// "Yayın tarihi: 01/10/2008".
QString releaseDateText();
// Days counted as 365 a year and 30 a month; more than 180 past the release
// asks for an update.
bool updateReminderDue(const QDate& today);
QString updateReminderText();
QString aboutText();
QString popularityText();

// Modal box with the application title and one OK button.
void showMessage(QWidget* parent, const QString& text);

}  // namespace zarvik

class TFormZarvikAna : public QWidget {
    Q_OBJECT
  public:
    // The other windows do not exist yet; start-up fills the set as it creates them.
    TFormZarvikAna(zarvik::AppContext& context, const zarvik::Windows& windows,
                   QWidget* parent = nullptr);

    // A family button: shows its window as it was left, or brings it to the front.
    void familyButtonClick(const QString& buttonName);
    void ButtonHakkindaClick();
    void TiklaClick();
    // "Görünüm" › "%150": every window of the run drawn at that scale.
    void scaleClick(double factor);

  signals:
    // The main window was closed: the program ends.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void buildMenu();
    void FormCreate();

    zarvik::AppContext& context_;
    const zarvik::Windows& windows_;

    QLabel* Panel1 = nullptr;
    QFrame* Bevel1 = nullptr;
    QPushButton* ButtonHakkinda = nullptr;
    QPushButton* Tikla = nullptr;
    QLabel* Panel2 = nullptr;
};
