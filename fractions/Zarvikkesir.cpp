#include "fractions/Zarvikkesir.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/Look.h"
#include "common/DateText.h"
#include "common/ErrorBox.h"
#include "common/Names.h"
#include "common/PagePrinting.h"
#include "common/WindowControls.h"
#include "fractions/FractionPage.h"

using namespace zarvik::fractions;

namespace {

QStringList textsOf(std::initializer_list<const char16_t*> texts) {
    QStringList list;
    for (const char16_t* text : texts)
        list << QString::fromUtf16(text);
    return list;
}

// Refills a drop-down list with nothing picked, as a cleared list shows.
void refill(QComboBox* box, const QStringList& items) {
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(-1);
}

}  // namespace

TFormZarvikKesir::TFormZarvikKesir(zarvik::AppContext& context, QWidget* parent)
    : QWidget(parent, zarvik::kFixedWindowFlags), context_(context), QuickRep1(makeFractionPage()) {
    setObjectName(QStringLiteral("FormZarvikKesir"));
    setWindowTitle(QStringLiteral("Zarvik Kesir"));
    setFixedSize(204, 231);
    clearTable(exercises_);
    buildControls();
    FormCreate();
}

TFormZarvikKesir::~TFormZarvikKesir() = default;

void TFormZarvikKesir::buildControls() {
    const auto label = [this](const char* name, int left, int top, const QString& caption) {
        zarvik::makeLabel(this, name, left, top, caption);
    };
    const auto list = [this](const char* name, const QRect& geometry) {
        return zarvik::makeList(this, name, geometry);
    };
    const auto edit = [this](const char* name, const QRect& geometry) {
        return zarvik::makeEdit(this, name, geometry);
    };
    const auto button = [this](const char* name, const QRect& geometry, const QString& caption,
                               void (TFormZarvikKesir::*handler)()) {
        return zarvik::makeButton(this, name, geometry, caption, handler);
    };

    Panel1 = zarvik::makePanel(this, "Panel1", {8, 8, 185, 25},
                               zarvik::names::kPublisherWebAddress.toString());
    Panel1->setFont(zarvik::bannerFont());

    label("Label1", 8, 56, QStringLiteral("İşlem :"));
    ComboBox1 = list("ComboBox1", {64, 48, 120, 21});
    refill(ComboBox1, textsOf({kOperationTexts[0], kOperationTexts[1], kOperationTexts[2],
                               kOperationTexts[3]}));
    label("Label2", 8, 80, QStringLiteral("Tam/Basit"));
    ComboBox2 = list("ComboBox2", {64, 72, 120, 21});
    label("Label3", 8, 104, QStringLiteral("Payda :"));
    ComboBox3 = list("ComboBox3", {64, 96, 121, 21});
    label("Label4", 8, 128, QStringLiteral("Öğrtm."));
    Edit1 = edit("Edit1", {64, 120, 121, 21});
    label("Label5", 8, 152, QStringLiteral("Tarih"));
    Edit2 = edit("Edit2", {64, 144, 121, 21});

    ButtonKesirHazirla =
        button("ButtonKesirHazirla", {8, 176, 70, 25}, QStringLiteral("Yeni Hazırla"),
               &TFormZarvikKesir::ButtonKesirHazirlaClick);
    ButtonKesirBak = button("ButtonKesirBak", {85, 176, 50, 25}, QStringLiteral("Bak"),
                            &TFormZarvikKesir::ButtonKesirBakClick);
    ButtonKesirYazdir = button("ButtonKesirYazdir", {144, 176, 50, 25}, QStringLiteral("Yazdır"),
                               &TFormZarvikKesir::ButtonKesirYazdirClick);
    ButtonKesirYazdir->setToolTip(QStringLiteral("Yazdırırken yarım kağıt kullanınız."));
    Panel2 = zarvik::makePanel(this, "Panel2", {8, 208, 185, 17},
                               QStringLiteral("Yapım tarihi: 08/04/2008"));

    // A pick, even of the item already shown, is what the handlers answer.
    connect(ComboBox1, &QComboBox::activated, this, &TFormZarvikKesir::ComboBox1Change);
    connect(ComboBox2, &QComboBox::activated, this, &TFormZarvikKesir::ComboBox2Change);
    connect(ComboBox3, &QComboBox::activated, this, &TFormZarvikKesir::ComboBox3Change);
}

