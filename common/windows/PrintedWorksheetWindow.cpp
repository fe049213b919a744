#include "common/windows/PrintedWorksheetWindow.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/core/DateText.h"
#include "common/windows/Look.h"
#include "common/core/Names.h"
#include "common/windows/WindowControls.h"

namespace zarvik {

PrintedWorksheetWindow::PrintedWorksheetWindow(AppContext& context,
                                               const PrintedWindowDesign& design, QWidget* parent)
    : WorksheetWindow(context, parent, kFixedWindowFlags), design_(design) {
    setObjectName(design.objectName);
    setWindowTitle(design.caption);
    setFixedSize(design.clientSize);

    const QString address = names::kPublisherWebAddress.toString();
    if (design.blueBanner) {
        Panel1 = makeBannerPanel(this, "Panel1", design.banner, address);
    } else {
        Panel1 = makePanel(this, "Panel1", design.banner, address);
        Panel1->setFont(bannerFont());
    }
}

void PrintedWorksheetWindow::addTeacherAndDate() {
    const PrintedWindowDesign& design = design_;
    makeLabel(this, design.teacherLabel.name, design.teacherLabel.left, design.teacherLabel.top,
              design.teacherLabel.caption);
    Edit1 = makeEdit(this, "Edit1", design.teacherEdit);
    makeLabel(this, design.dateLabel.name, design.dateLabel.left, design.dateLabel.top,
              design.dateLabel.caption);
    Edit2 = makeEdit(this, "Edit2", design.dateEdit);
    Edit2->setText(zarvik::dateText(context().today()));
}

void PrintedWorksheetWindow::addButtonRow() {
    const PrintedWindowDesign& design = design_;
    ButtonHazirla = makeButtonWidget(this, design.prepare.name, design.prepare.geometry,
                                     QStringLiteral("Yeni Hazırla"));
    ButtonBak =
        makeButtonWidget(this, design.look.name, design.look.geometry, QStringLiteral("Bak"));
    ButtonYazdir =
        makeButtonWidget(this, design.print.name, design.print.geometry, QStringLiteral("Yazdır"));
    Panel2 = makePanel(this, "Panel2", design.releasePanel, design.releaseText);
    connect(ButtonHazirla, &QPushButton::clicked, this, [this] { ButtonHazirlaClick(); });
    connect(ButtonBak, &QPushButton::clicked, this, [this] { ButtonBakClick(); });
    connect(ButtonYazdir, &QPushButton::clicked, this, [this] { ButtonYazdirClick(); });
    // Every printed worksheet starts with nothing to prepare.
    setAllButtonsEnabled(false);
}

namespace {
constexpr int kClassSetRow = 31;  // a button and the gap below it
}

void PrintedWorksheetWindow::addClassSetButton() {
    const QSize size = design_.clientSize;
    setFixedSize(size.width(), size.height() + kClassSetRow);
    const QRect panel = design_.releasePanel;
    ButtonSinifSeti =
        makeButtonWidget(this, "ButtonSinifSeti", {panel.left(), size.height(), panel.width(), 25},
                         QStringLiteral("Sınıf seti…"));
    ButtonSinifSeti->setToolTip(
        QStringLiteral("Her öğrenciye ayrı bir sayfa, istenirse cevap anahtarıyla"));
    ButtonSinifSeti->setEnabled(ButtonHazirla->isEnabled());
    ButtonHazirla->installEventFilter(this);
    connect(ButtonSinifSeti, &QPushButton::clicked, this, [this] { openClassSetDialog(); });
    // "Tahtada Göster" in a row of its own below: the sheet that "Bak" shows.
    setFixedSize(size.width(), size.height() + 2 * kClassSetRow);
    ButtonTahta = addBoardButton(
        this, {panel.left(), size.height() + kClassSetRow, panel.width(), 25}, ButtonBak);
}

bool PrintedWorksheetWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ButtonHazirla && event->type() == QEvent::EnabledChange && ButtonSinifSeti)
        ButtonSinifSeti->setEnabled(ButtonHazirla->isEnabled());
    return QWidget::eventFilter(watched, event);
}

PrintedWorksheetWindow::~PrintedWorksheetWindow() = default;

void PrintedWorksheetWindow::setPageButtonsEnabled(bool enabled) {
    ButtonBak->setEnabled(enabled);
    ButtonYazdir->setEnabled(enabled);
}

void PrintedWorksheetWindow::setTabOrders(std::initializer_list<QWidget*> order) {
    const QWidget* previous = nullptr;
    for (QWidget* control : order) {
        if (previous) setTabOrder(const_cast<QWidget*>(previous), control);
        previous = control;
    }
}

void PrintedWorksheetWindow::setAllButtonsEnabled(bool enabled) {
    setPageButtonsEnabled(enabled);
    ButtonHazirla->setEnabled(enabled);
}

QString PrintedWorksheetWindow::teacherName() const {
    return Edit1->text();
}

QString PrintedWorksheetWindow::dateText() const {
    return Edit2->text();
}

}  // namespace zarvik
