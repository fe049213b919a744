#include "common/windows/PrintedWorksheetWindow.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/windows/ClassSetDialog.h"
#include "common/render/ClassSetPages.h"
#include "common/core/DateText.h"
#include "common/windows/Look.h"
#include "common/core/Names.h"
#include "common/windows/PagePrinting.h"
#include "common/windows/WindowControls.h"

namespace zarvik {

PrintedWorksheetWindow::PrintedWorksheetWindow(AppContext& context,
                                               const PrintedWindowDesign& design, QWidget* parent)
    : QWidget(parent, kFixedWindowFlags), context_(context), design_(design) {
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
    Edit2->setText(zarvik::dateText(context_.today()));
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
constexpr int kClassSetRow = 31;  // the button and the gap below it
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
}

bool PrintedWorksheetWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ButtonHazirla && event->type() == QEvent::EnabledChange && ButtonSinifSeti)
        ButtonSinifSeti->setEnabled(ButtonHazirla->isEnabled());
    return QWidget::eventFilter(watched, event);
}

ClassSetDialog& PrintedWorksheetWindow::openClassSetDialog() {
    if (!classSetDialog_) {
        classSetDialog_ = new ClassSetDialog(this, halfPageSheets());
        classSetDialog_->prepare = [this](const ClassSetChoice& choice) {
            return prepareClassSet(choice);
        };
        classSetDialog_->look = [this] {
            runGuarded(this, [&] { pageOutput().previewPages(this, classSetPages_); });
        };
        classSetDialog_->print = [this] {
            runGuarded(this, [&] { pageOutput().printPages(this, classSetPages_); });
        };
    }
    classSetDialog_->open();
    return *classSetDialog_;
}

bool PrintedWorksheetWindow::prepareClassSet(const ClassSetChoice& choice) {
    bool made = false;
    runGuarded(this, [&] {
        std::vector<Page> pages;
        std::unique_ptr<SheetSource> source = makeSheetSource();
        makeClassSet(*source, context_.random, choice,
                     [&pages](const Page& page) { pages.push_back(page); });
        classSetPages_ = std::move(pages);
        // The window holds the set's last sheet, as after as many presses
        // of "Yeni Hazırla".
        setPageButtonsEnabled(true);
        made = true;
    });
    return made;
}

PrintedWorksheetWindow::~PrintedWorksheetWindow() = default;

void PrintedWorksheetWindow::showEvent(QShowEvent* event) {
    // Centred when first shown, once the window knows its screen and frame.
    if (!shownBefore_) {
        shownBefore_ = true;
        centreOnScreen(*this);
    }
    QWidget::showEvent(event);
}

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

PageOutput& PrintedWorksheetWindow::pageOutput() {
    if (context_.pageOutput) return *context_.pageOutput;
    if (!desktopOutput_) desktopOutput_ = std::make_unique<DesktopPageOutput>();
    return *desktopOutput_;
}

QString PrintedWorksheetWindow::teacherName() const {
    return Edit1->text();
}

QString PrintedWorksheetWindow::dateText() const {
    return Edit2->text();
}

}  // namespace zarvik
