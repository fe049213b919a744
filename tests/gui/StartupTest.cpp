// Start-up: seven windows in their order, the draw seeded once by the fraction
// window, and the launcher's buttons showing windows that keep their state.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Startup.h"
#include "activities/windows/Zarviketkinlik.h"
#include "app/Zarvikana.h"
#include "column_worksheets/windows/Zarvikaltalta.h"
#include "column_worksheets/windows/Zarvikaltaltatamsayfa.h"
#include "fractions/windows/Zarvikkesir.h"
#include "numbers/windows/Zarviksayilar.h"
#include "text_worksheets/windows/Zarvikeski.h"

namespace {

struct ProgramRun {
    ProgramRun() {
        // A date without the update reminder: no box during start-up.
        context.today = [] { return QDate(2008, 11, 1); };
    }
    zarvik::RandomDraw random{0xDEADBEEF, 0xFEEDF00D};
    zarvik::AppContext context{random};
};

TEST(Startup, CreatesTheWindowsInOrderLauncherFirst) {
    ProgramRun run;
    QStringList order;
    bool launcherReadyAlone = false;
    const zarvik::Windows* windows = nullptr;
    zarvik::StartedWindows started(run.context, [&](QWidget* window) {
        order << window->objectName();
        if (order.size() == 1) {
            // The launcher's creation handler has run before any other window exists.
            auto* panel2 = window->findChild<QLabel*>(QStringLiteral("Panel2"));
            launcherReadyAlone = panel2 &&
                                 panel2->text() == QStringLiteral("Yayın tarihi: 01/10/2008") &&
                                 QApplication::topLevelWidgets().count(window) == 1;
        }
        EXPECT_TRUE(window->isHidden()) << window->objectName().toStdString();
    });
    windows = &started.windows();
    // The original windows first, in their order; a later family's follow.
    EXPECT_EQ(order.mid(0, 7), (QStringList{
                         QStringLiteral("FormZarvikAna"), QStringLiteral("FormZarvikSayilar"),
                         QStringLiteral("FormZarvikKesir"), QStringLiteral("FormZarvikAltAlta"),
                         QStringLiteral("FormZarvikAltAltaTamSayfa"),
                         QStringLiteral("FormZarvikEski"), QStringLiteral("FormZarvikEtkinlik")}));
    EXPECT_TRUE(launcherReadyAlone);
    EXPECT_TRUE(windows->ana);
    // Every window the launcher has a button for exists.
    for (const auto& [button, window] : windows->families)
        EXPECT_TRUE(window && windows->ana->findChild<QPushButton*>(button)) << button.toStdString();
}

TEST(Startup, SeedsTheSharedDrawOnceFromTheClock) {
    ProgramRun run;
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    zarvik::StartedWindows started(run.context);
    const qint64 after = QDateTime::currentSecsSinceEpoch();
    // Seeded exactly once and nothing drawn since: the state is that of a fresh
    // seed at one of the seconds start-up took.
    bool matches = false;
    for (qint64 t = before; t <= after; ++t) {
        zarvik::RandomDraw seeded;
        seeded.seed(t);
        matches = matches || (seeded.low() == run.random.low() && seeded.high() == 0 &&
                              run.random.high() == 0);
    }
    EXPECT_TRUE(matches) << run.random.low() << " " << run.random.high();
}

TEST(Startup, EveryWindowIsFixedAndCaptioned) {
    ProgramRun run;
    zarvik::StartedWindows started(run.context);
    const zarvik::Windows& w = started.windows();
    const std::pair<QWidget*, const char16_t*> windows[] = {{w.ana, u"Zarvik 2.05"},
                                                            {w.find<TFormZarvikSayilar>(), u"Sayı Alıştırmaları"},
                                                            {w.find<TFormZarvikKesir>(), u"Zarvik Kesir"},
                                                            {w.find<TFormZarvikAltAlta>(), u"Yarım Sayfa"},
                                                            {w.find<TFormZarvikAltAltaTamSayfa>(), u"Tam Sayfa"}};
    for (const auto& [window, caption] : windows) {
        EXPECT_EQ(window->windowTitle(), QString::fromUtf16(caption));
        EXPECT_EQ(window->minimumSize(), window->maximumSize())
            << window->objectName().toStdString();
    }
}

TEST(Startup, LauncherButtonsShowWindowsThatKeepTheirState) {
    ProgramRun run;
    zarvik::StartedWindows started(run.context);
    const zarvik::Windows& w = started.windows();
    int closed = 0;
    QObject::connect(w.ana, &TFormZarvikAna::closed, [&] { ++closed; });
    w.ana->show();

    for (const auto& [name, window] : w.families) {
        EXPECT_TRUE(window->isHidden()) << name.toStdString();
        w.ana->findChild<QPushButton*>(name)->click();
        EXPECT_TRUE(window->isVisible()) << name.toStdString();
    }

    // The text window: a kind and a count survive closing and showing again.
    w.find<TFormZarvikEski>()->findChild<QAction*>(QStringLiteral("kidenfazlasayiletoplama1"))->trigger();
    w.find<TFormZarvikEski>()->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("12"));
    auto* eskiButton = w.ana->findChild<QPushButton*>(QStringLiteral("ButtonEski"));
    eskiButton->click();  // a second press only brings it to the front
    EXPECT_TRUE(w.find<TFormZarvikEski>()->isVisible());
    EXPECT_TRUE(w.find<TFormZarvikEski>()->close());
    EXPECT_TRUE(w.find<TFormZarvikEski>()->isHidden());
    eskiButton->click();
    EXPECT_TRUE(w.find<TFormZarvikEski>()->isVisible());
    EXPECT_EQ(w.find<TFormZarvikEski>()->kindCode(), 105);
    EXPECT_EQ(w.find<TFormZarvikEski>()->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(), QStringLiteral("12"));

    // Closing any window but the launcher ends nothing.
    for (const auto& [name, window] : w.families)
        window->close();
    EXPECT_EQ(closed, 0);
    w.ana->close();
    EXPECT_EQ(closed, 1);
}

}  // namespace
