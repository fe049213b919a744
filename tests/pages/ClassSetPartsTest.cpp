// The parts of class sets: reading a class list, laying out answer keys,
// printing a pupil's name in the page's name field.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "common/core/AnswerKeyPages.h"
#include "common/core/ClassList.h"
#include "common/core/Limits.h"
#include "common/core/Cp1254.h"
#include "common/core/Errors.h"
#include "common/render/PupilName.h"
#include "common/render/TextFit.h"

using namespace zarvik;

namespace {

QString writeFile(QTemporaryDir& folder, const QByteArray& bytes) {
    const QString path = folder.filePath(QStringLiteral("sinif.txt"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

std::string refusal(const QByteArray& bytes) {
    try {
        parseClassList(bytes, QStringLiteral("sinif.txt"));
    } catch (const Error& e) {
        return e.message().toStdString();
    }
    return "accepted";
}

}  // namespace

TEST(ClassList, NamesInUtf8OrWindows1254) {
    const QString names = QStringLiteral("  Ayşe Yılmaz \r\n\r\nİsmail Çağlar\n\t\nÖzge Ünlü");
    const QStringList expected = {u"Ayşe Yılmaz"_qs, u"İsmail Çağlar"_qs, u"Özge Ünlü"_qs};
    EXPECT_EQ(parseClassList(names.toUtf8(), {}), expected);
    EXPECT_EQ(parseClassList("\xEF\xBB\xBF" + names.toUtf8(), {}), expected);  // with a BOM
    EXPECT_EQ(parseClassList(toCp1254(names), {}), expected);
    EXPECT_EQ(parseClassList("<b>Ali</b> & Veli", {}), QStringList{u"<b>Ali</b> & Veli"_qs});
}

TEST(ClassList, UnusableListsAreRefusedWithTheReason) {
    EXPECT_NE(refusal("").find("boş"), std::string::npos);
    EXPECT_NE(refusal(" \n\r\n  \n").find("boş"), std::string::npos);
    // A long name is no reason to refuse a class: it is fitted to the page.
    EXPECT_EQ(refusal("Ali\n" + QString(80, u'ş').toUtf8()), "accepted");
    EXPECT_NE(refusal("Ali\nVeli\nAli\x07Veli").find("3. satır"), std::string::npos);
    EXPECT_NE(refusal("Ali\x07Veli").find("denetim karakteri"), std::string::npos);
    EXPECT_NE(refusal("Ali\x1b[31mVeli").find("denetim"), std::string::npos);

    QTemporaryDir folder;
    EXPECT_THROW(readClassList(folder.filePath(QStringLiteral("yok.txt"))), FileError);
    EXPECT_THROW(readClassList(folder.path()), FileError);
    EXPECT_THROW(readClassList(writeFile(folder, QByteArray(2 * 1024 * 1024, 'a'))), FileError);
    EXPECT_EQ(readClassList(writeFile(folder, "Ali\nVeli\n")),
              (QStringList{u"Ali"_qs, u"Veli"_qs}));
}

TEST(AnswerKeyPages, ManySheetsShareAPageAndNothingIsLost) {
    std::vector<Page> pages;
    AnswerKeyPages key([&](const Page& page) { pages.push_back(page); });
    const int sheets = 30;
    for (int s = 1; s <= sheets; ++s) {
        AnswerBlock block{answerBlockHeading(s, s % 2 ? u"Ali Veli"_qs : QString()), {}};
        for (int i = 1; i <= 50; ++i)
            block.lines << QStringLiteral("%1) %2 + %3 = %4").arg(i).arg(s).arg(i).arg(s + i);
        key.add(block);
    }
    key.finish();
    ASSERT_GE(pages.size(), 3u);
    EXPECT_LE(pages.size(), 8u);  // several sheets' answers on every page
    int headings = 0, answers = 0;
    for (const Page& page : pages) {
        EXPECT_EQ(page.paper(), Paper::A4);
        double bottom = 0;
        for (const Cell& cell : page.cells()) {
            bottom = std::max(bottom, cell.top + cell.height);
            if (cell.name.startsWith(u"Heading"_qs)) ++headings;
            if (cell.name.startsWith(u"Answers"_qs)) answers += int(cell.text.count(u'\n') + 1);
        }
        EXPECT_LE(bottom, page.bandHeight);
    }
    EXPECT_EQ(headings, sheets);
    EXPECT_EQ(answers, sheets * 50);
    EXPECT_EQ(answerBlockHeading(3, u"Ali"_qs), u"3. sayfa: Ali"_qs);
}

TEST(AnswerKeyPages, ABlockLongerThanAPageGoesOn) {
    std::vector<Page> pages;
    AnswerKeyPages key([&](const Page& page) { pages.push_back(page); });
    AnswerBlock block{u"1. sayfa"_qs, {}};
    for (int i = 0; i < 2000; ++i)
        block.lines << QString(60, u'x');  // one column only
    key.add(block);
    key.finish();
    ASSERT_GT(pages.size(), 2u);
    int lines = 0;
    for (const Page& page : pages)
        for (const Cell& cell : page.cells())
            if (cell.name.startsWith(u"Answers"_qs)) lines += int(cell.text.count(u'\n') + 1);
    EXPECT_EQ(lines, 2000);
    EXPECT_TRUE(pages[1].cells()[1].text.endsWith(u"(devamı)"_qs));
}

TEST(PupilName, FitsBetweenTheNameCaptionAndTheNext) {
    Page page(u"p"_qs, Paper::A5);
    page.bandWidth = 1278;
    Cell caption;
    caption.name = u"QRLabel58"_qs;
    caption.kind = CellKind::Label;
    caption.left = fromDesignUnits(24);
    caption.font = {u"Comic Sans MS"_qs, 10, true, false};
    caption.text = u"Adı Soyadı:"_qs;
    page.add(caption);
    Cell next = caption;
    next.name = u"QRLabel59"_qs;
    next.left = fromDesignUnits(288);
    next.text = u"Sınıfı:"_qs;
    page.add(next);

    printPupilName(page, u"Ayşe"_qs);
    const Cell& name = page.cell(u"PupilName");
    EXPECT_EQ(name.text, u"Ayşe"_qs);
    EXPECT_GT(name.left, caption.left + 150);  // after the caption
    EXPECT_LT(name.left + name.width, next.left);
    EXPECT_EQ(name.font.pointSize, 10);

    // Shrunk when painted (and replaced, not added); see HeaderFooterFitTest.
    printPupilName(page, QString(30, u'Ğ'));
    EXPECT_EQ(page.cell(u"PupilName").text.size(), 30);
    EXPECT_TRUE(page.cell(u"PupilName").fit.cut);
    EXPECT_LT(fitPageTexts(page).cell(u"PupilName").font.pointSize, 10);
    // A name far longer than the room is printed smaller, then cut with "…".
    printPupilName(page, QString(200, u'Ğ'));
    const Cell fitted = fitPageTexts(page).cell(u"PupilName");
    EXPECT_TRUE(fitted.text.endsWith(u'…'));
    EXPECT_LT(fitted.text.size(), 200);
}
