// Activity pages painted: the hands point where hour and minute say (the
// hour hand moved on by the minutes), the pupil's drawing page has no hands
// but its key does, and every kind's page keeps clear of the paper's edge.

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "PageRules.h"
#include "activities/core/ActivityPage.h"
#include "activities/core/ActivitySheetSource.h"
#include "activities/core/ActivityWorksheet.h"
#include "common/render/ClassSetPages.h"
#include "common/render/PageRenderer.h"

using namespace zarvik;

namespace {

constexpr int kDpi = 200;

Page clockPage(int hour, int minute, bool hands) {
    Page page(QStringLiteral("Clock"), Paper::A5);
    page.bandWidth = 1000;
    page.bandHeight = 1000;
    Cell face;
    face.name = QStringLiteral("Face");
    face.kind = CellKind::Clock;
    face.left = 100;
    face.top = 100;
    face.width = 800;
    face.height = 800;
    face.clock.hands = hands;
    face.clock.hour = hour;
    face.clock.minute = minute;
    page.add(face);
    return page;
}

// How dark the image is at a distance (fraction of the radius) along a
// direction, degrees clockwise from 12.
bool darkAt(const QImage& image, double degrees, double fraction) {
    const double scale = kDpi / 254.0;
    const double radius = 400 * scale;
    const double cx = 500 * scale, cy = 500 * scale;
    const double r = degrees * M_PI / 180;
    const int x = static_cast<int>(std::lround(cx + fraction * radius * std::sin(r)));
    const int y = static_cast<int>(std::lround(cy - fraction * radius * std::cos(r)));
    return qGray(image.pixel(x, y)) < 128;
}

}  // namespace

TEST(ActivityClock, HandsPointAtHourAndMinute) {
    struct Time {
        int hour, minute;
    };
    for (const Time t : {Time{3, 0}, Time{3, 30}, Time{9, 45}, Time{12, 10}, Time{6, 20}}) {
        SCOPED_TRACE(QStringLiteral("%1:%2").arg(t.hour).arg(t.minute).toStdString());
        const QImage image = renderImage(clockPage(t.hour, t.minute, true), kDpi);
        const double hourAngle = (t.hour % 12) * 30 + t.minute * 0.5;
        const double minuteAngle = t.minute * 6;
        // The short hand: dark half-way out along its angle, but not at the minute hand's length.
        EXPECT_TRUE(darkAt(image, hourAngle, 0.3));
        if (std::abs(std::remainder(hourAngle - minuteAngle, 360.0)) > 20) {
            EXPECT_FALSE(darkAt(image, hourAngle, 0.55));
        }
        // The long hand reaches further.
        EXPECT_TRUE(darkAt(image, minuteAngle, 0.55));
        // Nothing at the opposite side of the hour hand, inside the numbers.
        if (std::abs(std::remainder(hourAngle + 180 - minuteAngle, 360.0)) > 20) {
            EXPECT_FALSE(darkAt(image, hourAngle + 180, 0.3));
        }
    }
    // Without hands the middle stays white.
    const QImage empty = renderImage(clockPage(3, 0, false), kDpi);
    for (int degrees = 0; degrees < 360; degrees += 15)
        EXPECT_FALSE(darkAt(empty, degrees, 0.3)) << degrees;
}

TEST(ActivityPage, EveryKindKeepsClearOfThePaperEdge) {
    for (const ActivityKind& kind : activityKinds()) {
        SCOPED_TRACE(kind.name.toStdString());
        // The widest texts: the longest options.
        ActivityValues values = startValues(kind);
        if (kind.name == QStringLiteral("Basamak Değeri")) values = {QStringLiteral("9")};
        if (kind.name == QStringLiteral("Saat Çizme"))
            values = {QStringLiteral("1 dakika"), QStringLiteral("Yazıyla")};
        RandomDraw random;
        random.seed(1700000000);
        ActivityWorksheet sheet;
        sheet.prepare(
            {kind.name, values, QStringLiteral("Ayşe Öğretmen"), QStringLiteral("01/02/2025")},
            random);
        const Page key = sheet.keyPage();
        for (const Page* page : {&sheet.page(), &key}) {
            test::expectInsideBand(*page);
            const QImage image = renderImage(*page, 100);
            // 5 mm at 100 dpi.
            const int edge = static_cast<int>(std::ceil(5 / 25.4 * 100));
            int dark = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if ((x < edge || y < edge || x >= image.width() - edge ||
                         y >= image.height() - edge) &&
                        qGray(image.pixel(x, y)) < 250)
                        ++dark;
            EXPECT_EQ(dark, 0);
        }
        // The drawing page is for the pupil to draw on; its key has every hand.
        for (const Cell& cell : sheet.page().cells())
            if (cell.kind == CellKind::Clock) {
                EXPECT_EQ(cell.clock.hands, kind.handsOnPage);
            }
        for (const Cell& cell : key.cells())
            if (cell.kind == CellKind::Clock) {
                EXPECT_TRUE(cell.clock.hands);
            }
    }
}

// A class set of faces to draw on: its key holds, after the answer lines, each
// sheet's faces with the hands drawn, named like its block of answers.
TEST(ActivityPage, DrawingSetsKeyShowsEverySheetsHands) {
    const ActivityKind& kind = checkedActivityKind(QStringLiteral("Saat Çizme"));
    ActivityWorksheet worksheet;
    ActivitySheetSource source(worksheet, {kind.name, startValues(kind), {}, QStringLiteral("d")});
    ClassSetChoice choice;
    choice.names = {QStringLiteral("Ali Veli"), QStringLiteral("Ayşe Kaya")};
    choice.sheets = 2;
    choice.answerKey = true;
    RandomDraw random(5, 0);
    std::vector<Page> pages;
    makeClassSet(source, random, choice, [&](const Page& page) { pages.push_back(page); });
    ASSERT_GE(pages.size(), 5u);  // two sheets, the answer lines, two drawn keys
    const auto clocks = [](const Page& page, bool hands) {
        int count = 0;
        for (const Cell& cell : page.cells())
            if (cell.kind == CellKind::Clock && cell.clock.hands == hands) ++count;
        return count;
    };
    EXPECT_EQ(clocks(pages[0], false), 12);
    EXPECT_EQ(clocks(pages[1], false), 12);
    for (size_t k = 0; k < 2; ++k) {
        const Page& key = pages[pages.size() - 2 + k];
        EXPECT_EQ(clocks(key, true), 12);
        ASSERT_TRUE(key.has(u"PupilName"));
        EXPECT_EQ(key.cell(u"PupilName").text,
                  answerBlockHeading(static_cast<int>(k) + 1, choice.names[k]));
    }
}
