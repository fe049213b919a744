// The two column worksheet windows: controls, the button states step by step,
// the page that "Bak" and "Yazdır" choose, footer labels, errors, and the
// question boxes the generators open.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "ModalBoxes.h"
#include "column_worksheets/core/ColumnPages.h"
#include "column_worksheets/core/RoomyColumnPages.h"
#include "column_worksheets/windows/DialogQuestions.h"
#include "column_worksheets/core/ScriptedQuestions.h"
#include "column_worksheets/windows/Zarvikaltalta.h"
#include "column_worksheets/windows/Zarvikaltaltatamsayfa.h"
#include "common/core/Errors.h"

using namespace zarvik;

namespace {

class RecordingOutput : public PageOutput {
  public:
    QStringList calls;  // "preview QuickRep1", "print QuickRep2"
    std::vector<Page> pages;
    void preview(QWidget*, const Page& page) override { record("preview", page); }
    void print(QWidget*, const Page& page) override { record("print", page); }

  private:
    void record(const char* what, const Page& page) {
        calls << QStringLiteral("%1 %2").arg(QString::fromLatin1(what), page.name());
        pages.push_back(page);
    }
};

// Both windows, one test body: the parameter says which.
class ColumnWindow : public ::testing::TestWithParam<bool> {
  protected:
    ColumnWindow() : context{random} {
        random.seed(1205000000);
        context.today = [] { return QDate(2008, 12, 1); };
        context.pageOutput = &output;
        if (halfPage())
            window = std::make_unique<TFormZarvikAltAlta>(context);
        else
            window = std::make_unique<TFormZarvikAltAltaTamSayfa>(context);
        window->setQuestions(&questions);
    }

    bool halfPage() const { return GetParam(); }
    int divisionSlots() const { return halfPage() ? 35 : 30; }

