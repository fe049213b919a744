// Mixed sheets on paper, for every shipped preset on A4 and on A5: every
// exercise whole on one page, in order, between the header and the footer,
// none touching another or a heading, no heading left alone at a page's
// foot, nothing near the paper's edge; several pages numbered.

#include <gtest/gtest.h>

#include <QRectF>
#include <map>
#include <set>

#include "PageRules.h"
#include "common/render/PageRenderer.h"
#include "common/render/TextFit.h"
#include "mixed_sheets/core/MixedSheetSource.h"
#include "mixed_sheets/core/PresetLibrary.h"

namespace zarvik {
namespace {

class NoMessages : public MessageSink {
  public:
    void showMessage(const QString&) override {}
};

std::vector<Page> pagesOf(SheetPreset preset, int64_t time) {
    NoMessages messages;
    MixedSheetSource source(std::move(preset), {QStringLiteral("Ayşe Öğretmen"), QStringLiteral("10/12/2024")},
                            messages);
    RandomDraw random;
    random.seed(time);
    source.prepareNext(random);
    std::vector<Page> pages;
    source.sheetPages([&](Page&& page) { pages.push_back(std::move(page)); });
    return pages;
}

// Exercise N's box: every cell named "EN.…".
std::map<int, QRectF> exerciseBoxes(const Page& page) {
    std::map<int, QRectF> boxes;
    for (const Cell& cell : page.cells()) {
        if (!cell.name.startsWith(u'E') || !cell.name.contains(u'.')) continue;
        const int number = cell.name.mid(1, cell.name.indexOf(u'.') - 1).toInt();
        const QRectF r(cell.left, cell.top, cell.width, cell.height);
        boxes[number] = boxes.count(number) ? boxes[number].united(r) : r;
    }
    return boxes;
}

void expectSoundPages(const std::vector<Page>& pages, int exercises) {
    int next = 1;
    for (size_t p = 0; p < pages.size(); ++p) {
        const Page& page = pages[p];
        SCOPED_TRACE(page.name().toStdString());
        test::expectInsideBand(page);
        test::expectFrameAroundProblems(page, u"HeaderStrip", u"FooterStrip");
        // Nothing within 5 mm of the paper's edge: the page is not shrunk.
        EXPECT_DOUBLE_EQ(printableAreaScale(fitPageTexts(page)), 1.0);
        EXPECT_EQ(page.has(u"PageNumber"), pages.size() > 1);
        if (pages.size() > 1) {
            EXPECT_EQ(page.cell(u"PageNumber").text, QStringLiteral("%1/%2").arg(p + 1).arg(pages.size()));
        }
        const std::map<int, QRectF> boxes = exerciseBoxes(page);
        for (const auto& [number, box] : boxes) {
            EXPECT_EQ(number, next++);
            for (const auto& [other, otherBox] : boxes)
                if (other > number) {
                    EXPECT_FALSE(box.intersects(otherBox)) << number << " and " << other;
                }
        }
        double lastHeading = -1;
        for (const Cell& cell : page.cells()) {
            if (!cell.name.startsWith(QStringLiteral("Heading"))) continue;
            lastHeading = std::max(lastHeading, cell.top);
            const QRectF heading(cell.left, cell.top, cell.width, cell.height);
            for (const auto& [number, box] : boxes)
                EXPECT_FALSE(heading.intersects(box)) << cell.name.toStdString() << " and " << number;
        }
        // The last heading of a page has an exercise under it.
        if (lastHeading >= 0) {
            bool below = false;
            for (const auto& [number, box] : boxes)
                below = below || box.top() > lastHeading;
            EXPECT_TRUE(below);
        }
    }
    EXPECT_EQ(next, exercises + 1);
}

TEST(MixedPages, ShippedPresetsOnA4AndA5) {
    const std::vector<ShippedPreset> shipped = shippedPresets();
    ASSERT_GE(shipped.size(), 4u);
    std::set<int> grades;
    for (const ShippedPreset& file : shipped) {
        SCOPED_TRACE(file.name.toStdString());
        grades.insert(file.grade);
        SheetPreset preset = readPresetFile(file.path);
        int count = 0;
        for (const PresetSection& s : preset.sections)
            count += s.count;
        for (const Paper paper : {Paper::A4, Paper::A5}) {
            preset.paper = paper;
            const std::vector<Page> pages = pagesOf(preset, 1733788800);
            expectSoundPages(pages, count);
            EXPECT_EQ(pages.front().paper(), paper);
        }
    }
    EXPECT_EQ(grades, (std::set<int>{1, 2, 3, 4}));
}

TEST(MixedPages, ALongSectionRunsOnToFurtherPages) {
    SheetPreset preset;
    preset.title = QStringLiteral("Uzun bir başlık ") + QString(20, u'x');
    preset.sections = {{{"activity", "--kind", "Saat Okuma"}, 30, {}, false, true},
                       {{"numbers", "--kind", "Sayı Okuma", "--digits", "9"}, 20, {}, false, false},
                       {{"column", "--op", "Bölme", "--prop", "İleri seviye bölme (3-4-5. sınıf)", "--answers", "6;3;e"},
                        30, {}, false, false}};
    const std::vector<Page> pages = pagesOf(preset, 5);
    EXPECT_GE(pages.size(), 4u);
    expectSoundPages(pages, 80);
}

}  // namespace
}  // namespace zarvik