void TFormZarvikKesir::showEvent(QShowEvent* event) {
    // Centred when first shown, once the window knows its screen and frame.
    if (!shownBefore_) {
        shownBefore_ = true;
        zarvik::centreOnScreen(*this);
    }
    QWidget::showEvent(event);
}

zarvik::PageOutput& TFormZarvikKesir::pageOutput() {
    if (context_.pageOutput) return *context_.pageOutput;
    if (!desktopOutput_) desktopOutput_ = std::make_unique<zarvik::DesktopPageOutput>();
    return *desktopOutput_;
}

void TFormZarvikKesir::FormCreate() {
    zarvik::runGuarded(this, [&] {
        // The one seeding of the run: start-up creates this window once,
        // before anything is drawn.
        context_.random.seedFromClock();
        ButtonKesirBak->setEnabled(false);
        ButtonKesirYazdir->setEnabled(false);
        ButtonKesirHazirla->setEnabled(false);
        ComboBox2->setEnabled(false);
        ComboBox3->setEnabled(false);
        Edit2->setText(zarvik::dateText(context_.today()));
    });
}

void TFormZarvikKesir::ComboBox1Change() {
    zarvik::runGuarded(this, [&] {
        ComboBox3->clear();
        refill(ComboBox2, textsOf({kTypeTexts[0], kTypeTexts[1]}));
        ButtonKesirBak->setEnabled(false);
        ButtonKesirYazdir->setEnabled(false);
        ButtonKesirHazirla->setEnabled(false);
        ComboBox2->setEnabled(true);
        ComboBox3->setEnabled(false);
    });
}

void TFormZarvikKesir::ComboBox2Change() {
    zarvik::runGuarded(this, [&] {
        ComboBox3->clear();
        const QString operation = ComboBox1->currentText();
        if (operation == QStringView(kOperationTexts[0]) ||
            operation == QStringView(kOperationTexts[1])) {
            refill(ComboBox3, textsOf({kRelationTexts[0], kRelationTexts[1], kRelationTexts[2]}));
            ButtonKesirBak->setEnabled(false);
            ButtonKesirYazdir->setEnabled(false);
            ButtonKesirHazirla->setEnabled(false);
            ComboBox3->setEnabled(true);
        } else {
            ButtonKesirHazirla->setEnabled(true);
            ButtonKesirBak->setEnabled(false);
            ButtonKesirYazdir->setEnabled(false);
            ComboBox3->setEnabled(false);
        }
    });
}

void TFormZarvikKesir::ComboBox3Change() {
    zarvik::runGuarded(this, [&] { ButtonKesirHazirla->setEnabled(true); });
}

void TFormZarvikKesir::ButtonKesirHazirlaClick() {
    zarvik::runGuarded(this, [&] {
        clearTable(exercises_);
        if (const auto kind = fractionKindFor(ComboBox1->currentText(), ComboBox2->currentText(),
                                              ComboBox3->currentText()))
            generateFractions(*kind, context_.random, exercises_);
        fillFractionPage(QuickRep1, exercises_);
        setFractionFooter(QuickRep1, Edit1->text(), Edit2->text());
        ButtonKesirBak->setEnabled(true);
        ButtonKesirYazdir->setEnabled(true);
    });
}

void TFormZarvikKesir::ButtonKesirBakClick() {
    zarvik::runGuarded(this, [&] { pageOutput().preview(this, QuickRep1); });
}

void TFormZarvikKesir::ButtonKesirYazdirClick() {
    zarvik::runGuarded(this, [&] { pageOutput().print(this, QuickRep1); });
}
