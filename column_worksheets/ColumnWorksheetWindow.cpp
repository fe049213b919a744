#include "column_worksheets/ColumnWorksheetWindow.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "column_worksheets/ColumnGenerators.h"
#include "column_worksheets/DialogQuestions.h"
#include "common/DateText.h"
#include "common/ErrorBox.h"
#include "common/Names.h"
#include "common/PagePrinting.h"
#include "common/WindowControls.h"

using namespace zarvik;

ColumnWorksheetWindow::ColumnWorksheetWindow(AppContext& context, const ColumnWindowDesign& design,
                                             QWidget* parent)
    : QWidget(parent, zarvik::kFixedWindowFlags),
      context_(context),
      design_(design),
      sheet_(design),
      dialogQuestions_(std::make_unique<DialogQuestions>(this)),
      questions_(dialogQuestions_.get()) {
    setObjectName(design.objectName.toString());
    setWindowTitle(design.caption.toString());
    setFixedSize(design.clientWidth, design.clientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    buildControls();
    FormCreate();
}

ColumnWorksheetWindow::~ColumnWorksheetWindow() = default;

void ColumnWorksheetWindow::setQuestions(Questions* questions) {
    questions_ = questions ? questions : dialogQuestions_.get();
}

void ColumnWorksheetWindow::buildControls() {
    const auto label = [this](const char* name, int left, int top, const QString& caption) {
        makeLabel(this, name, left, top, caption);
    };
    const auto list = [this](const char* name, const QRect& geometry) {
        return makeList(this, name, geometry);
    };
    const auto edit = [this](const char* name, const QRect& geometry) {
        return makeEdit(this, name, geometry);
    };
    const auto button = [this](const char* name, const QRect& geometry, const QString& caption,
                               void (ColumnWorksheetWindow::*handler)()) {
        return makeButton(this, name, geometry, caption, handler);
    };

    Panel1 =
        makeBannerPanel(this, "Panel1", {8, 8, 185, 25}, names::kPublisherWebAddress.toString());

    label("Label1", 8, 56, QStringLiteral("İşlem :"));
    ComboBox1 = list("ComboBox1", {48, 48, 145, 21});
    ComboBox1->addItems(columnOperations());
    ComboBox1->setCurrentIndex(-1);
    label("Label2", 8, 80, QStringLiteral("Özellik :"));
    ComboBox2 = list("ComboBox2", {48, 72, 145, 21});
    label("Label3", 8, 104, QStringLiteral("Öğrtm."));
    Edit1 = edit("Edit1", {48, 96, 145, 21});
    label("Label4", 8, 128, QStringLiteral("Tarih"));
    Edit2 = edit("Edit2", {48, 120, 145, 21});
    ButtonHazirla = button("ButtonHazirla", {8, 152, 70, 25}, QStringLiteral("Yeni Hazırla"),
                           &ColumnWorksheetWindow::ButtonHazirlaClick);
    ButtonBak = button("ButtonBak", {85, 152, 50, 25}, QStringLiteral("Bak"),
                       &ColumnWorksheetWindow::ButtonBakClick);
    ButtonYazdir = button("ButtonYazdir", {144, 152, 50, 25}, QStringLiteral("Yazdır"),
                          &ColumnWorksheetWindow::ButtonYazdirClick);
    Panel2 = makePanel(this, "Panel2", {8, 184, 185, 17}, design_.releaseText.toString());

    // A pick, even of the item already shown, is what the handlers answer;
    // clearing a list from code is not.
    connect(ComboBox1, &QComboBox::activated, this, &ColumnWorksheetWindow::ComboBox1Change);
    connect(ComboBox2, &QComboBox::activated, this, &ColumnWorksheetWindow::ComboBox2Change);

    QWidget* const order[] = {ComboBox1,    ComboBox2, ButtonHazirla, ButtonBak,
                              ButtonYazdir, Edit1,     Edit2};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

PageOutput& ColumnWorksheetWindow::pageOutput() {
    if (context_.pageOutput) return *context_.pageOutput;
    if (!desktopOutput_) desktopOutput_ = std::make_unique<DesktopPageOutput>();
    return *desktopOutput_;
}

void ColumnWorksheetWindow::FormCreate() {
    // The pages are never part of the window: they exist only as page designs.
    runGuarded(this, [&] {
        ButtonBak->setEnabled(false);
        ButtonYazdir->setEnabled(false);
        ButtonHazirla->setEnabled(false);
        Edit2->setText(dateText(context_.today()));
    });
}

void ColumnWorksheetWindow::ComboBox1Change() {
    runGuarded(this, [&] {
        ComboBox2->clear();
        ComboBox2->addItems(columnProperties(ComboBox1->currentText()));
        ComboBox2->setCurrentIndex(-1);
        ButtonBak->setEnabled(false);
        ButtonYazdir->setEnabled(false);
        ButtonHazirla->setEnabled(false);
    });
}

void ColumnWorksheetWindow::ComboBox2Change() {
    runGuarded(this, [&] { ButtonHazirla->setEnabled(true); });
}

void ColumnWorksheetWindow::ButtonHazirlaClick() {
    runGuarded(this, [&] {
        // A stopped generator skips the rest: buttons and footer labels stay.
        sheet_.prepare(ComboBox1->currentText(), ComboBox2->currentText(), Edit1->text(),
                       Edit2->text(), *questions_, context_.random);
        ButtonBak->setEnabled(true);
        ButtonYazdir->setEnabled(true);
    });
}

void ColumnWorksheetWindow::ButtonBakClick() {
    runGuarded(this, [&] {
        pageOutput().preview(this, sheet_.transferForOperation(ComboBox1->currentText()));
    });
}

void ColumnWorksheetWindow::ButtonYazdirClick() {
    runGuarded(this, [&] {
        pageOutput().print(this, sheet_.transferForOperation(ComboBox1->currentText()));
    });
}
