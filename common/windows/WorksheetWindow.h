#pragma once
// What every worksheet window has, the text window and the printed-worksheet
// windows alike: the page output (preview and printer), centring when first
// shown, "Sınıf seti…": its dialog, and the set drawn from the window's
// sheet source through the one sheet loop that zarvik-cli runs too; and
// "Tahtada Göster": the sheet the window holds, on the classroom board.

#include <QRect>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

#include "common/core/SheetSet.h"
#include "common/render/HtmlSheet.h"
#include "common/windows/AppContext.h"

class QPushButton;

namespace zarvik {

class BoardWindow;
class ClassSetDialog;
class DesktopPageOutput;

class WorksheetWindow : public QWidget {
    Q_OBJECT
  public:
    WorksheetWindow(AppContext& context, QWidget* parent, Qt::WindowFlags flags);
    ~WorksheetWindow() override;

    // The pages of the last class set (sheets, then the key).
    const std::vector<Page>& classSetPages() const { return classSetPages_; }
    // Writes the last class set as web pages into the folder, one a sheet
    // (HtmlSheetFolder). Throws as the writing does.
    void saveClassSetHtml(const QString& folder);
    // Opens "Sınıf seti…" (window-modal, returns at once).
    ClassSetDialog& openClassSetDialog();
    // "Tahtada Göster": the held sheet's exercises, full screen on this
    // window's screen. nullptr, after saying why, when it holds none.
    BoardWindow* showOnBoard();

  protected:
    void showEvent(QShowEvent* event) override;

    // The window's sheets for a class set, prepared from what its controls
    // hold now, exactly as its prepare button prepares them.
    virtual std::unique_ptr<SheetSource> makeSheetSource() = 0;
    // Half-page sheets, which can go two to an A4 page.
    virtual bool halfPageSheets() const { return false; }
    // "Hazırla" of the dialog: the set drawn and its pages kept. Returns
    // whether the set was made; an error leaves the last set as it was.
    virtual bool prepareClassSet(const ClassSetChoice& choice);
    // After a set was made: the window holds its last sheet.
    virtual void classSetMade() {}
    // Why a set has no pages to show (too many exercises); empty: it has.
    virtual QString missingPagesReason() const { return {}; }
    // The sheet the window shows, for "HTML olarak kaydet" in its preview.
    // The sheet sources read the window's worksheet, so a source not yet
    // drawn from gives the sheet shown; a window whose source keeps its own
    // sheet says so itself.
    virtual HtmlSheet shownSheet();
    // The exercises of the sheet the window holds now, in page order, as
    // "Bak" shows them; empty before the first preparation. The board shows
    // these, so it never draws a sheet of its own.
    virtual ExerciseList currentExercises() const { return {}; }
    // "Tahtada Göster" on parent, enabled whenever follow (the window's
    // "Bak") is.
    QPushButton* addBoardButton(QWidget* parent, const QRect& geometry, QWidget* follow);

    // Draws the set from source into writer (may be null) and, with
    // keepPages, into the pages "Bak" and "Yazdır" show. Throws as the
    // preparation does, leaving the last set as it was.
    void runClassSet(SheetSource& source, const ClassSetChoice& choice, SheetWriter* writer,
                     bool keepPages, const std::function<void(int k)>& sheetDone = {});

    // The preview and the printer (or what tests put in their place).
    PageOutput& pageOutput();

    // What the window's sheet is called, for its files and print jobs:
    // {"Bölme", "A5"} gives Bolme-A5.pdf and the job "Bolme-A5".
    virtual QStringList sheetNameParts() const { return {}; }
    // "Bak" and "Yazdır": the sheet's pages named after it, previewed, or
    // printed as one job of that many copies, after which the window says
    // which printer got how many pages.
    void previewSheet(std::vector<Page> pages);
    void printSheet(std::vector<Page> pages, int copies = 1);
    void nameSheetPages(std::vector<Page>& pages, bool classSet = false) const;
    // "… yazıcısına 2 sayfa gönderildi." in a short message that does not wait.
    void tellPrinted(const PrintedJob& job);
    AppContext& context() { return context_; }

  private:
    AppContext& context_;
    std::vector<Page> classSetPages_;
    // The last set's sheets and key lines, for its web pages.
    struct KeptSheet {
        HtmlSheet sheet;
        QStringList keyLines;
    };
    std::vector<KeptSheet> classSetSheets_;
    ClassSetChoice classSetChoice_;
    ClassSetDialog* classSetDialog_ = nullptr;
    BoardWindow* board_ = nullptr;
    std::unique_ptr<PageOutput> desktopOutput_;
    bool shownBefore_ = false;
};

}  // namespace zarvik
