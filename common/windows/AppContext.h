#pragma once
// What every window is handed at start-up: the one random-draw state of the
// process, today's date (tests set it) and the way pages are previewed and
// printed (tests count prints without a printer).

#include <QDate>
#include <QString>
#include <functional>
#include <vector>

#include "common/core/Page.h"
#include "common/core/RandomDraw.h"

class QWidget;

namespace zarvik {

// What a print job was: the printer that took it, the pages of one copy and
// the copies.
struct PrintedJob {
    QString printer;  // empty where the output does not know it
    int pages = 0;
    int copies = 1;
};

class PageOutput {
  public:
    virtual ~PageOutput() = default;
    // Shows the page in a modal preview; returns when the user closes it.
    virtual void preview(QWidget* parent, const Page& page) = 0;
    // Sends one copy to the default printer without a dialog. Throws Error
    // with a Turkish message when there is no printer or printing fails.
    virtual void print(QWidget* parent, const Page& page) = 0;
    // A class set: every page in one preview, and one print job of them all.
    // The defaults hand a single page to the calls above.
    virtual void previewPages(QWidget* parent, const std::vector<Page>& pages);
    virtual void printPages(QWidget* parent, const std::vector<Page>& pages);
    // One job of the pages in that many copies. The default hands each copy
    // to printPages; the desktop's printer gets one job with a copy count.
    virtual PrintedJob printJob(QWidget* parent, const std::vector<Page>& pages, int copies);

    // Writes the previewed sheet as a web page to the path, for the
    // preview's "HTML olarak kaydet"; unset where the preview shows no single
    // sheet (a class set). Throws as the writing does.
    std::function<void(const QString& path)> saveSheetHtml;
};

inline void PageOutput::previewPages(QWidget* parent, const std::vector<Page>& pages) {
    for (const Page& page : pages)
        preview(parent, page);
}

inline void PageOutput::printPages(QWidget* parent, const std::vector<Page>& pages) {
    for (const Page& page : pages)
        print(parent, page);
}

inline PrintedJob PageOutput::printJob(QWidget* parent, const std::vector<Page>& pages,
                                       int copies) {
    for (int copy = 1; copy <= copies; ++copy)
        printPages(parent, pages);
    return {QString(), static_cast<int>(pages.size()), copies};
}

struct AppContext {
    RandomDraw& random;
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    // nullptr: the real preview dialog and the default printer.
    PageOutput* pageOutput = nullptr;
    // The class list typed, pasted or read in a "Sınıf seti…" dialog, one
    // name a line: kept for the whole run, every window's dialog starts with it.
    QString classList{};
};

}  // namespace zarvik
