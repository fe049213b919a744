// The number worksheet window: its controls and start values, the button
// states through picking and preparing, the pages it prepares, copies as one
// print job, and errors that leave everything as it was.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "ModalBoxes.h"
#include "TestSupport.h"
#include "common/core/Errors.h"
#include "numbers/core/NumberPage.h"
#include "numbers/windows/Zarviksayilar.h"

using namespace zarvik;

namespace {

// Counts previews and print jobs; can fail a job.
class CountingOutput : public PageOutput {
  public:
    int previews = 0;
    int jobs = 0;
    int copies = 0;
    bool failPrinting = false;
    std::vector<Page> pages;

    void preview(QWidget*, const Page& page) override {
        ++previews;
        pages.push_back(page);
    }
    void print(QWidget*, const Page&) override { ADD_FAILURE() << "one job, not a print a page"; }
    PrintedJob printJob(QWidget*, const std::vector<Page>& printed, int count) override {
        if (failPrinting) throw Error(QStringLiteral("Yazıcı bulunamadı."));
        ++jobs;
        copies = count;
        pages.insert(pages.end(), printed.begin(), printed.end());
        return {QStringLiteral("Sınıf Yazıcısı"), static_cast<int>(printed.size()), count};
    }
};

struct RecordedMessages : MessageSink {
    QStringList texts;
    void showMessage(const QString& text) override { texts << text; }
};

class NumberWindow : public ::testing::Test {
  protected:
    NumberWindow() : context{random} {
        random.seed(1700000000);
        context.today = [] { return QDate(2009, 3, 7); };
        context.pageOutput = &output;
        window = std::make_unique<TFormZarvikSayilar>(context);
        window->setMessageSink(&messages);
    }

