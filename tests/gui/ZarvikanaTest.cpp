// The launcher: its fixed layout, the release date, the update reminder and
// its boundaries, and the two messages.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "app/Zarvikana.h"
#include "common/windows/FamilyWindows.h"
#include "common/core/Names.h"
#include "gui/ModalBoxes.h"

using zarvik::test::ModalBoxes;

namespace {

struct Launcher {
    explicit Launcher(QDate today) {
        context.today = [today] { return today; };
        window = std::make_unique<TFormZarvikAna>(context, windows);
    }
    zarvik::RandomDraw random{1, 0};
    zarvik::AppContext context{random};
    zarvik::Windows windows;
    std::unique_ptr<TFormZarvikAna> window;
};

const QString kReminder = QStringLiteral(
    "Bu programı uzun zaman önce indirmişsiniz. \nDaha gelişmiş sürümünü edinmek için\n"
    "okul.example.org sitesini ziyaret ederek\nyeni sürümü indirebilirsiniz.");

TEST(LauncherReminder, OnlyMoreThan180CountedDaysAfterTheRelease) {
    struct Case {
        QDate today;
        bool reminder;
    };
    const Case cases[] = {
        {QDate(2008, 10, 1), false},   // 0 days
        {QDate(2008, 12, 31), false},  // 90
        {QDate(2009, 3, 26), false},   // 180
        {QDate(2009, 3, 27), true},    // 181
        {QDate(2030, 6, 15), true},
        {QDate(2008, 9, 30), false},  // before the release
        {QDate(1999, 1, 1), false},
        // Months count 30 days: 31 March and 1 April 2009 both count 185.
        {QDate(2009, 4, 1), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(zarvik::updateReminderDue(c.today), c.reminder);
        ModalBoxes boxes;
        Launcher launcher(c.today);
        if (c.reminder) {
            ASSERT_EQ(boxes.texts.size(), 1);
            EXPECT_EQ(boxes.texts[0], kReminder);
            EXPECT_EQ(boxes.titles[0], zarvik::names::kApplicationTitle.toString());
        } else {
            EXPECT_TRUE(boxes.texts.isEmpty());
        }
        // The box comes while the launcher is still being created, never after.
        EXPECT_FALSE(launcher.window->isVisible());
    }
}

TEST(Launcher, FixedLayoutWithItsCaptions) {
    Launcher launcher(QDate(2008, 11, 1));
    TFormZarvikAna& w = *launcher.window;
    EXPECT_EQ(w.objectName(), QStringLiteral("FormZarvikAna"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Zarvik 2.05"));
    // A later family's button takes a row below the original ones, the
    // release panel moving down with it.
    int rowsAdded = 0;
    for (const zarvik::FamilyWindow& family : zarvik::familyWindows())
        rowsAdded += family.button.geometry.isEmpty() ? 1 : 0;
    const int below = 32 * ((rowsAdded + 1) / 2);
    // The design's client area, under the menu.
    auto* client = w.findChild<QWidget*>(QStringLiteral("ClientArea"));
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), QSize(217, 225 + below));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowMinimizeButtonHint);

    struct Control {
        const char* name;
        QRect geometry;
        const char16_t* caption;
    };
    const Control buttons[] = {
        {"ButtonEski", {8, 40, 97, 25}, u"Yan Yana!"},
        {"ButtonSayilar", {112, 40, 97, 25}, u"Sayı Alıştırmaları"},
        {"Button1Sinif", {8, 72, 97, 25}, u"Tam Sayfa"},
        {"ButtonKesir", {8, 104, 97, 25}, u"Kesirler"},
        {"ButtonYeni", {8, 136, 97, 25}, u"Yarım Sayfa"},
        {"ButtonHakkinda", {8, 168, 97, 25}, u"Hakkında"},
        // Inside Bevel1's empty frame (112, 72, 97 x 89).
        {"ButtonEtkinlik", {116, 104, 89, 25}, u"Etkinlikler"},
        {"Tikla", {112, 168, 97, 25}, u"Tıkla!"},
    };
    for (const Control& c : buttons) {
        auto* b = w.findChild<QPushButton*>(QString::fromLatin1(c.name));
        ASSERT_NE(b, nullptr) << c.name;
        EXPECT_EQ(b->geometry(), c.geometry) << c.name;
        EXPECT_EQ(b->text(), QString::fromUtf16(c.caption));
        // The caption fits its button.
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), c.geometry.width() - 8) << c.name;
    }
    auto* panel1 = w.findChild<QLabel*>(QStringLiteral("Panel1"));
    auto* panel2 = w.findChild<QLabel*>(QStringLiteral("Panel2"));
    ASSERT_TRUE(panel1 && panel2);
    EXPECT_EQ(panel1->geometry(), QRect(8, 8, 201, 25));
    EXPECT_EQ(panel1->text(), zarvik::names::kPublisherSiteName.toString());
    EXPECT_EQ(panel2->geometry(), QRect(8, 200 + below, 201, 17));
    // The design text never shows: creation puts the release date there.
    EXPECT_EQ(panel2->text(), QStringLiteral("Yayın tarihi: 01/10/2008"));
    EXPECT_EQ(zarvik::releaseDateText(), QStringLiteral("Yayın tarihi: 01/10/2008"));
    EXPECT_LE(panel2->fontMetrics().horizontalAdvance(panel2->text()), 201);
    EXPECT_LE(panel1->fontMetrics().horizontalAdvance(panel1->text()), 201);
}

