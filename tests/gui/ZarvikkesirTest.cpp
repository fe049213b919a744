// The fraction window: creation, the enabling rules step by step, what a
// preparation puts on the page, and that Bak and Yazdır hand the page on.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>

#include "ModalBoxes.h"
#include "common/core/Errors.h"
#include "fractions/core/FractionPage.h"
#include "fractions/windows/Zarvikkesir.h"

namespace {

using namespace zarvik;
using namespace zarvik::fractions;

// Records what the window previews and prints.
class RecordingOutput : public PageOutput {
  public:
    void preview(QWidget*, const Page& page) override { previewed.push_back(page); }
    void print(QWidget*, const Page& page) override {
        if (!failWith.isEmpty()) throw Error(failWith);
        printed.push_back(page);
    }
    std::vector<Page> previewed;
    std::vector<Page> printed;
    QString failWith;
};

class FractionWindow : public ::testing::Test {
  protected:
    FractionWindow()
        : context{random, [] { return QDate(2008, 10, 1); }, &output}, window(context) {}

    template <typename T>
    T* control(const char* name) {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QComboBox* list(const char* name) { return control<QComboBox>(name); }
    QPushButton* button(const char* name) { return control<QPushButton>(name); }

    // A pick in a drop-down list, as the user makes it.
    void pick(const char* name, const QString& text) {
        QComboBox* box = list(name);
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << qPrintable(text);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    // Bak, Yazdır, Yeni Hazırla.
    std::array<bool, 3> buttons() {
        return {button("ButtonKesirBak")->isEnabled(), button("ButtonKesirYazdir")->isEnabled(),
                button("ButtonKesirHazirla")->isEnabled()};
    }

    QString text(int exercise, BoxRole role) {
        return window.page().cell(exerciseBoxName(exercise, role)).text;
    }

    RandomDraw random;
    RecordingOutput output;
    AppContext context;
    TFormZarvikKesir window;
};

constexpr std::array<bool, 3> kNone = {false, false, false};
constexpr std::array<bool, 3> kPrepareOnly = {false, false, true};
constexpr std::array<bool, 3> kAll = {true, true, true};

TEST_F(FractionWindow, CreationSeedsOnceAndStartsWithEverythingToChoose) {
    EXPECT_EQ(window.objectName(), QStringLiteral("FormZarvikKesir"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zarvik Kesir"));
    EXPECT_EQ(window.size(), QSize(204, 231 + 62));
    // Seeded from the clock: the state of a run started this second (or the last).
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    RandomDraw thisSecond, lastSecond;
    thisSecond.seed(now);
    lastSecond.seed(now - 1);
    EXPECT_TRUE(random.low() == thisSecond.low() || random.low() == lastSecond.low());

    EXPECT_EQ(buttons(), kNone);
    EXPECT_FALSE(list("ComboBox2")->isEnabled());
    EXPECT_FALSE(list("ComboBox3")->isEnabled());
    EXPECT_EQ(list("ComboBox1")->count(), 4);
    EXPECT_EQ(list("ComboBox1")->currentText(), QString());
    EXPECT_EQ(list("ComboBox2")->count(), 0);
    EXPECT_EQ(control<QLineEdit>("Edit1")->text(), QString());
    EXPECT_EQ(control<QLineEdit>("Edit2")->text(), QStringLiteral("01/10/2008"));
    EXPECT_EQ(button("ButtonKesirYazdir")->toolTip(),
              QStringLiteral("Yazdırırken yarım kağıt kullanınız."));
    EXPECT_EQ(button("ButtonKesirHazirla")->text(), QStringLiteral("Yeni Hazırla"));
}

TEST_F(FractionWindow, AdditionNeedsAllThreeChoicesAndSwitchingOperationResets) {
    pick("ComboBox1", QStringLiteral("Toplama"));
    EXPECT_EQ(buttons(), kNone);
    EXPECT_TRUE(list("ComboBox2")->isEnabled());
    EXPECT_EQ(list("ComboBox2")->count(), 2);
    EXPECT_EQ(list("ComboBox2")->currentText(), QString());
    EXPECT_FALSE(list("ComboBox3")->isEnabled());

    pick("ComboBox2", QStringLiteral("Basit Kesir"));
    EXPECT_EQ(buttons(), kNone);
    EXPECT_TRUE(list("ComboBox3")->isEnabled());
    EXPECT_EQ(list("ComboBox3")->count(), 3);
    EXPECT_EQ(list("ComboBox3")->itemText(2), QStringLiteral("Paydaları Birbirinin Katı"));

    pick("ComboBox3", QStringLiteral("Paydaları Eşit"));
    EXPECT_EQ(buttons(), kPrepareOnly);
    button("ButtonKesirHazirla")->click();
    EXPECT_EQ(buttons(), kAll);

    // Another relation keeps the prepared page printable.
    pick("ComboBox3", QStringLiteral("Paydaları Farklı"));
    EXPECT_EQ(buttons(), kAll);

    // Another operation empties both lower lists and disables all three buttons.
    const QString before = text(1, BoxRole::FirstNumerator);
    pick("ComboBox1", QStringLiteral("Bölme"));
    EXPECT_EQ(buttons(), kNone);
    EXPECT_EQ(list("ComboBox2")->currentText(), QString());
    EXPECT_EQ(list("ComboBox3")->count(), 0);
    EXPECT_FALSE(list("ComboBox3")->isEnabled());
    EXPECT_EQ(text(1, BoxRole::FirstNumerator), before);  // the page keeps its texts

    // Multiplication and division are ready after the fraction type.
    pick("ComboBox2", QStringLiteral("Tam Sayılı Kesir"));
    EXPECT_EQ(buttons(), kPrepareOnly);
    EXPECT_FALSE(list("ComboBox3")->isEnabled());
    EXPECT_EQ(list("ComboBox3")->count(), 0);

    // Changing the fraction type after a preparation disables Bak and Yazdır.
    button("ButtonKesirHazirla")->click();
    EXPECT_EQ(buttons(), kAll);
    pick("ComboBox2", QStringLiteral("Basit Kesir"));
    EXPECT_EQ(buttons(), kPrepareOnly);
}

TEST_F(FractionWindow, PreparationFillsThePageFromTheDrawAndTheFooterFields) {
    pick("ComboBox1", QStringLiteral("Çıkarma"));
    pick("ComboBox2", QStringLiteral("Tam Sayılı Kesir"));
    pick("ComboBox3", QStringLiteral("Paydaları Birbirinin Katı"));
    random.seed(1228867200);
    RandomDraw replay = random;
    button("ButtonKesirHazirla")->click();

    ExerciseTable expected;
    clearTable(expected);
    generateFractions(FractionKind::MixedSubtractionMultiple, replay, expected);
    for (int k = 1; k <= kRowCount; ++k) {
        const FractionRow& row = expected[k - 1];
        EXPECT_EQ(text(k, BoxRole::FirstNumerator), row.firstNumerator);
        EXPECT_EQ(text(k, BoxRole::FirstDenominator), row.firstDenominator);
        EXPECT_EQ(text(k, BoxRole::FirstWhole), row.firstWhole);
        EXPECT_EQ(text(k, BoxRole::OperatorText), row.operatorText);
        EXPECT_EQ(text(k, BoxRole::SecondNumerator), row.secondNumerator);
        EXPECT_EQ(text(k, BoxRole::SecondDenominator), row.secondDenominator);
        EXPECT_EQ(text(k, BoxRole::EqualsSign), QStringLiteral("="));
    }
    // Empty teacher field: an empty teacher line; the date as it stands.
    EXPECT_EQ(window.page().cell(kTeacherLabel).text, QString());
    EXPECT_EQ(window.page().cell(kDateLabel).text, QStringLiteral("01/10/2008"));

    control<QLineEdit>("Edit1")->setText(QStringLiteral("<b>Ali</b> & Veli"));
    control<QLineEdit>("Edit2")->setText(QStringLiteral("Ekim 2008"));
    button("ButtonKesirHazirla")->click();
    EXPECT_EQ(window.page().cell(kTeacherLabel).text,
              QStringLiteral("Hazırlayan: <b>Ali</b> & Veli"));
    EXPECT_EQ(window.page().cell(kDateLabel).text, QStringLiteral("Ekim 2008"));
}

TEST_F(FractionWindow, MultiplicationIgnoresTheRelationList) {
    pick("ComboBox1", QStringLiteral("Çarpma"));
    pick("ComboBox2", QStringLiteral("Basit Kesir"));
    button("ButtonKesirHazirla")->click();
    for (int k = 1; k <= kRowCount; ++k) {
        EXPECT_EQ(text(k, BoxRole::OperatorText), QStringLiteral("x"));
        EXPECT_EQ(text(k, BoxRole::FirstWhole), QString());
    }
    // A mixed page followed by a simple one leaves no whole part behind.
    pick("ComboBox2", QStringLiteral("Tam Sayılı Kesir"));
    button("ButtonKesirHazirla")->click();
    pick("ComboBox2", QStringLiteral("Basit Kesir"));
    button("ButtonKesirHazirla")->click();
    for (int k = 1; k <= kRowCount; ++k)
        EXPECT_EQ(text(k, BoxRole::FirstWhole), QString());
}

TEST_F(FractionWindow, BakPreviewsAndYazdirPrintsThePreparedPage) {
    pick("ComboBox1", QStringLiteral("Bölme"));
    pick("ComboBox2", QStringLiteral("Basit Kesir"));
    button("ButtonKesirHazirla")->click();
    button("ButtonKesirBak")->click();
    button("ButtonKesirYazdir")->click();
    ASSERT_EQ(output.previewed.size(), 1u);
    ASSERT_EQ(output.printed.size(), 1u);
    EXPECT_EQ(output.printed[0].name(), QStringLiteral("QuickRep1"));
    EXPECT_EQ(output.printed[0].cell(u"QRRichText4").text, QStringLiteral("÷"));
    EXPECT_EQ(output.previewed[0].cell(u"QRRichText1").text, text(1, BoxRole::FirstNumerator));

    // A refused print is shown in the error box and the window carries on.
    output.failWith = QStringLiteral("Varsayılan yazıcı bulunamadı.");
    test::ModalBoxes boxes;
    button("ButtonKesirYazdir")->click();
    EXPECT_EQ(boxes.texts, QStringList{QStringLiteral("Varsayılan yazıcı bulunamadı.")});
    EXPECT_EQ(buttons(), kAll);
}

}  // namespace
