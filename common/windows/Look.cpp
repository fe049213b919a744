#include "common/windows/Look.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>
#include <QWidget>

// The icons are compiled into the static window library; a static library's
// resources must be registered by hand, outside any namespace.
static void registerIcons() {
    Q_INIT_RESOURCE(icons);
}

namespace zarvik {

namespace {

constexpr auto kDialogFamily = "Liberation Sans";
// Andika, as on the printed pages: Comic Neue lacks ğ, Ğ and İ.
constexpr auto kBannerFamily = "Andika";

}  // namespace

QFont dialogFont() {
    QFont font(QString::fromLatin1(kDialogFamily));
    // Pixels, not points: the windows are fixed in pixels whatever the screen's DPI.
    font.setPixelSize(10);
    return font;
}

QFont bannerFont() {
    QFont font(QString::fromLatin1(kBannerFamily));
    font.setPixelSize(16);
    return font;
}

void installLook(QApplication& application) {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QString::fromLatin1(kDialogFamily));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QString::fromLatin1(kBannerFamily));
    QApplication::setFont(dialogFont());
    QApplication::setApplicationName(QStringLiteral("zarvik"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.zarvik"));
    application.setWindowIcon(programIcon());
    // Qt's own buttons and boxes in Turkish ("Tamam", "İptal", "Evet", "Hayır").
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Turkish, QLocale::Turkey), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

QIcon programIcon() {
    static const bool registered = (registerIcons(), true);
    (void)registered;
    return QIcon(QStringLiteral(":/icons/zarvik.svg"));
}

QIcon textWindowIcon() {
    programIcon();
    return QIcon(QStringLiteral(":/icons/zarvikeski.svg"));
}

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace zarvik
