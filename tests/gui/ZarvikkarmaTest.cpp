// The "Karma Sayfa" window: its sheet and class set are zarvik-cli sheet's
// for the same preset and draw, a saved file gives the sheet shown again,
// sections are edited with their family's own choices, and a section that
// would repeat exercises is asked about before anything is drawn.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "column_worksheets/core/ColumnGenerators.h"
#include "common/windows/ClassSetDialog.h"
#include "common/render/PageRenderer.h"
#include "gui/RecordingOutput.h"
#include "mixed_sheets/core/PresetLibrary.h"
#include "mixed_sheets/windows/Zarvikkarma.h"
#include "text_worksheets/core/TextPages.h"

using namespace zarvik;

namespace {

constexpr int64_t kTime = 1733788800;

class KarmaWindow : public ::testing::Test {
  protected:
    KarmaWindow() : context{random}, window(context) {
        context.pageOutput = &output;
        window.clock = [] { return kTime; };
        window.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("Ayşe"));
        window.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QStringLiteral("10/12/2024"));
    }

    void press(const char* button) {
        window.findChild<QPushButton*>(QString::fromLatin1(button))->click();
    }

    // The window's sheet as zarvik-cli sheet --json writes it.
    QByteArray sheetJson() {
        MixedSheetSource* sheet = window.sheet();
        return (u'{' + sheet->sheetJsonFields() + QStringLiteral(",\"exercises\":") +
                exercisesJson(sheet->sheetExercises()) + QStringLiteral("}\n"))
            .toUtf8();
    }

    static QByteArray cliJson(const QStringList& more) {
        const test::CliResult run = test::runCli(
            QStringList{QStringLiteral("sheet")} + more +
            QStringList{"--json", "--teacher", "Ayşe", "--date", "10/12/2024"});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return run.out;
    }

    static QString pdfText(const QString& path) {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    RandomDraw random;
    test::SetOutput output;
    AppContext context;
    TFormZarvikKarma window;
    QTemporaryDir folder;
};

SheetPreset oneSection(const QStringList& args, int count, bool regroup = false) {
    SheetPreset preset;
    preset.sections.push_back({args, count, {}, regroup, false});
    return preset;
}

}  // namespace

TEST_F(KarmaWindow, SheetsAreTheCommandsAndASavedFileGivesTheSheetShownAgain) {
    const QString shipped = presetPath(QStringLiteral("3-sinif-12-hafta"));
    window.openPreset(shipped);
    press("ButtonHazirla");
    ASSERT_NE(window.sheet(), nullptr);
    EXPECT_EQ(window.sheetTime(), kTime);
    EXPECT_EQ(sheetJson(), cliJson({shipped, "--time", QString::number(kTime)}));
    press("ButtonBak");
    ASSERT_EQ(output.previews.size(), 1u);
    EXPECT_EQ(output.previews[0].size(), 1u);
    // The preview's "HTML olarak kaydet" writes the sheet shown, zarvik-cli's
    // page for the same draw, its sections' headings in it.
    const QString windowHtml = folder.filePath(QStringLiteral("pencere.html"));
    ASSERT_TRUE(output.saveSheetHtml);
    output.saveSheetHtml(windowHtml);
    const QString cliHtml = folder.filePath(QStringLiteral("komut.html"));
    ASSERT_EQ(test::runCli({"sheet", shipped, "--time", QString::number(kTime), "-o", cliHtml})
                  .exitCode,
              0);
    QFile mine(windowHtml), theirs(cliHtml);
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly) && theirs.open(QIODevice::ReadOnly));
    const QByteArray page = mine.readAll();
    EXPECT_EQ(page, theirs.readAll());
    EXPECT_EQ(page.count("<h2>"), qsizetype(window.sheet()->parts().size()));

    // Another press, another sheet, even within the same second; saved with
    // its time, the file gives it again.
    const QByteArray first = sheetJson();
    press("ButtonHazirla");
    EXPECT_EQ(window.sheetTime(), kTime + 1);
    EXPECT_NE(sheetJson(), first);
    const QString saved = folder.filePath(QStringLiteral("hafta.zarvik"));
    window.savePreset(saved);
    EXPECT_EQ(readPresetFile(saved).time, kTime + 1);
    EXPECT_EQ(sheetJson(), cliJson({saved}));

    // Opened, its time is the next preparation's.
    window.openPreset(saved);
    press("ButtonHazirla");
    EXPECT_EQ(window.sheetTime(), kTime + 1);

    // A class set from the window is zarvik-cli's set from the same time.
    ClassSetChoice choice;
    choice.sheets = 3;
    choice.answerKey = true;
    ASSERT_TRUE(window.openClassSetDialog().prepare(choice));
    const std::vector<Page>& pages = window.classSetPages();
    std::vector<const Page*> all;
    for (const Page& page : pages)
        all.push_back(&page);
    const QString windowPdf = folder.filePath(QStringLiteral("pencere.pdf"));
    writePdf(all, windowPdf);
    const QString cliPdf = folder.filePath(QStringLiteral("komut.pdf"));
    const test::CliResult set = test::runCli({"sheet", shipped, "--time", QString::number(kTime + 2),
                                              "--sheets", "3", "--answer-key", "--teacher", "Ayşe",
                                              "--date", "10/12/2024", "-o", cliPdf});
    ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();
    EXPECT_EQ(pdfText(windowPdf), pdfText(cliPdf));
    EXPECT_TRUE(pdfText(cliPdf).contains(QStringLiteral("30) ")));
}