    template <typename T>
    T* child(const char* name) {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // As the user picks an item from a list.
    void pick(const char* list, const QString& item) {
        QComboBox* box = child<QComboBox>(list);
        const int index = box->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    void click(const char* button) { child<QPushButton>(button)->click(); }

    // Hazırla, Bak, Yazdır enabled?
    std::array<bool, 3> buttons() {
        return {child<QPushButton>("ButtonHazirla")->isEnabled(),
                child<QPushButton>("ButtonBak")->isEnabled(),
                child<QPushButton>("ButtonYazdir")->isEnabled()};
    }

    void answer(const QStringList& answers) { questions = ScriptedQuestions(answers); }

    RandomDraw random;
    AppContext context;
    RecordingOutput output;
    ScriptedQuestions questions;
    std::unique_ptr<ColumnWorksheetWindow> window;
};

using States = std::array<bool, 3>;

// "Daha az işlem, daha çok yer" changes only how the same problems go on
// paper: "Bak" and "Yazdır" show them over several pages, named after the sheet.
TEST_P(ColumnWindow, MoreRoomShowsTheSameProblemsOverSeveralPages) {
    pick("ComboBox1", "Çarpma");
    pick("ComboBox2", "Çok basamaklı sayılarla eldeli");
    answer({"4", "3"});
    click("ButtonHazirla");
    click("ButtonBak");
    ASSERT_EQ(output.pages.size(), 1u);
    auto* moreRoom = child<QCheckBox>("CheckBoxYer");
    EXPECT_EQ(moreRoom->text(), QStringLiteral("Daha az işlem, daha çok yer"));
    EXPECT_FALSE(moreRoom->isChecked());
    moreRoom->setChecked(true);
    click("ButtonBak");
    const size_t pages = output.pages.size() - 1;
    EXPECT_GE(pages, 2u);
    QStringList firsts;
    for (size_t p = 1; p < output.pages.size(); ++p) {
        EXPECT_EQ(output.pages[p].suggestedFileName,
                  halfPage() ? QStringLiteral("Carpma-A5.pdf") : QStringLiteral("Carpma-A4.pdf"));
        for (int n = 1; n <= kGridSlotCount; ++n)
            if (output.pages[p].has(roomyFirstCell(n)))
                firsts << output.pages[p].cell(roomyFirstCell(n)).text;
    }
    EXPECT_EQ(firsts, window->sheet().FirstTexts.first(kGridSlotCount));
    click("ButtonYazdir");
    EXPECT_EQ(output.pages.size(), 1 + 2 * pages);
}

TEST_P(ColumnWindow, StartsWithItsControlsAndNothingEnabled) {
    EXPECT_EQ(window->objectName(), halfPage() ? "FormZarvikAltAlta" : "FormZarvikAltAltaTamSayfa");
    EXPECT_EQ(window->windowTitle(), halfPage() ? "Yarım Sayfa" : "Tam Sayfa");
    // The class-set and board rows and the "Daha az işlem, daha çok yer" row below the design.
    EXPECT_EQ(window->size(), halfPage() ? QSize(202, 210 + 62 + 24) : QSize(207, 213 + 62 + 24));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(buttons(), (States{false, false, false}));
    EXPECT_EQ(child<QLineEdit>("Edit2")->text(), "01/12/2008");
    EXPECT_EQ(child<QLineEdit>("Edit1")->text(), "");
    QComboBox* operations = child<QComboBox>("ComboBox1");
    EXPECT_EQ(operations->count(), 4);
    EXPECT_EQ(operations->itemText(1), "Çıkarma");
    EXPECT_EQ(operations->currentIndex(), -1);
    EXPECT_FALSE(operations->isEditable());
    EXPECT_EQ(child<QComboBox>("ComboBox2")->count(), 0);
    EXPECT_EQ(child<QLabel>("Panel1")->text(), "www.okul.example.org");
    EXPECT_EQ(child<QLabel>("Panel2")->text(),
              halfPage() ? "Yayın tarihi: 16/03/2008" : "Yayın tarihi: 15/03/2008");
    EXPECT_EQ(child<QPushButton>("ButtonHazirla")->text(), "Yeni Hazırla");
    EXPECT_EQ(child<QPushButton>("ButtonYazdir")->text(), "Yazdır");
    EXPECT_EQ(child<QLabel>("Label2")->text(), "Özellik :");
    EXPECT_EQ(child<QComboBox>("ComboBox2")->geometry(), QRect(48, 72, 145, 21));
}

TEST_P(ColumnWindow, ButtonStatesStepByStep) {
    pick("ComboBox1", "Bölme");
    EXPECT_EQ(buttons(), (States{false, false, false}));
    EXPECT_EQ(child<QComboBox>("ComboBox2")->count(), 2);
    EXPECT_EQ(child<QComboBox>("ComboBox2")->currentIndex(), -1);

    pick("ComboBox2", "Temel bölme (2-3. sınıf)");
    EXPECT_EQ(buttons(), (States{true, false, false}));

    answer({"9", "9", "e"});
    click("ButtonHazirla");
    EXPECT_EQ(buttons(), (States{true, true, true}));

    click("ButtonBak");
    ASSERT_EQ(output.calls, QStringList{"preview QuickRep2"});
    const Page shown = output.pages.back();
    for (int k = 1; k <= divisionSlots(); ++k)
        EXPECT_FALSE(shown.cell(divisionDividendBoxName(k)).text.isEmpty()) << k;

    // Another property of the same operation: the earlier sheet stays on show.
    pick("ComboBox2", "İleri seviye bölme (3-4-5. sınıf)");
    EXPECT_EQ(buttons(), (States{true, true, true}));
    click("ButtonYazdir");
    EXPECT_EQ(output.calls.last(), "print QuickRep2");
    EXPECT_EQ(output.pages.back().cell(u"QRRichText101").text, shown.cell(u"QRRichText101").text);

    // Another operation (even the same one picked again) disables everything.
    pick("ComboBox1", "Bölme");
    EXPECT_EQ(buttons(), (States{false, false, false}));
    pick("ComboBox1", "Çarpma");
    EXPECT_EQ(child<QComboBox>("ComboBox2")->count(), 6);
    EXPECT_EQ(child<QComboBox>("ComboBox2")->itemText(5), "Çok basamaklı sayılarla eldeli");
    pick("ComboBox2", "Çarpım tablosu");
    EXPECT_EQ(buttons(), (States{true, false, false}));
}

TEST_P(ColumnWindow, BakAndYazdirShowTheGridForTheOtherOperations) {
    pick("ComboBox1", "Çarpma");
    pick("ComboBox2", "Çarpım tablosu");
    answer({"3"});
    click("ButtonHazirla");
    click("ButtonBak");
    click("ButtonYazdir");
    EXPECT_EQ(output.calls, (QStringList{"preview QuickRep1", "print QuickRep1"}));
    const Page& grid = output.pages.back();
    EXPECT_EQ(grid.cell(u"QRLabel50").text, "x");
    for (int k = 1; k <= 50; ++k) {
        const int lower = grid.cell(gridSecondBoxName(k)).text.toInt();
        EXPECT_TRUE(lower == 2 || lower == 3) << k;
    }
    // "Bak" and "Yazdır" never draw.
    const uint32_t low = random.low();
    click("ButtonBak");
    EXPECT_EQ(random.low(), low);
}

TEST_P(ColumnWindow, DivisionLeavesTheGridAsTheSubtractionSetIt) {
    pick("ComboBox1", "Çıkarma");
    pick("ComboBox2", "Onluk bozarak çıkarma");
    answer({"4"});
    click("ButtonHazirla");
    const Page gridBefore = window->sheet().gridPage();

    pick("ComboBox1", "Bölme");
    pick("ComboBox2", "İleri seviye bölme (3-4-5. sınıf)");
    answer({});
    click("ButtonHazirla");
    const Page& gridAfter = window->sheet().gridPage();
    for (int k = 1; k <= 50; ++k) {
        EXPECT_EQ(gridAfter.cell(gridLineName(k)).left, gridBefore.cell(gridLineName(k)).left);
        EXPECT_EQ(gridAfter.cell(gridLineName(k)).width, gridBefore.cell(gridLineName(k)).width);
        EXPECT_EQ(gridAfter.cell(gridOperatorName(k)).text, "-");
    }
    EXPECT_TRUE(window->sheet().FirstTexts[divisionSlots() + 1].isEmpty());
}

TEST_P(ColumnWindow, TeacherAndDateReachBothPagesAtTheNextPreparation) {
    const ColumnWindowDesign& design = halfPage() ? halfPageDesign() : fullPageDesign();
    const auto labels = [&] {
        const ColumnSheet& sheet = window->sheet();
        return QStringList{sheet.gridPage().cell(design.gridPage.teacherLabel.name).text,
                           sheet.gridPage().cell(design.gridPage.dateLabel.name).text,
                           sheet.divisionPage().cell(design.divisionPage.teacherLabel.name).text,
                           sheet.divisionPage().cell(design.divisionPage.dateLabel.name).text};
    };
    EXPECT_EQ(labels(), QStringList(4, "..............."));

    pick("ComboBox1", "Toplama");
    pick("ComboBox2", "Eldeli Toplama (Basit)");
    child<QLineEdit>("Edit1")->setText(" Ayşe Yılmaz ");
    child<QLineEdit>("Edit2")->setText("Pazartesi");
    click("ButtonHazirla");
    EXPECT_EQ(labels(), (QStringList{"Hazırlayan:  Ayşe Yılmaz ", "Pazartesi",
                                     "Hazırlayan:  Ayşe Yılmaz ", "Pazartesi"}));

    child<QLineEdit>("Edit1")->clear();
    EXPECT_EQ(labels()[0], "Hazırlayan:  Ayşe Yılmaz ");  // not before "Yeni Hazırla"
    click("ButtonHazirla");
    EXPECT_EQ(labels(), (QStringList{"", "Pazartesi", "", "Pazartesi"}));
}

TEST_P(ColumnWindow, ErrorBoxLeavesThePreviousSheetPrintable) {
    pick("ComboBox1", "Toplama");
    pick("ComboBox2", "Eldesiz Toplama");
    answer({"3"});
    child<QLineEdit>("Edit1")->setText("Ali");
    click("ButtonHazirla");
    ASSERT_EQ(buttons(), (States{true, true, true}));
    click("ButtonBak");
    const Page before = output.pages.back();
    ASSERT_FALSE(before.cell(u"QRRichText1").text.isEmpty());

    child<QLineEdit>("Edit1")->setText("Veli");
    answer({"üç"});
    test::ModalBoxes boxes;
    click("ButtonHazirla");
    EXPECT_EQ(boxes.texts, QStringList{"\"En fazla kaç basamaklı olsun?\" sorusunun kutusuna bir "
                                       "tam sayı yazınız."});
    EXPECT_EQ(boxes.details, QStringList{"'üç' is not a valid integer value"});
    EXPECT_EQ(buttons(), (States{true, true, true}));
    EXPECT_EQ(window->sheet().gridPage().cell(u"QRLabel53").text, "Hazırlayan: Ali");

    // "Bak" still shows the earlier sheet, cell for cell.
    click("ButtonBak");
    const Page& after = output.pages.back();
    ASSERT_EQ(after.cells().size(), before.cells().size());
    for (size_t i = 0; i < after.cells().size(); ++i) {
        EXPECT_EQ(after.cells()[i].text, before.cells()[i].text)
            << after.cells()[i].name.toStdString();
        EXPECT_EQ(after.cells()[i].left, before.cells()[i].left)
            << after.cells()[i].name.toStdString();
        EXPECT_EQ(after.cells()[i].width, before.cells()[i].width)
            << after.cells()[i].name.toStdString();
    }
}

TEST_P(ColumnWindow, DivisionByZeroIsShownAndNothingIsEnabled) {
    pick("ComboBox1", "Çıkarma");
    pick("ComboBox2", "Tek Basamaklı Sayılarla");
    answer({"2", "h"});
    test::ModalBoxes boxes;
    click("ButtonHazirla");
    EXPECT_EQ(boxes.texts, QStringList{"\"En büyük sayı kaç olsun?\" sorusuna verilen cevapla "
                                       "alıştırma hazırlanamıyor. Başka bir sayı yazıp yeniden "
                                       "deneyiniz."});
    EXPECT_EQ(boxes.details, QStringList{"Division by zero"});
    EXPECT_EQ(buttons(), (States{true, false, false}));
}

TEST_P(ColumnWindow, PrinterErrorIsShown) {
    struct FailingOutput : RecordingOutput {
        void print(QWidget*, const Page&) override {
            throw Error(QStringLiteral("Yazıcı bulunamadı."));
        }
    } failing;
    context.pageOutput = &failing;
    pick("ComboBox1", "Toplama");
    pick("ComboBox2", "Eldeli Toplama (Basit)");
    click("ButtonHazirla");
    test::ModalBoxes boxes;
    click("ButtonYazdir");
    EXPECT_EQ(boxes.texts, QStringList{"Yazıcı bulunamadı."});
}

INSTANTIATE_TEST_SUITE_P(Column, ColumnWindow, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "HalfPage" : "FullPage"; });

// --- The real question boxes -------------------------------------------------

// Runs `act` on the next modal box once it is up.
void whenModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start(5);
}

TEST(ColumnQuestionBoxes, InputBoxShowsPromptAndDefaultAndCancelGivesTheDefault) {
    QWidget parent;
    DialogQuestions questions(&parent);
    QString title, label, shown;
    whenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        label = box->labelText();
        shown = box->textValue();
        box->setTextValue(QStringLiteral("7"));
        box->reject();
    });
    EXPECT_EQ(questions.askText("En fazla kaç basamaklı olsun?", "4"), "4");
    EXPECT_EQ(title, "www.okul.example.org");
    EXPECT_EQ(label, "En fazla kaç basamaklı olsun?");
    EXPECT_EQ(shown, "4");

    whenModal([](QWidget* modal) {
        auto* box = qobject_cast<QInputDialog*>(modal);
        box->setTextValue(QStringLiteral("abc"));
        box->accept();
    });
    EXPECT_EQ(questions.askText("p", "4"), "abc");
}

