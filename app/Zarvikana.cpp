#include "app/Zarvikana.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/windows/ErrorBox.h"
#include "common/windows/FamilyWindows.h"
#include "common/windows/Look.h"
#include "common/core/Names.h"
#include "common/windows/WindowControls.h"
#include "common/windows/WindowScale.h"

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
    buildControls();
    zarvik::centreOnScreen(*this);
    FormCreate();
}

namespace {

constexpr QSize kLauncherSize{217, 225};
// The rows a family button without a place of its own goes into, below the
// original buttons: two a row, the release panel moving below them.
constexpr int kRowsTop = 200;
constexpr int kRowPitch = 32;

// The original buttons keep their tab order; a later family's follow.
const char* const kTabOrder[] = {"ButtonEski", "ButtonYeni",   "ButtonHakkinda", "ButtonKesir",
                                 "Tikla",      "Button1Sinif", "ButtonSayilar",  "ButtonEtkinlik"};

}  // namespace

void TFormZarvikAna::buildControls() {
    // The design's client area under the menu, so none of its controls moves.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    Panel1 = zarvik::makeBannerPanel(client, "Panel1", {8, 8, 201, 25},
                                     zarvik::names::kPublisherSiteName.toString());
    Bevel1 = new QFrame(client);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(112, 72, 97, 89);

    std::vector<QWidget*> buttons;
    int placed = 0;
    for (const zarvik::FamilyWindow& family : zarvik::familyWindows()) {
        QRect geometry = family.button.geometry;
        if (geometry.isEmpty()) {
            geometry = {placed % 2 == 0 ? 8 : 112, kRowsTop + kRowPitch * (placed / 2), 97, 25};
            ++placed;
        }
        auto* button = zarvik::makeButtonWidget(client, family.button.name, geometry,
                                                family.button.caption);
        const QString name = QString::fromLatin1(family.button.name);
        connect(button, &QPushButton::clicked, this, [this, name] { familyButtonClick(name); });
        buttons.push_back(button);
    }
    const int extraRows = (placed + 1) / 2;
    client->setFixedSize(kLauncherSize.width(), kLauncherSize.height() + kRowPitch * extraRows);

    ButtonHakkinda = zarvik::makeButtonWidget(client, "ButtonHakkinda", {8, 168, 97, 25},
                                              QStringLiteral("Hakkında"));
    connect(ButtonHakkinda, &QPushButton::clicked, this, &TFormZarvikAna::ButtonHakkindaClick);
    Tikla = zarvik::makeButtonWidget(client, "Tikla", {112, 168, 97, 25}, QStringLiteral("Tıkla!"));
    connect(Tikla, &QPushButton::clicked, this, &TFormZarvikAna::TiklaClick);

    Panel2 = zarvik::makePanel(client, "Panel2", {8, 200 + kRowPitch * extraRows, 201, 17});
    Panel2->setText(QStringLiteral("Son yayın tarihi: 10/05/2008"));

    std::vector<QWidget*> order;
    for (const char* name : kTabOrder)
        if (auto* control = findChild<QWidget*>(QString::fromLatin1(name))) order.push_back(control);
    for (QWidget* button : buttons)
        if (std::find(order.begin(), order.end(), button) == order.end()) order.push_back(button);
    for (size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(client);
    buildMenu();
}

// "Görünüm": the program's own scale, for a board whose desktop does not
// scale its windows. Kept for the run.
void TFormZarvikAna::buildMenu() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setNativeMenuBar(false);
    layout()->setMenuBar(bar);
    // Fixed from the start, as the design's windows are, not only once shown.
    layout()->activate();
    QMenu* view = bar->addMenu(QStringLiteral("&Görünüm"));
    view->setObjectName(QStringLiteral("MenuGorunum"));
    view->addSection(QStringLiteral("Pencerelerin büyüklüğü"));
    auto* group = new QActionGroup(view);
    const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    for (const double factor : zarvik::programScales()) {
        // Turkish writes the sign first: "%150".
        QAction* action = view->addAction(QStringLiteral("%") + turkish.toString(factor * 100, 'g', 4));
        action->setObjectName(QStringLiteral("Olcek%1").arg(std::lround(factor * 100)));
        action->setCheckable(true);
        action->setChecked(factor == zarvik::programScale());
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, factor] { scaleClick(factor); });
    }
}

void TFormZarvikAna::scaleClick(double factor) {
    runGuarded(this, [&] {
        std::vector<QWidget*> all{this};
        for (const auto& [button, window] : windows_.families)
            all.push_back(window);
        zarvik::setProgramScale(factor, all);
        zarvik::centreOnScreen(*this);
    });
}

void TFormZarvikAna::FormCreate() {
    runGuarded(this, [&] {
        Panel2->setText(zarvik::releaseDateText());
        // Restricts nothing; shown before the launcher appears.
        if (zarvik::updateReminderDue(context_.today()))
            zarvik::showMessage(nullptr, zarvik::updateReminderText());
    });
}

void TFormZarvikAna::familyButtonClick(const QString& buttonName) {
    showWindow(windows_.ofButton(buttonName));
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
