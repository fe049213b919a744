#include "numbers/Zarviksayilar.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "app/Look.h"
#include "common/DateText.h"
#include "common/ErrorBox.h"
#include "common/FieldNumber.h"
#include "common/Names.h"
#include "common/PagePrinting.h"
#include "common/TextFit.h"
#include "common/WindowControls.h"
#include "numbers/NumberGenerators.h"

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

}  // namespace

TFormZarvikSayilar::TFormZarvikSayilar(zarvik::AppContext& context, QWidget* parent)
    : QWidget(parent, zarvik::kFixedWindowFlags),
      context_(context),
      boxMessages_(std::make_unique<BoxMessages>(this)),
      messages_(boxMessages_.get()) {
    setObjectName(QStringLiteral("FormZarvikSayilar"));
    setWindowTitle(QStringLiteral("Sayı Alıştırmaları"));
    setFixedSize(207, 250);
    buildControls();
    FormCreate();
}

TFormZarvikSayilar::~TFormZarvikSayilar() = default;

void TFormZarvikSayilar::setMessageSink(zarvik::MessageSink* sink) {
    messages_ = sink ? sink : boxMessages_.get();
}

void TFormZarvikSayilar::buildControls() {
    const auto label = [this](const char* name, int left, int top, const QString& caption) {
        zarvik::makeLabel(this, name, left, top, caption);
    };
    // Fixed lists: the teacher can only pick, never type.
    const auto list = [this](const char* name, const QRect& geometry, const QStringList& items) {
        return zarvik::makeList(this, name, geometry, items);
    };
    const auto edit = [this](const char* name, const QRect& geometry) {
        return zarvik::makeEdit(this, name, geometry);
    };
    const auto button = [this](const char* name, const QRect& geometry, const QString& caption,
                               void (TFormZarvikSayilar::*handler)()) {
        return zarvik::makeButton(this, name, geometry, caption, handler);
    };

    Panel1 = zarvik::makeBannerPanel(this, "Panel1", {8, 8, 190, 25},
                                     zarvik::names::kPublisherWebAddress.toString());

    label("Label1", 8, 52, QStringLiteral("İşlem :"));
    ComboBox1 = list("ComboBox1", {56, 48, 140, 21}, zarvik::numberKindTexts());
    ComboBox1->setCurrentIndex(-1);
    label("Label5", 8, 76, QStringLiteral("Basamak :"));
    ComboBox3 = list("ComboBox3", {56, 72, 140, 21}, numbersFromTo(1, 9));
    ComboBox3->setCurrentText(QStringLiteral("3"));
    label("Label2", 8, 100, QStringLiteral("Sütun"));
    ComboBox2 = list("ComboBox2", {56, 96, 140, 21},
                     {zarvik::kOneColumn.toString(), zarvik::kTwoColumns.toString()});
    ComboBox2->setCurrentText(zarvik::kTwoColumns.toString());
    label("Label3", 8, 124, QStringLiteral("Öğretmen"));
    Edit1 = edit("Edit1", {56, 120, 140, 21});
    label("Label4", 8, 148, QStringLiteral("Tarih"));
    Edit2 = edit("Edit2", {56, 144, 140, 21});
    label("Label6", 8, 172, QStringLiteral("Yazdırma sayısı (Kopya) :"));
    ComboBox4 = list("ComboBox4", {128, 168, 68, 21}, numbersFromTo(1, 20));
    ComboBox4->setCurrentText(QStringLiteral("1"));

    ButtonHazirla = button("ButtonHazirla", {8, 192, 70, 25}, QStringLiteral("Yeni Hazırla"),
                           &TFormZarvikSayilar::ButtonHazirlaClick);
    ButtonBak = button("ButtonBak", {85, 192, 50, 25}, QStringLiteral("Bak"),
                       &TFormZarvikSayilar::ButtonBakClick);
    ButtonYazdir = button("ButtonYazdir", {144, 192, 50, 25}, QStringLiteral("Yazdır"),
                          &TFormZarvikSayilar::ButtonYazdirClick);
    Panel2 = zarvik::makePanel(this, "Panel2", {8, 224, 190, 17},
                               QStringLiteral("Yayın tarihi: 10/05/2008"));

    // A pick, even of the item already shown, is what the handlers answer.
    connect(ComboBox1, &QComboBox::activated, this, &TFormZarvikSayilar::ComboBox1Change);
    connect(ComboBox2, &QComboBox::activated, this, &TFormZarvikSayilar::ComboBox2Change);

    QWidget* const order[] = {ComboBox1, ComboBox2, ButtonHazirla, ButtonBak, ButtonYazdir,
                              Edit1,     Edit2,     ComboBox3,     ComboBox4};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void TFormZarvikSayilar::showEvent(QShowEvent* event) {
    // Centred when first shown, once the window knows its screen and frame.
    if (!shownBefore_) {
        shownBefore_ = true;
        zarvik::centreOnScreen(*this);
    }
    QWidget::showEvent(event);
}

zarvik::PageOutput& TFormZarvikSayilar::pageOutput() {
    if (context_.pageOutput) return *context_.pageOutput;
    if (!desktopOutput_) desktopOutput_ = std::make_unique<zarvik::DesktopPageOutput>();
    return *desktopOutput_;
}

void TFormZarvikSayilar::FormCreate() {
    zarvik::runGuarded(this, [&] {
        ButtonBak->setEnabled(false);
        ButtonYazdir->setEnabled(false);
        ButtonHazirla->setEnabled(false);
        Edit2->setText(zarvik::dateText(context_.today()));
    });
}

void TFormZarvikSayilar::ComboBox1Change() {
    zarvik::runGuarded(this, [&] {
        worksheet_.setNormalWidth();
        ButtonBak->setEnabled(false);
        ButtonYazdir->setEnabled(false);
        ButtonHazirla->setEnabled(true);
    });
}

void TFormZarvikSayilar::ComboBox2Change() {
    zarvik::runGuarded(this, [&] { ButtonHazirla->setEnabled(true); });
}

void TFormZarvikSayilar::ButtonHazirlaClick() {
    zarvik::runGuarded(this, [&] {
        // On an error the worksheet keeps its page and the buttons stay as they were.
        worksheet_.prepare({ComboBox1->currentText(), ComboBox3->currentText(),
                            ComboBox2->currentText(), Edit1->text(), Edit2->text()},
                           context_.random, *messages_);
        ButtonBak->setEnabled(true);
        ButtonYazdir->setEnabled(true);
    });
}

void TFormZarvikSayilar::ButtonBakClick() {
    zarvik::runGuarded(
        this, [&] { pageOutput().preview(this, zarvik::fitPageTexts(worksheet_.page())); });
}

void TFormZarvikSayilar::ButtonYazdirClick() {
    zarvik::runGuarded(this, [&] {
        const zarvik::Page printed = zarvik::fitPageTexts(worksheet_.page());
        // Each copy is a print job of its own; the count is read again before each.
        for (int copy = 1; zarvik::fieldNumber(ComboBox4->currentText()) >= copy; ++copy)
            pageOutput().print(this, printed);
    });
}
