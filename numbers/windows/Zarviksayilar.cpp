#include "numbers/windows/Zarviksayilar.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>

#include "common/core/FieldNumber.h"
#include "common/core/FileNames.h"
#include "common/core/Names.h"
#include "common/render/TextFit.h"
#include "common/windows/WindowControls.h"
#include "numbers/core/NumberAnswers.h"
#include "numbers/core/NumberGenerators.h"
#include "numbers/core/NumberSheetSource.h"

namespace {

// A plain message box with an OK button.
class BoxMessages : public zarvik::MessageSink {
  public:
    explicit BoxMessages(QWidget* parent) : parent_(parent) {}
    void showMessage(const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, zarvik::names::kApplicationTitle.toString(), text,
                        QMessageBox::Ok, parent_);
        box.exec();
    }

  private:
    QWidget* parent_;
};

QStringList numbersFromTo(int first, int last) {
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n);
    return items;
}

const zarvik::PrintedWindowDesign kDesign{
    .objectName = QStringLiteral("FormZarvikSayilar"),
    .caption = QStringLiteral("Sayı Alıştırmaları"),
    .clientSize = {207, 250},
    .banner = {8, 8, 190, 25},
    .blueBanner = true,
    .teacherLabel = {"Label3", 8, 124, QStringLiteral("Öğretmen")},
    .teacherEdit = {56, 120, 140, 21},
    .dateLabel = {"Label4", 8, 148, QStringLiteral("Tarih")},
    .dateEdit = {56, 144, 140, 21},
    .prepare = {"ButtonHazirla", {8, 192, 70, 25}},
    .look = {"ButtonBak", {85, 192, 50, 25}},
    .print = {"ButtonYazdir", {144, 192, 50, 25}},
    .releasePanel = {8, 224, 190, 17},
    .releaseText = QStringLiteral("Yayın tarihi: 10/05/2008")};

}  // namespace

TFormZarvikSayilar::TFormZarvikSayilar(zarvik::AppContext& context, QWidget* parent)
    : PrintedWorksheetWindow(context, kDesign, parent),
      boxMessages_(std::make_unique<BoxMessages>(this)),
      messages_(boxMessages_.get()) {
    buildControls();
}

TFormZarvikSayilar::~TFormZarvikSayilar() = default;

void TFormZarvikSayilar::setMessageSink(zarvik::MessageSink* sink) {
    messages_ = sink ? sink : boxMessages_.get();
}

void TFormZarvikSayilar::buildControls() {
    // Fixed lists: the teacher can only pick, never type.
    zarvik::makeLabel(this, "Label1", 8, 52, QStringLiteral("İşlem :"));
    ComboBox1 = zarvik::makeList(this, "ComboBox1", {56, 48, 140, 21}, zarvik::numberKindTexts());
    ComboBox1->setCurrentIndex(-1);
    zarvik::makeLabel(this, "Label5", 8, 76, QStringLiteral("Basamak :"));
    ComboBox3 = zarvik::makeList(this, "ComboBox3", {56, 72, 140, 21}, numbersFromTo(1, 9));
    ComboBox3->setCurrentText(QStringLiteral("3"));
    zarvik::makeLabel(this, "Label2", 8, 100, QStringLiteral("Sütun"));
    ComboBox2 = zarvik::makeList(this, "ComboBox2", {56, 96, 140, 21},
                                 {zarvik::kOneColumn.toString(), zarvik::kTwoColumns.toString()});
    ComboBox2->setCurrentText(zarvik::kTwoColumns.toString());
    addTeacherAndDate();
    zarvik::makeLabel(this, "Label6", 8, 172, QStringLiteral("Yazdırma sayısı (Kopya) :"));
    ComboBox4 = zarvik::makeList(this, "ComboBox4", {128, 168, 68, 21}, numbersFromTo(1, 20));
    ComboBox4->setCurrentText(QStringLiteral("1"));
    addButtonRow();

    // A pick, even of the item already shown, is what the handlers answer.
    connect(ComboBox1, &QComboBox::activated, this, &TFormZarvikSayilar::ComboBox1Change);
    connect(ComboBox2, &QComboBox::activated, this, &TFormZarvikSayilar::ComboBox2Change);

    setTabOrders({ComboBox1, ComboBox2, ButtonHazirla, ButtonBak, ButtonYazdir, Edit1, Edit2,
                  ComboBox3, ComboBox4});
    addClassSetButton();
}

void TFormZarvikSayilar::ComboBox1Change() {
    zarvik::runGuarded(this, [&] {
        worksheet_.setNormalWidth();
        setPageButtonsEnabled(false);
        ButtonHazirla->setEnabled(true);
    });
}

void TFormZarvikSayilar::ComboBox2Change() {
    zarvik::runGuarded(this, [&] { ButtonHazirla->setEnabled(true); });
}

void TFormZarvikSayilar::ButtonHazirlaClick() {
    // On an error the worksheet keeps its page and the buttons stay as they were.
    runPreparation([&] {
        worksheet_.prepare({ComboBox1->currentText(), ComboBox3->currentText(),
                            ComboBox2->currentText(), teacherName(), dateText()},
                           context().random, *messages_);
    });
}

// Every page of the sheet, its texts fitted as they print.
std::vector<zarvik::Page> TFormZarvikSayilar::printedPages() const {
    std::vector<zarvik::Page> pages = worksheet_.pages();
    for (zarvik::Page& page : pages)
        page = zarvik::fitPageTexts(page);
    return pages;
}

void TFormZarvikSayilar::ButtonBakClick() {
    zarvik::runGuarded(this, [&] { previewSheet(printedPages()); });
}

void TFormZarvikSayilar::ButtonYazdirClick() {
    zarvik::runGuarded(this, [&] {
        // One job of that many copies: the printer collates them.
        const int copies = static_cast<int>(
            zarvik::fieldNumber(ComboBox4->currentText(), QStringLiteral("Yazdırma sayısı (Kopya)")));
        if (copies >= 1) printSheet(printedPages(), copies);
    });
}

// "Sayı Okuma" names itself: Sayi-Okuma.pdf.
QStringList TFormZarvikSayilar::sheetNameParts() const {
    return {worksheet_.sheet()
                ? zarvik::numberKindTexts()[static_cast<qsizetype>(worksheet_.sheet()->kind)]
                : QStringLiteral("Sayılar")};
}

std::unique_ptr<zarvik::SheetSource> TFormZarvikSayilar::makeSheetSource() {
    return std::make_unique<zarvik::NumberSheetSource>(
        worksheet_,
        zarvik::NumberChoices{ComboBox1->currentText(), ComboBox3->currentText(),
                              ComboBox2->currentText(), teacherName(), dateText()},
        *messages_);
}

zarvik::ExerciseList TFormZarvikSayilar::currentExercises() const {
    if (!worksheet_.sheet()) return {};
    // One column leaves the right column's texts empty.
    const bool oneColumn = worksheet_.rightTexts().value(0).isEmpty();
    return zarvik::numberExercises(*worksheet_.sheet(), oneColumn);
}
