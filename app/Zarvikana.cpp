#include "app/Zarvikana.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "activities/windows/Zarviketkinlik.h"
#include "column_worksheets/windows/Zarvikaltalta.h"
#include "column_worksheets/windows/Zarvikaltaltatamsayfa.h"
#include "common/windows/ErrorBox.h"
#include "common/windows/Look.h"
#include "common/core/Names.h"
#include "common/windows/WindowControls.h"
#include "fractions/windows/Zarvikkesir.h"
#include "numbers/windows/Zarviksayilar.h"
#include "text_worksheets/windows/Zarvikeski.h"

using zarvik::runGuarded;

namespace zarvik {

namespace {

QString twoDigits(int value) {
    // Below 10 the text gets a leading "0".
    return value < 10 ? QStringLiteral("0") + QString::number(value) : QString::number(value);
}

int approximateDayNumber(int year, int month, int day) {
    return 365 * year + 30 * month + day;
}

}  // namespace

QString releaseDateText() {
    return QStringLiteral("Yayın tarihi: ") + twoDigits(kReleaseDate.day) + QLatin1Char('/') +
           twoDigits(kReleaseDate.month) + QLatin1Char('/') + QString::number(kReleaseDate.year);
}

bool updateReminderDue(const QDate& today) {
    const int release =
        approximateDayNumber(kReleaseDate.year, kReleaseDate.month, kReleaseDate.day);
    return approximateDayNumber(today.year(), today.month(), today.day()) - release > 180;
}

QString updateReminderText() {
    return QStringLiteral(
               "Bu programı uzun zaman önce indirmişsiniz. \nDaha gelişmiş sürümünü edinmek "
               "için\n") +
           names::kPublisherSiteName.toString() +
           QStringLiteral(" sitesini ziyaret ederek\nyeni sürümü indirebilirsiniz.");
}

QString aboutText() {
    return QStringLiteral(
               " Program öğrencilere matematik alıştırması \nhazırlamak için yapılmıştır. \n") +
           QString(38, QLatin1Char(' ')) + names::kAuthorName.toString() + QStringLiteral(" \n") +
           QString(32, QLatin1Char(' ')) + names::kAuthorWebAddress.toString() + QLatin1Char(' ');
}

QString popularityText() {
    return QStringLiteral("Bu programın 100.000 küsur defa indirildiğini, \n") +
           names::kMagazineName.toString() +
           QStringLiteral(
               " dergisinde tanıtıldığını, \nDownload sitelerinde günlerce editörün seçimi "
               "\nolarak gösterildiğini biliyor musunuz?\n ") +
           names::kAuthorWebAddress.toString();
}

void showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, names::kApplicationTitle.toString(), text, QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace zarvik

namespace {

// Shows a window as it was left, or brings it to the front.
void showWindow(QWidget* window) {
    if (!window) return;
    if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

TFormZarvikAna::TFormZarvikAna(zarvik::AppContext& context, const zarvik::Windows& windows,
                               QWidget* parent)
    : QWidget(parent, zarvik::kFixedWindowFlags), context_(context), windows_(windows) {
    setObjectName(QStringLiteral("FormZarvikAna"));
    setWindowTitle(QStringLiteral("Zarvik 2.05"));
    setWindowIcon(zarvik::programIcon());
    setFont(zarvik::dialogFont());
    setFixedSize(217, 225);
    buildControls();
    zarvik::centreOnScreen(*this);
    FormCreate();
}

void TFormZarvikAna::buildControls() {
    Panel1 = zarvik::makeBannerPanel(this, "Panel1", {8, 8, 201, 25},
                                     zarvik::names::kPublisherSiteName.toString());

    const auto button = [this](const char* name, const QRect& geometry, const QString& caption,
                               void (TFormZarvikAna::*handler)()) {
        return zarvik::makeButton(this, name, geometry, caption, handler);
    };
    ButtonEski = button("ButtonEski", {8, 40, 97, 25}, QStringLiteral("Yan Yana!"),
                        &TFormZarvikAna::ButtonEskiClick);
    ButtonSayilar = button("ButtonSayilar", {112, 40, 97, 25}, QStringLiteral("Sayı Alıştırmaları"),
                           &TFormZarvikAna::ButtonSayilarClick);
    Button1Sinif = button("Button1Sinif", {8, 72, 97, 25}, QStringLiteral("Tam Sayfa"),
                          &TFormZarvikAna::Button1SinifClick);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(112, 72, 97, 89);
    // Inside the frame, which was empty, so that no other control moves.
    ButtonEtkinlik = button("ButtonEtkinlik", {116, 104, 89, 25}, QStringLiteral("Etkinlikler"),
                            &TFormZarvikAna::ButtonEtkinlikClick);

    ButtonKesir = button("ButtonKesir", {8, 104, 97, 25}, QStringLiteral("Kesirler"),
                         &TFormZarvikAna::ButtonKesirClick);
    ButtonYeni = button("ButtonYeni", {8, 136, 97, 25}, QStringLiteral("Yarım Sayfa"),
                        &TFormZarvikAna::ButtonYeniClick);
    ButtonHakkinda = button("ButtonHakkinda", {8, 168, 97, 25}, QStringLiteral("Hakkında"),
                            &TFormZarvikAna::ButtonHakkindaClick);
    Tikla =
        button("Tikla", {112, 168, 97, 25}, QStringLiteral("Tıkla!"), &TFormZarvikAna::TiklaClick);

    Panel2 = zarvik::makePanel(this, "Panel2", {8, 200, 201, 17});
    Panel2->setText(QStringLiteral("Son yayın tarihi: 10/05/2008"));

    QWidget* const order[] = {ButtonEski, ButtonYeni,   ButtonHakkinda, ButtonKesir,
                              Tikla,      Button1Sinif, ButtonSayilar,  ButtonEtkinlik};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void TFormZarvikAna::FormCreate() {
    runGuarded(this, [&] {
        Panel2->setText(zarvik::releaseDateText());
        // Restricts nothing; shown before the launcher appears.
        if (zarvik::updateReminderDue(context_.today()))
            zarvik::showMessage(nullptr, zarvik::updateReminderText());
    });
}

void TFormZarvikAna::ButtonEskiClick() {
    showWindow(windows_.eski);
}
void TFormZarvikAna::ButtonSayilarClick() {
    showWindow(windows_.sayilar);
}
void TFormZarvikAna::Button1SinifClick() {
    showWindow(windows_.altAltaTamSayfa);
}
void TFormZarvikAna::ButtonKesirClick() {
    showWindow(windows_.kesir);
}
void TFormZarvikAna::ButtonYeniClick() {
    showWindow(windows_.altAlta);
}
void TFormZarvikAna::ButtonEtkinlikClick() {
    showWindow(windows_.etkinlik);
}
void TFormZarvikAna::ButtonHakkindaClick() {
    runGuarded(this, [&] { zarvik::showMessage(this, zarvik::aboutText()); });
}
void TFormZarvikAna::TiklaClick() {
    runGuarded(this, [&] { zarvik::showMessage(this, zarvik::popularityText()); });
}

void TFormZarvikAna::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}
