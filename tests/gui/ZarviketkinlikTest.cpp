// The activity window: picking a kind shows its option lists only, and
// "Yeni Hazırla" prepares the same page as zarvik-cli activity for the same
// seed, then enables "Bak" and "Yazdır".

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>

#include "activities/windows/Zarviketkinlik.h"

using namespace zarvik;

namespace {

class KeptPages : public PageOutput {
  public:
    std::vector<Page> pages;
    void preview(QWidget*, const Page& page) override { pages.push_back(page); }
    void print(QWidget*, const Page& page) override { pages.push_back(page); }
};

}  // namespace

TEST(Zarviketkinlik, KindShowsItsOptionsAndPreparesItsPage) {
    RandomDraw random;
    KeptPages output;
    AppContext context{random};
    context.pageOutput = &output;
    TFormZarvikEtkinlik w(context);
    EXPECT_EQ(w.objectName(), QStringLiteral("FormZarvikEtkinlik"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Etkinlikler"));
    auto* kinds = w.findChild<QComboBox*>(QStringLiteral("ComboBoxEtkinlik"));
    ASSERT_NE(kinds, nullptr);
    ASSERT_EQ(kinds->count(), static_cast<int>(activityKinds().size()));
    auto* bak = w.findChild<QPushButton*>(QStringLiteral("ButtonBak"));
    EXPECT_FALSE(bak->isEnabled());

    // "Ritmik Sayma": three lists, the others' hidden.
    kinds->setCurrentIndex(3);
    emit kinds->activated(3);
    int shown = 0;
    for (QComboBox* list : w.findChildren<QComboBox*>())
        if (list != kinds && !list->isHidden()) ++shown;
    EXPECT_EQ(shown, 3);
    const ActivityChoices chosen = w.choices();
    EXPECT_EQ(chosen.kind, QStringLiteral("Ritmik Sayma"));
    EXPECT_EQ(chosen.values, startValues(*activityKind(chosen.kind)));

    random.seed(1700000000);
    w.findChild<QPushButton*>(QStringLiteral("ButtonHazirla"))->click();
    ASSERT_TRUE(w.worksheet().prepared());
    EXPECT_TRUE(bak->isEnabled());
    RandomDraw same;
    same.seed(1700000000);
    ActivityWorksheet expected;
    expected.prepare(chosen, same);
    EXPECT_EQ(w.worksheet().answers(), expected.answers());
    bak->click();
    ASSERT_EQ(output.pages.size(), 1u);
}