    template <typename T>
    T* child(const char* name) {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Picking an item, as the user does with the mouse.
    void pick(const char* list, const QString& item) {
        QComboBox* box = child<QComboBox>(list);
        const int index = box->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void click(const char* button) {
        QPushButton* b = child<QPushButton>(button);
        ASSERT_TRUE(b->isEnabled()) << button;
        b->click();
    }
    // "Yeni Hazırla", "Bak", "Yazdır" enabled?
    std::array<bool, 3> buttons() {
        return {child<QPushButton>("ButtonHazirla")->isEnabled(),
                child<QPushButton>("ButtonBak")->isEnabled(),
                child<QPushButton>("ButtonYazdir")->isEnabled()};
    }
    const Page& page() { return window->worksheet().page(); }

    RandomDraw random;
    AppContext context;
    CountingOutput output;
    RecordedMessages messages;
    std::unique_ptr<TFormZarvikSayilar> window;
};

using Buttons = std::array<bool, 3>;

}  // namespace

TEST_F(NumberWindow, ControlsAndStartValues) {
    EXPECT_EQ(window->objectName(), "FormZarvikSayilar");
    EXPECT_EQ(window->windowTitle(), "Sayı Alıştırmaları");
    EXPECT_EQ(window->size(), QSize(207, 250 + 62));
    EXPECT_FALSE(window->isVisible());

    QComboBox* kinds = child<QComboBox>("ComboBox1");
    EXPECT_FALSE(kinds->isEditable());
    EXPECT_EQ(kinds->currentIndex(), -1);
    EXPECT_EQ(kinds->currentText(), "");
    QStringList items;
    for (int i = 0; i < kinds->count(); ++i)
        items << kinds->itemText(i);
    EXPECT_EQ(items, (QStringList{"Sayı Okuma", "Sayı Yazma", "Karşılaştırma", "Sıralama",
                                  "Tek ve Çift Sayılar", "Sayı Yuvarlama"}));
    EXPECT_EQ(child<QComboBox>("ComboBox3")->count(), 9);
    EXPECT_EQ(child<QComboBox>("ComboBox3")->currentText(), "3");
    EXPECT_EQ(child<QComboBox>("ComboBox2")->currentText(), "İki Sütun");
    EXPECT_EQ(child<QComboBox>("ComboBox2")->itemText(0), "Tek Sütun");
    EXPECT_EQ(child<QComboBox>("ComboBox4")->count(), 20);
    EXPECT_EQ(child<QComboBox>("ComboBox4")->currentText(), "1");
    EXPECT_EQ(child<QLineEdit>("Edit1")->text(), "");
    EXPECT_EQ(child<QLineEdit>("Edit2")->text(), "07/03/2009");
    EXPECT_EQ(child<QLabel>("Label6")->text(), "Yazdırma sayısı (Kopya) :");
    EXPECT_EQ(child<QLabel>("Panel2")->text(), "Yayın tarihi: 10/05/2008");
    EXPECT_EQ(child<QPushButton>("ButtonHazirla")->text(), "Yeni Hazırla");
    EXPECT_EQ(child<QPushButton>("ButtonHazirla")->geometry(), QRect(8, 192, 70, 25));
    EXPECT_EQ(buttons(), (Buttons{false, false, false}));
}

TEST_F(NumberWindow, ButtonStatesThroughPicksAndPreparation) {
    pick("ComboBox2", "Tek Sütun");  // from New: only "Yeni Hazırla"
    EXPECT_EQ(buttons(), (Buttons{true, false, false}));
    click("ButtonHazirla");  // no kind: numbering only
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
    EXPECT_EQ(page().cell(u"QRRichText1").text, "  1-) ");
    EXPECT_EQ(page().cell(u"QRRichText26").text, "");
    EXPECT_EQ(page().cell(kNumberTitleCell).text, "");

    pick("ComboBox2", "İki Sütun");  // Prepared stays Prepared
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
    pick("ComboBox1", "Karşılaştırma");
    EXPECT_EQ(buttons(), (Buttons{true, false, false}));
    click("ButtonHazirla");
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
    EXPECT_EQ(page().cell(kNumberTitleCell).text, "Aşağıdaki sayıları karşılaştırınız.");
    EXPECT_TRUE(page().cell(u"QRRichText32").text.startsWith("31-) "));
    pick("ComboBox1", "Karşılaştırma");  // picking the same kind again counts as a pick
    EXPECT_EQ(buttons(), (Buttons{true, false, false}));
}

TEST_F(NumberWindow, SameSheetAsZarvikCli) {
    pick("ComboBox1", "Sayı Yuvarlama");
    pick("ComboBox3", "5");
    pick("ComboBox2", "Tek Sütun");
    click("ButtonHazirla");
    const test::CliResult cli =
        test::runCli({"numbers", "--kind", "Sayı Yuvarlama", "--digits", "5", "--columns",
                      "Tek Sütun", "--time", "1700000000", "--json"});
    ASSERT_EQ(cli.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(cli.out).object();
    for (int r = 1; r <= 24; ++r) {
        EXPECT_EQ(page().cell(numberLeftCell(r)).text, json["left"].toArray()[r - 1].toString());
        EXPECT_EQ(page().cell(numberRightCell(r)).text, "");
    }
    EXPECT_EQ(page().cell(kNumberTitleCell).text, json["title"].toString());
}

TEST_F(NumberWindow, FooterLabels) {
    pick("ComboBox1", "Sıralama");
    click("ButtonHazirla");
    EXPECT_EQ(page().cell(u"QRLabel53").text, "");
    EXPECT_EQ(page().cell(u"QRLabel54").text, "07/03/2009");
    child<QLineEdit>("Edit1")->setText("Ayşe Şahin");
    child<QLineEdit>("Edit2")->setText("1 Nisan");
    click("ButtonHazirla");
    EXPECT_EQ(page().cell(u"QRLabel53").text, "Hazırlayan: Ayşe Şahin");
    EXPECT_EQ(page().cell(u"QRLabel54").text, "1 Nisan");
}

TEST_F(NumberWindow, WideWritingUntilAnotherKindIsPicked) {
    pick("ComboBox1", "Sayı Yazma");
    pick("ComboBox3", "7");
    click("ButtonHazirla");
    EXPECT_TRUE(window->worksheet().leftWide());
    EXPECT_NEAR(page().cell(u"QRRichText12").width, 2645.8, 0.1);
    pick("ComboBox1", "Sayı Okuma");
    EXPECT_FALSE(window->worksheet().leftWide());
    EXPECT_NEAR(page().cell(u"QRRichText12").width, 873.1, 0.1);
    EXPECT_EQ(buttons(), (Buttons{true, false, false}));
}

TEST_F(NumberWindow, CopiesAreOneJobAndTheWindowSaysWhereTheyWent) {
    pick("ComboBox1", "Sayı Okuma");
    pick("ComboBox3", "9");
    click("ButtonHazirla");
    click("ButtonBak");
    const size_t sheetPages = output.pages.size();
    ASSERT_GE(sheetPages, 2u);  // every page of the sheet
    EXPECT_EQ(output.previews, static_cast<int>(sheetPages));
    EXPECT_EQ(output.pages.front().suggestedFileName, QStringLiteral("Sayi-Okuma.pdf"));
    pick("ComboBox4", "3");
    click("ButtonYazdir");
    EXPECT_EQ(output.jobs, 1);
    EXPECT_EQ(output.copies, 3);
    EXPECT_EQ(output.pages.size(), 2 * sheetPages);
    auto* told = window->findChild<QMessageBox*>(QStringLiteral("PrintedMessage"));
    ASSERT_NE(told, nullptr);
    EXPECT_EQ(told->text(), QStringLiteral("\"Sınıf Yazıcısı\" yazıcısına 3 kopya, toplam %1 "
                                           "sayfa gönderildi.")
                                .arg(3 * sheetPages));
    // The designed page keeps its texts; what goes to paper is fitted.
    EXPECT_EQ(page().cell(u"QRRichText1").font.pointSize, 14);
}

TEST_F(NumberWindow, FailingPrinterIsShownAndNothingIsTold) {
    pick("ComboBox1", "Sayı Okuma");
    click("ButtonHazirla");
    pick("ComboBox4", "5");
    output.failPrinting = true;
    test::ModalBoxes boxes;
    click("ButtonYazdir");
    EXPECT_EQ(output.jobs, 0);
    EXPECT_EQ(boxes.texts, QStringList{"Yazıcı bulunamadı."});
    EXPECT_EQ(window->findChild<QMessageBox*>(QStringLiteral("PrintedMessage")), nullptr);
}

TEST_F(NumberWindow, RoundingErrorLeavesThePage) {
    pick("ComboBox1", "Tek ve Çift Sayılar");
    child<QLineEdit>("Edit1")->setText("Ali");
    click("ButtonHazirla");
    const Page before = page();
    pick("ComboBox1", "Sayı Yuvarlama");
    pick("ComboBox3", "2");
    child<QLineEdit>("Edit1")->setText("Veli");
    test::ModalBoxes boxes;
    click("ButtonHazirla");
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].contains("en az 3")) << boxes.texts[0].toStdString();
    for (size_t i = 0; i < before.cells().size(); ++i)
        EXPECT_EQ(page().cells()[i].text, before.cells()[i].text);
    // Still "Ready to prepare" from the pick: no preview of a sheet that was not made.
    EXPECT_EQ(buttons(), (Buttons{true, false, false}));
    EXPECT_TRUE(messages.texts.isEmpty());
}
