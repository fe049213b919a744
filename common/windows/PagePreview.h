#pragma once
// The print preview: the pages one below the other, each painted at the
// screen's resolution only when it comes into view and kept while memory
// allows, so that a sheet of 25 pages or a class set of a thousand opens and
// scrolls at once. Its toolbar: the file actions first (a narrow window never
// hides them), "Yazdır", zoom, fitting, the pages one by one, "Kapat".
//
// The preview's paper is the first page's; a page of another size (an A4 key
// after half-page sheets) is shown scaled to it.

#include <QDialog>
#include <functional>
#include <vector>

#include "common/core/Page.h"

class QAction;
class QActionGroup;
class QLabel;
class QToolBar;

namespace zarvik {

class PagePreviewView;

class PagePreviewDialog : public QDialog {
    Q_OBJECT
  public:
    enum class Zoom { FitWidth, FitPage, Custom };

    // The pages must outlive the dialog.
    explicit PagePreviewDialog(const std::vector<Page>& pages, QWidget* parent = nullptr);
    ~PagePreviewDialog() override;

    // Adds an action after the file actions added before it, ahead of
    // "Yazdır": one call for each way of saving the sheet.
    QAction* addFileAction(const QString& text, const QString& toolTip, const char* objectName,
                           std::function<void()> triggered);
    // Called by "Yazdır"; without it the action is hidden.
    void setPrint(std::function<void()> print);

    // Most of the screen, the page as wide as the window allows.
    void openLarge();

    int pageCount() const;
    int currentPage() const;  // from 0
    void goToPage(int index);
    Zoom zoomMode() const;
    double zoomPercent() const;
    // Pages painted so far (a page painted again after a zoom counts again).
    int paintedPages() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showPosition();

    PagePreviewView* view_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QAction* fileEnd_ = nullptr;  // the separator after the file actions
    QAction* print_ = nullptr;
    QAction* fitWidth_ = nullptr;
    QAction* fitPage_ = nullptr;
    QAction* previous_ = nullptr;
    QAction* next_ = nullptr;
    QLabel* position_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
    std::function<void()> printCall_;
};

}  // namespace zarvik
