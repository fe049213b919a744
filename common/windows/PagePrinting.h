#pragma once
// The windows' real page output: a modal print preview that can also save
// the sheet as PDF (a teacher without a printer still gets the sheet) or as a
// web page that checks its answers on a phone, and printing on the default
// printer at once, without a dialog. The preview shows the pages as they
// print: it has no orientation or page setup of its own. Jobs, and the file a
// print dialog proposes, are named after the sheet (Page::suggestedFileName).

#include <QString>
#include <functional>
#include <vector>

#include "common/windows/AppContext.h"

class QWidget;

namespace zarvik {

class DesktopPageOutput : public PageOutput {
  public:
    // Shows the page in the preview (PagePreview.h), whose toolbar saves it
    // as PDF and prints it; returns when the dialog is closed.
    void preview(QWidget* parent, const Page& page) override;

    // Hands one copy to the default printer's queue. Throws Error with a
    // Turkish message when there is no default printer or the printing
    // system refuses the job.
    void print(QWidget* parent, const Page& page) override;

    // The same for a class set: one preview of every page, one print job.
    void previewPages(QWidget* parent, const std::vector<Page>& pages) override;
    void printPages(QWidget* parent, const std::vector<Page>& pages) override;
    PrintedJob printJob(QWidget* parent, const std::vector<Page>& pages, int copies) override;

    // Asks where to save the PDF; an empty answer cancels. Tests replace it.
    std::function<QString(QWidget* parent)> askPdfPath;
    // The same for the web page of "HTML olarak kaydet".
    std::function<QString(QWidget* parent)> askHtmlPath;

    // The object names of the preview's save-as-PDF and save-as-HTML actions.
    static constexpr const char* kSavePdfActionName = "SavePdfAction";
    static constexpr const char* kSaveHtmlActionName = "SaveHtmlAction";
};

// The print job's title: the sheet's suggested file name without ".pdf".
QString printJobTitle(const std::vector<Page>& pages);

// The saved PDF of the preview: writes the page and reports a failure in the
// standard error box. A path without a suffix gets ".pdf".
void savePageAsPdf(QWidget* parent, const Page& page, QString path);
void savePagesAsPdf(QWidget* parent, const std::vector<Page>& pages, QString path);

}  // namespace zarvik
