#include "app/Startup.h"

#include <QApplication>
#include <QLocale>

#include "activities/windows/Zarviketkinlik.h"
#include "app/Zarvikana.h"
#include "column_worksheets/windows/Zarvikaltalta.h"
#include "column_worksheets/windows/Zarvikaltaltatamsayfa.h"
#include "common/windows/ErrorBox.h"
#include "common/windows/Look.h"
#include "fractions/windows/Zarvikkesir.h"
#include "numbers/windows/Zarviksayilar.h"
#include "text_worksheets/windows/Zarvikeski.h"

namespace zarvik {

namespace {

template <typename Window, typename... Arguments>
Window* create(std::vector<std::unique_ptr<QWidget>>& owned,
               const std::function<void(QWidget*)>& created, Arguments&&... arguments) {
    auto window = std::make_unique<Window>(std::forward<Arguments>(arguments)...);
    Window* raw = window.get();
    owned.push_back(std::move(window));
    if (created) created(raw);
    return raw;
}

// Every handler runs inside notify, so an error that a handler did not show
// itself still ends in the error box and the program carries on.
class ZarvikApplication : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        bool handled = false;
        runGuarded(activeWindow(), [&] { handled = QApplication::notify(receiver, event); });
        return handled;
    }
};

}  // namespace

StartedWindows::StartedWindows(AppContext& context, const std::function<void(QWidget*)>& created) {
    windows_.ana = create<TFormZarvikAna>(owned_, created, context, windows_);
    windows_.sayilar = create<TFormZarvikSayilar>(owned_, created, context);
    windows_.kesir = create<TFormZarvikKesir>(owned_, created, context);
    windows_.altAlta = create<TFormZarvikAltAlta>(owned_, created, context);
    windows_.altAltaTamSayfa = create<TFormZarvikAltAltaTamSayfa>(owned_, created, context);
    windows_.eski = create<TFormZarvikEski>(owned_, created, context);
    windows_.etkinlik = create<TFormZarvikEtkinlik>(owned_, created, context);
}

StartedWindows::~StartedWindows() {
    // The launcher last, as it was created first.
    while (!owned_.empty())
        owned_.pop_back();
}

int runProgram(int argc, char** argv) {
    ZarvikApplication application(argc, argv);
    installLook(application);
    // Dates and numbers in Qt's dialogs read as in Turkey ("9 Ara"), whatever LANG says.
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    // Only the launcher's closing ends the run; the other windows just hide.
    QApplication::setQuitOnLastWindowClosed(false);
    try {
        RandomDraw random;
        AppContext context{random};
        StartedWindows started(context);
        QObject::connect(started.windows().ana, &TFormZarvikAna::closed, &application,
                         &QApplication::quit);
        started.windows().ana->show();
        QApplication::exec();
    } catch (const std::exception& e) {
        showErrorBox(nullptr, QString::fromUtf8(e.what()));
    } catch (...) {
        showErrorBox(nullptr, QString());
    }
    return 0;
}

}  // namespace zarvik
