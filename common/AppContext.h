#pragma once
// What every window is handed at start-up: the one random-draw state of the
// process, today's date (tests set it) and the way pages are previewed and
// printed (tests count prints without a printer).

#include <QDate>
#include <functional>

#include "common/Page.h"
#include "common/RandomDraw.h"

class QWidget;

namespace zarvik {

class PageOutput {
  public:
    virtual ~PageOutput() = default;
    // Shows the page in a modal preview; returns when the user closes it.
    virtual void preview(QWidget* parent, const Page& page) = 0;
    // Sends one copy to the default printer without a dialog. Throws Error
    // with a Turkish message when there is no printer or printing fails.
    virtual void print(QWidget* parent, const Page& page) = 0;
};

struct AppContext {
    RandomDraw& random;
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    // nullptr: the real preview dialog and the default printer.
    PageOutput* pageOutput = nullptr;
};

}  // namespace zarvik