TEST(Launcher, TabOrderFollowsTheDesign) {
    Launcher launcher(QDate(2008, 11, 1));
    TFormZarvikAna& w = *launcher.window;
    const QStringList expected{QStringLiteral("ButtonEski"),     QStringLiteral("ButtonYeni"),
                               QStringLiteral("ButtonHakkinda"), QStringLiteral("ButtonKesir"),
                               QStringLiteral("Tikla"),          QStringLiteral("Button1Sinif"),
                               QStringLiteral("ButtonSayilar"),  QStringLiteral("ButtonEtkinlik")};
    QStringList order;
    QWidget* widget = w.findChild<QWidget*>(expected.front());
    for (int i = 0; i < expected.size(); ++i) {
        order << widget->objectName();
        do {
            widget = widget->nextInFocusChain();
        } while (!qobject_cast<QPushButton*>(widget));
    }
    EXPECT_EQ(order, expected);
}

TEST(Launcher, AboutAndPopularityMessages) {
    Launcher launcher(QDate(2008, 11, 1));
    const QString about = QStringLiteral(
                              " Program öğrencilere matematik alıştırması \nhazırlamak için "
                              "yapılmıştır. \n") +
                          QString(38, u' ') + QStringLiteral("Zarvik Ekibi \n") +
                          QString(32, u' ') + QStringLiteral("www.zarvik.example.org ");
    const QString popularity = QStringLiteral(
        "Bu programın 100.000 küsur defa indirildiğini, \nÖrnek Eğitim dergisinde "
        "tanıtıldığını, \nDownload sitelerinde günlerce editörün seçimi \nolarak "
        "gösterildiğini biliyor musunuz?\n www.zarvik.example.org");

    ModalBoxes boxes;
    launcher.window->findChild<QPushButton*>(QStringLiteral("ButtonHakkinda"))->click();
    launcher.window->findChild<QPushButton*>(QStringLiteral("Tikla"))->click();
    ASSERT_EQ(boxes.texts.size(), 2);
    EXPECT_EQ(boxes.texts[0], about);
    EXPECT_EQ(boxes.texts[1], popularity);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(boxes.titles[i], QStringLiteral("Zarvik"));
        EXPECT_EQ(boxes.icons[i], QMessageBox::NoIcon);
    }
}

TEST(Launcher, ClosingItEndsTheProgram) {
    Launcher launcher(QDate(2008, 11, 1));
    int closed = 0;
    QObject::connect(launcher.window.get(), &TFormZarvikAna::closed, [&] { ++closed; });
    launcher.window->show();
    launcher.window->close();
    EXPECT_EQ(closed, 1);
}

}  // namespace
