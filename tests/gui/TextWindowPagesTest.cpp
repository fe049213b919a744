// The text window on paper: "Bak" and "Yazdır" show the exercises the last
// "Ödev Hazırla >>" wrote to Zarvik.txt, and "Sınıf seti…" writes the set as
// zarvik-cli does and prints all its pages as one job.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include "TestSupport.h"
#include "common/windows/ClassSetDialog.h"
#include "common/core/Cp1254.h"
#include "common/render/PageRenderer.h"
#include "gui/ModalBoxes.h"
#include "gui/RecordingOutput.h"
#include "text_worksheets/core/TextCatalogue.h"
#include "text_worksheets/core/TextPages.h"
#include "text_worksheets/windows/Zarvikeski.h"

using namespace zarvik;

namespace {

constexpr int64_t kTime = 1222833600;

using test::SetOutput;

struct NoOpener : FileOpener {
    void open(const QString&) override {}
};

QString pdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A page's exercise as the file line: number, blanks and sign spacing gone.
QString asFileLine(QString printed) {
    printed.remove(QRegularExpression(QStringLiteral("^\\d+\\) ")));
    printed.remove(QRegularExpression(QStringLiteral("_+$")));
    printed.remove(u' ');
    printed.replace(u'x', u'X');
    return printed;
}

class TextWindowPages : public ::testing::Test {
  protected:
    TextWindowPages() : context{random} {
        context.today = [] { return QDate(2008, 10, 1); };
        context.pageOutput = &output;
    }
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previousFolder = QDir::currentPath();
        QDir::setCurrent(folder.path());
        window = std::make_unique<TFormZarvikEski>(context);
        window->setFileOpener(&opener);
        // A tick would draw between the sheets.
        child<QTimer>("Timer1")->stop();
    }
    void TearDown() override {
        window.reset();
        QDir::setCurrent(previousFolder);
    }

    template <typename T>
    T* child(const char* name, QObject* parent = nullptr) const {
        T* found = (parent ? parent : window.get())->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Kind 105 with its second-to-last items; the same options for zarvik-cli.
    QStringList chooseAddition(const QString& count) {
        window->findChild<QAction*>(findTextKind(105)->itemName)->trigger();
        child<QLineEdit>("Edit1")->setText(count);
        auto* first = child<QComboBox>("ComboBox1");
        auto* second = child<QComboBox>("ComboBox2");
        first->setCurrentIndex(first->count() - 2);
        second->setCurrentIndex(second->count() - 2);
        return {QStringLiteral("text"),    QStringLiteral("105"),
                QStringLiteral("--count"), count,
                QStringLiteral("--p1"),    first->currentText(),
                QStringLiteral("--p2"),    second->currentText(),
                QStringLiteral("--time"),  QString::number(kTime)};
    }

    QTemporaryDir folder;
    QString previousFolder;
    RandomDraw random;
    AppContext context;
    SetOutput output;
    NoOpener opener;
    std::unique_ptr<TFormZarvikEski> window;
};

TEST_F(TextWindowPages, LookAndPrintShowTheExercisesOfTheFile) {
    auto* look = child<QPushButton>("ButtonBak");
    auto* print = child<QPushButton>("ButtonYazdir");
    EXPECT_TRUE(look->isHidden());  // nothing but the menu before a kind
    EXPECT_EQ(child<QLineEdit>("EditTarih")->text(), QStringLiteral("01/10/2008"));
    chooseAddition(QStringLiteral("300"));
    EXPECT_FALSE(look->isHidden());
    EXPECT_FALSE(look->isEnabled());
    random.seed(kTime);
    child<QPushButton>("Button1")->click();
    ASSERT_TRUE(look->isEnabled());
    ASSERT_TRUE(print->isEnabled());

    // The teacher typed after the press still reaches the pages.
    child<QLineEdit>("EditOgretmen")->setText(QStringLiteral("Ayşe Öztürk"));
    look->click();
    ASSERT_EQ(output.previews.size(), 1u);
    const std::vector<Page>& pages = output.previews.front();
    ASSERT_GE(pages.size(), 2u);  // 300 exercises need more than one page
    QStringList printed;
    for (const Page& page : pages) {
        EXPECT_TRUE(page.cell(u"TeacherLabel"_qs).text.contains(QStringLiteral("Ayşe Öztürk")));
        for (int i = 1; page.has(textExerciseCell(i)); ++i)
            printed << asFileLine(page.cell(textExerciseCell(i)).text);
    }
    const QStringList fileLines = fromCp1254(test::readFile(QStringLiteral("Zarvik.txt")))
                                      .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    EXPECT_EQ(fileLines.size(), 300);
    EXPECT_EQ(printed, fileLines);

    print->click();
    ASSERT_EQ(output.jobs.size(), 1u);
    EXPECT_EQ(output.jobs.front().size(), pages.size());
}

TEST_F(TextWindowPages, HugeCountsGoToTheFileOnly) {
    chooseAddition(QStringLiteral("20001"));
    child<QPushButton>("Button1")->click();
    EXPECT_FALSE(test::readFile(QStringLiteral("Zarvik.txt")).isEmpty());
    auto* look = child<QPushButton>("ButtonBak");
    EXPECT_FALSE(look->isEnabled());
    EXPECT_TRUE(look->toolTip().contains(QStringLiteral("20.000")))
        << look->toolTip().toStdString();
}

// The set's sheets go to Zarvik.txt, its key to Cevap-Anahtari.txt beside
// it, both as zarvik-cli writes them; the window's own sheet stays.
TEST_F(TextWindowPages, ClassSetIsTheCliSetWithItsKeyApartAndOnePrintJob) {
    const QStringList arguments = chooseAddition(QStringLiteral("40"));
    child<QPushButton>("Button1")->click();
    child<QPushButton>("ButtonBak")->click();
    ASSERT_EQ(output.previews.size(), 1u);
    const std::vector<Page> single = output.previews.front();

    random.seed(kTime);
    child<QPushButton>("ButtonSinifSeti")->click();
    auto* dialog = window->findChild<ClassSetDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QCheckBox*>(QStringLiteral("TwoUpBox")), nullptr);
    child<QSpinBox>("SheetCount", dialog)->setValue(3);
    child<QCheckBox>("AnswerKeyBox", dialog)->setChecked(true);
    test::ModalBoxes boxes;
    child<QPushButton>("SetPrepareButton", dialog)->click();
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join(u'|').toStdString();

