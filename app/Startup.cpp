#include "app/Startup.h"

#include <QApplication>
#include <QLocale>

#include "app/Zarvikana.h"
#include "common/windows/ErrorBox.h"
#include "common/windows/FamilyWindows.h"
#include "common/windows/Look.h"

namespace zarvik {

namespace {

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
    auto launcher = std::make_unique<TFormZarvikAna>(context, windows_);
    windows_.ana = launcher.get();
    owned_.push_back(std::move(launcher));
    if (created) created(windows_.ana);
    for (const FamilyWindow& family : familyWindows()) {
        owned_.emplace_back(family.create(context));
        QWidget* window = owned_.back().get();
        windows_.families.emplace_back(QString::fromLatin1(family.button.name), window);
        if (created) created(window);
    }
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