TEST_F(KarmaWindow, SectionsAreEditedWithTheirFamilysCaptionsAndLists) {
    window.setPreset(oneSection({"column", "--op", "Toplama", "--prop", "Eldesiz Toplama"}, 10));
    std::vector<SectionField> fields = window.shownFields();
    ASSERT_GE(fields.size(), 3u);
    EXPECT_EQ(fields[0].caption, QStringLiteral("İşlem :"));
    EXPECT_EQ(fields[0].items, columnOperations());
    EXPECT_EQ(fields[2].caption, QStringLiteral("En fazla kaç basamaklı olsun?"));
    EXPECT_EQ(fields[2].value, QStringLiteral("2"));  // the A4 window's default

    // Another operation brings its properties and their questions.
    window.changeField(0, QStringLiteral("Çıkarma"));
    QCoreApplication::processEvents();
    fields = window.shownFields();
    EXPECT_EQ(fields[1].items, columnProperties(u"Çıkarma"));
    ASSERT_EQ(fields.size(), 4u);  // "En büyük sayı kaç olsun?" and the zeros question
    window.changeField(2, QStringLiteral("5"));
    window.changeField(3, QStringLiteral("Evet"));
    EXPECT_EQ(window.preset().sections[0].args,
              (QStringList{"column", "--op", "Çıkarma", "--prop", "Tek Basamaklı Sayılarla",
                           "--answers", "5;e"}));

    // A text section: another kind, other lists.
    window.addSection({"text", "101", "--p1", "3"});
    window.changeField(0, textSheetTitle(402));
    QCoreApplication::processEvents();
    fields = window.shownFields();
    ASSERT_EQ(fields.size(), 4u);
    EXPECT_EQ(fields[1].caption, QStringLiteral("Bölünen en fazla kaç basamaklı olsun?"));
    EXPECT_EQ(fields[3].items, (QStringList{"Evet", "Hayır"}));

    // Duplicated, moved and removed as the buttons do.
    window.duplicateSection();
    window.moveSection(-1);
    window.moveSection(-1);
    std::vector<PresetSection> sections = window.preset().sections;
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[0].args.value(1), QStringLiteral("402"));
    EXPECT_EQ(sections[1].args.value(0), QStringLiteral("column"));
    EXPECT_EQ(sections[2], sections[0]);
    window.removeSection();
    sections = window.preset().sections;
    ASSERT_EQ(sections.size(), 2u);
    EXPECT_EQ(sections[0].args.value(0), QStringLiteral("column"));

    // Saved and opened again, the same preset.
    const QString saved = folder.filePath(QStringLiteral("iki.zarvik"));
    window.savePreset(saved);
    TFormZarvikKarma other(context);
    other.openPreset(saved);
    EXPECT_EQ(other.preset().sections, sections);
}

TEST_F(KarmaWindow, ASectionThatWouldRepeatIsAskedAboutBeforeDrawing) {
    window.setPreset(oneSection(
        {"column", "--op", "Toplama", "--prop", "Tek Basamaklı Sayılarla", "--answers", "9;h"}, 60, true));
    QStringList asked;
    window.ask = [&](const QString& question) {
        asked << question;
        return false;
    };
    press("ButtonHazirla");
    EXPECT_EQ(window.sheet(), nullptr);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].contains(QStringLiteral("yalnız 45 farklı"))) << asked[0].toStdString();
    EXPECT_FALSE(window.preset().sections[0].repeat);

    window.ask = [](const QString&) { return true; };
    press("ButtonHazirla");
    ASSERT_NE(window.sheet(), nullptr);
    EXPECT_EQ(window.sheet()->sheetExercises().size(), 60u);
    EXPECT_TRUE(window.preset().sections[0].repeat);
}

TEST_F(KarmaWindow, FitsASmallScreen) {
    window.show();
    EXPECT_LE(window.width(), 1366);
    EXPECT_LE(window.height(), 700);
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isVisible() || child->parentWidget() != &window) continue;
        EXPECT_TRUE(window.rect().contains(child->geometry())) << child->objectName().toStdString();
    }
}