    const QByteArray sheets = test::readFile(QStringLiteral("Zarvik.txt"));
    const QByteArray key = test::readFile(QStringLiteral("Cevap-Anahtari.txt"));
    EXPECT_FALSE(sheets.contains("CEVAP ANAHTARI"));
    EXPECT_TRUE(key.startsWith("CEVAP ANAHTARI\r\n"));
    EXPECT_TRUE(child<QLabel>("Label7")->text().contains(QStringLiteral("Cevap-Anahtari.txt")));
    const test::CliResult text =
        test::runCli(QStringList(arguments) << QStringLiteral("--sheets") << QStringLiteral("3")
                                            << QStringLiteral("--answer-key")
                                            << QStringLiteral("-o") << QStringLiteral("cli.txt"),
                     folder.path());
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    EXPECT_EQ(sheets, test::readFile(QStringLiteral("cli.txt")));
    EXPECT_EQ(key, test::readFile(QStringLiteral("cli-Cevap-Anahtari.txt")));

    child<QPushButton>("SetPrintButton", dialog)->click();
    ASSERT_EQ(output.jobs.size(), 1u);
    // Page by page the CLI's printed set for the same draw.
    const QString cliPdf = folder.filePath(QStringLiteral("cli.pdf"));
    const test::CliResult printed = test::runCli(
        QStringList(arguments) << QStringLiteral("--sheets") << QStringLiteral("3")
                               << QStringLiteral("--answer-key") << QStringLiteral("--date")
                               << QStringLiteral("01/10/2008") << QStringLiteral("-o") << cliPdf);
    ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();
    std::vector<const Page*> all;
    for (const Page& page : output.jobs.front())
        all.push_back(&page);
    const QString windowPdf = folder.filePath(QStringLiteral("window.pdf"));
    writePdf(all, windowPdf);
    const QString windowText = pdfText(windowPdf);
    EXPECT_TRUE(windowText.contains(QStringLiteral("3. sayfa")));  // the key's last block
    EXPECT_EQ(windowText, pdfText(cliPdf));
    // The window's "Bak" still shows the sheet it drew itself.
    child<QPushButton>("ButtonBak")->click();
    ASSERT_EQ(output.previews.size(), 2u);
    ASSERT_EQ(output.previews.back().size(), single.size());
    EXPECT_EQ(output.previews.back().front().cell(textExerciseCell(1)).text,
              single.front().cell(textExerciseCell(1)).text);
}

// Another kind's pages are not this kind's: "Bak" and "Yazdır" wait for the
// next "Ödev Hazırla >>".
TEST_F(TextWindowPages, AnotherKindDisablesLookAndPrintUntilTheNextPress) {
    chooseAddition(QStringLiteral("10"));
    child<QPushButton>("Button1")->click();
    auto* look = child<QPushButton>("ButtonBak");
    auto* print = child<QPushButton>("ButtonYazdir");
    ASSERT_TRUE(look->isEnabled());
    window->findChild<QAction*>(findTextKind(105)->itemName)->trigger();  // the same kind again
    EXPECT_TRUE(look->isEnabled());
    window->findChild<QAction*>(findTextKind(402)->itemName)->trigger();
    EXPECT_FALSE(look->isEnabled());
    EXPECT_FALSE(print->isEnabled());
    window->ButtonBakClick();
    window->ButtonYazdirClick();
    EXPECT_TRUE(output.previews.empty());
    EXPECT_TRUE(output.jobs.empty());
    child<QLineEdit>("Edit1")->setText(QStringLiteral("5"));
    child<QComboBox>("ComboBox1")->setCurrentText(QStringLiteral("4"));
    child<QComboBox>("ComboBox2")->setCurrentText(QStringLiteral("1"));
    child<QPushButton>("Button1")->click();
    EXPECT_TRUE(look->isEnabled());
    look->click();
    ASSERT_EQ(output.previews.size(), 1u);
    EXPECT_TRUE(output.previews.front().front().cell(textExerciseCell(1)).text.contains(u'÷'));
}

}  // namespace
