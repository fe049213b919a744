#include "fractions/windows/Zarvikkesir.h"

#include <QComboBox>
#include <QPushButton>

#include "common/core/FileNames.h"
#include "common/windows/WindowControls.h"
#include "fractions/core/FractionAnswers.h"
#include "fractions/core/FractionSheetSource.h"

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

const zarvik::PrintedWindowDesign kDesign{
    .objectName = QStringLiteral("FormZarvikKesir"),
    .caption = QStringLiteral("Zarvik Kesir"),
    .clientSize = {204, 231},
    .banner = {8, 8, 185, 25},
    .blueBanner = false,
    .teacherLabel = {"Label4", 8, 128, QStringLiteral("Öğrtm.")},
    .teacherEdit = {64, 120, 121, 21},
    .dateLabel = {"Label5", 8, 152, QStringLiteral("Tarih")},
    .dateEdit = {64, 144, 121, 21},
    .prepare = {"ButtonKesirHazirla", {8, 176, 70, 25}},
    .look = {"ButtonKesirBak", {85, 176, 50, 25}},
    .print = {"ButtonKesirYazdir", {144, 176, 50, 25}},
    .releasePanel = {8, 208, 185, 17},
    .releaseText = QStringLiteral("Yapım tarihi: 08/04/2008")};

}  // namespace

TFormZarvikKesir::TFormZarvikKesir(zarvik::AppContext& context, QWidget* parent)
    : PrintedWorksheetWindow(context, kDesign, parent) {
    buildControls();
    FormCreate();
}

TFormZarvikKesir::~TFormZarvikKesir() = default;

void TFormZarvikKesir::buildControls() {
    zarvik::makeLabel(this, "Label1", 8, 56, QStringLiteral("İşlem :"));
    ComboBox1 = zarvik::makeList(this, "ComboBox1", {64, 48, 120, 21});
    refill(ComboBox1, textsOf({kOperationTexts[0], kOperationTexts[1], kOperationTexts[2],
                               kOperationTexts[3]}));
    zarvik::makeLabel(this, "Label2", 8, 80, QStringLiteral("Tam/Basit"));
    ComboBox2 = zarvik::makeList(this, "ComboBox2", {64, 72, 120, 21});
    zarvik::makeLabel(this, "Label3", 8, 104, QStringLiteral("Payda :"));
    ComboBox3 = zarvik::makeList(this, "ComboBox3", {64, 96, 121, 21});
    addTeacherAndDate();
    addButtonRow();
    ButtonYazdir->setToolTip(QStringLiteral("Yazdırırken yarım kağıt kullanınız."));
    addClassSetButton();

    // A pick, even of the item already shown, is what the handlers answer.
    connect(ComboBox1, &QComboBox::activated, this, &TFormZarvikKesir::ComboBox1Change);
    connect(ComboBox2, &QComboBox::activated, this, &TFormZarvikKesir::ComboBox2Change);
    connect(ComboBox3, &QComboBox::activated, this, &TFormZarvikKesir::ComboBox3Change);
}

void TFormZarvikKesir::FormCreate() {
    zarvik::runGuarded(this, [&] {
        // The one seeding of the run: start-up creates this window once,
        // before anything is drawn.
        context().random.seedFromClock();
        ComboBox2->setEnabled(false);
        ComboBox3->setEnabled(false);
    });
}

void TFormZarvikKesir::ComboBox1Change() {
    zarvik::runGuarded(this, [&] {
        ComboBox3->clear();
        refill(ComboBox2, textsOf({kTypeTexts[0], kTypeTexts[1]}));
        setAllButtonsEnabled(false);
        ComboBox2->setEnabled(true);
        ComboBox3->setEnabled(false);
    });
}

void TFormZarvikKesir::ComboBox2Change() {
    zarvik::runGuarded(this, [&] {
        ComboBox3->clear();
        const QString operation = ComboBox1->currentText();
        const bool additive = operation == QStringView(kOperationTexts[0]) ||
                              operation == QStringView(kOperationTexts[1]);
        if (additive)
            refill(ComboBox3, textsOf({kRelationTexts[0], kRelationTexts[1], kRelationTexts[2]}));
        // Addition and subtraction still need a denominator relation.
        setPageButtonsEnabled(false);
        ButtonHazirla->setEnabled(!additive);
        ComboBox3->setEnabled(additive);
    });
}

void TFormZarvikKesir::ComboBox3Change() {
    zarvik::runGuarded(this, [&] { ButtonHazirla->setEnabled(true); });
}

void TFormZarvikKesir::ButtonHazirlaClick() {
    runPreparation([&] {
        worksheet_.prepare({ComboBox1->currentText(), ComboBox2->currentText(),
                            ComboBox3->currentText(), teacherName(), dateText()},
                           context().random);
    });
}

void TFormZarvikKesir::ButtonBakClick() {
    zarvik::runGuarded(this, [&] { previewSheet({worksheet_.page()}); });
}

void TFormZarvikKesir::ButtonYazdirClick() {
    zarvik::runGuarded(this, [&] { printSheet({worksheet_.page()}); });
}

QStringList TFormZarvikKesir::sheetNameParts() const {
    return {QStringLiteral("Kesir"), ComboBox1->currentText()};
}

std::unique_ptr<zarvik::SheetSource> TFormZarvikKesir::makeSheetSource() {
    return std::make_unique<zarvik::FractionSheetSource>(
        worksheet_, zarvik::FractionChoices{ComboBox1->currentText(), ComboBox2->currentText(),
                                            ComboBox3->currentText(), teacherName(), dateText()});
}

zarvik::ExerciseList TFormZarvikKesir::currentExercises() const {
    return fractionExercises(worksheet_.exercises());
}