TEST(ColumnQuestionBoxes, YesNoBoxAnswersOnlyWithItsTwoButtons) {
    QWidget parent;
    DialogQuestions questions(&parent);
    for (const char* answer : {"Evet", "Hayır"}) {
        bool stillOpenAfterEscape = false;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttonTexts;
        whenModal([&, answer](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            icon = box->icon();
            for (QAbstractButton* b : box->buttons())
                buttonTexts << b->text();
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(box, &escape);
            box->close();
            stillOpenAfterEscape = box->isVisible();
            box->findChild<QPushButton*>(QString::fromUtf8(answer))->click();
        });
        const bool yes = questions.askYesNo("Bölmede kalan olsun mu?");
        EXPECT_EQ(yes, QByteArray(answer) == "Evet");
        EXPECT_TRUE(stillOpenAfterEscape);
        EXPECT_EQ(icon, QMessageBox::Question);
        buttonTexts.sort();
        EXPECT_EQ(buttonTexts, (QStringList{"Evet", "Hayır"}));
    }
}

TEST(ColumnQuestionBoxes, WindowAsksThroughTheBoxesByDefault) {
    RandomDraw random(3, 0);
    AppContext context{random};
    RecordingOutput output;
    context.pageOutput = &output;
    TFormZarvikAltAltaTamSayfa window(context);
    auto* operations = window.findChild<QComboBox*>("ComboBox1");
    auto* properties = window.findChild<QComboBox*>("ComboBox2");
    operations->setCurrentIndex(0);
    emit operations->activated(0);
    properties->setCurrentIndex(1);  // "Eldesiz Toplama": one number question
    emit properties->activated(1);
    whenModal([](QWidget* modal) { qobject_cast<QInputDialog*>(modal)->reject(); });
    window.findChild<QPushButton*>("ButtonHazirla")->click();
    ASSERT_TRUE(window.sheet().lineSetting().has_value());
    EXPECT_EQ(window.sheet().lineSetting()->width, 42);  // cancelled: default "2"
}

}  // namespace
