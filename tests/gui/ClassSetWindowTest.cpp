// Class sets from the printed-worksheet windows: the set a window makes is
// zarvik-cli's set for the same draw and choices (compared as the texts of
// the PDF pages), "Yazdır" sends it as one job, half-page sheets go two to an
// A4 landscape page, and a refused class list changes nothing.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "ModalBoxes.h"
#include "TestSupport.h"
#include "column_worksheets/core/ScriptedQuestions.h"
#include "column_worksheets/windows/Zarvikaltalta.h"
#include "column_worksheets/windows/Zarvikaltaltatamsayfa.h"
#include "common/windows/ClassSetDialog.h"
#include "common/render/PageRenderer.h"
#include "common/render/TextFit.h"
#include "fractions/windows/Zarvikkesir.h"
#include "gui/RecordingOutput.h"
#include "numbers/windows/Zarviksayilar.h"

using namespace zarvik;

namespace {

constexpr int64_t kTime = 1222833600;

using test::SetOutput;

class SilentMessages : public MessageSink {
  public:
    void showMessage(const QString&) override {}
};

// The text of every page of a PDF, pages separated by form feeds.
QString pdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pagesText(const std::vector<Page>& pages, const QString& path) {
    std::vector<const Page*> all;
    for (const Page& page : pages)
        all.push_back(&page);
    writePdf(all, path);
    return pdfText(path);
}

class ClassSetWindow : public ::testing::Test {
  protected:
    ClassSetWindow() : context{random} {
        context.today = [] { return QDate(2008, 10, 1); };
        context.pageOutput = &output;
    }

    template <typename T>
    static T* child(QObject* parent, const char* name) {
        T* found = parent->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static void pick(QWidget* window, const char* list, const QString& item) {
        auto* box = child<QComboBox>(window, list);
        const int index = box->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    QString writeList(const QByteArray& bytes) {
        const QString path = folder.filePath(QStringLiteral("sinif.txt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    // Opens "Sınıf seti…" and prepares the set with these choices.
    ClassSetDialog& prepareSet(PrintedWorksheetWindow& window, int sheets, bool key,
                               bool twoUp = false, const QString& classList = {}) {
        child<QPushButton>(&window, "ButtonSinifSeti")->click();
        auto& dialog = *window.findChild<ClassSetDialog*>();
        child<QSpinBox>(&dialog, "SheetCount")->setValue(sheets);
        if (!classList.isEmpty()) dialog.chooseClassList(classList);
        child<QCheckBox>(&dialog, "AnswerKeyBox")->setChecked(key);
        if (auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("TwoUpBox")))
            box->setChecked(twoUp);
        child<QPushButton>(&dialog, "SetPrepareButton")->click();
        return dialog;
    }

    // The window's set against zarvik-cli's, page by page.
    void expectSameAsCli(const std::vector<Page>& pages, QStringList arguments) {
        const QString cliPdf = folder.filePath(QStringLiteral("cli.pdf"));
        arguments << QStringLiteral("--time") << QString::number(kTime) << QStringLiteral("--date")
                  << QStringLiteral("01/10/2008") << QStringLiteral("-o") << cliPdf;
        const auto result = test::runCli(arguments);
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        const QString window = pagesText(pages, folder.filePath(QStringLiteral("window.pdf")));
        EXPECT_FALSE(window.trimmed().isEmpty());
        EXPECT_EQ(window, pdfText(cliPdf));
    }

    QTemporaryDir folder;
    RandomDraw random;
    AppContext context;
    SetOutput output;
};

TEST_F(ClassSetWindow, ColumnSetsAreTheCommandsSetsAndPrintAsOneJob) {
    for (const bool half : {true, false}) {
        SCOPED_TRACE(half ? "half page" : "full page");
        std::unique_ptr<ColumnWorksheetWindow> window;
        if (half)
            window = std::make_unique<TFormZarvikAltAlta>(context);
        else
            window = std::make_unique<TFormZarvikAltAltaTamSayfa>(context);
        // The question is asked once, for the first sheet.
        ScriptedQuestions questions({QStringLiteral("3")});
        window->setQuestions(&questions);
        EXPECT_FALSE(child<QPushButton>(window.get(), "ButtonSinifSeti")->isEnabled());
        pick(window.get(), "ComboBox1", QStringLiteral("Toplama"));
        pick(window.get(), "ComboBox2", QStringLiteral("Eldeli sayılarla karışık"));
        EXPECT_TRUE(child<QPushButton>(window.get(), "ButtonSinifSeti")->isEnabled());
        child<QLineEdit>(window.get(), "Edit1")->setText(QStringLiteral("Ayşe Öğretmen"));
        random.seed(kTime);
        const QString list = writeList("Ali Veli\nZeynep Çınar\nİsmail Şahin\n");
        ClassSetDialog& dialog = prepareSet(*window, 1, true, half, list);
        EXPECT_EQ(questions.asked().size(), 1);

        const std::vector<Page> pages = window->classSetPages();
        // Three pupils: two two-up pages (the last pupil's sheet beside a
        // blank half) or three A4 sheets, then one key page.
        ASSERT_EQ(pages.size(), half ? 3u : 4u);
        if (half) {
            EXPECT_EQ(pages[0].paper(), Paper::A4Landscape);
            EXPECT_EQ(pages[0].paperWidth(), 2970.0);
        }
        EXPECT_EQ(pages.back().paper(), Paper::A4);
        QStringList arguments{QStringLiteral("column"),
                              QStringLiteral("--page"),
                              half ? QStringLiteral("a5") : QStringLiteral("a4"),
                              QStringLiteral("--op"),
                              QStringLiteral("Toplama"),
                              QStringLiteral("--prop"),
                              QStringLiteral("Eldeli sayılarla karışık"),
                              QStringLiteral("--answers"),
                              QStringLiteral("3"),
                              QStringLiteral("--teacher"),
                              QStringLiteral("Ayşe Öğretmen"),
                              QStringLiteral("--names"),
                              list,
                              QStringLiteral("--answer-key")};
        if (half) arguments << QStringLiteral("--two-up");
        expectSameAsCli(pages, arguments);

        child<QPushButton>(&dialog, "SetPrintButton")->click();
        ASSERT_EQ(output.jobs.size(), 1u);
        EXPECT_EQ(output.jobs[0].size(), pages.size());
        child<QPushButton>(&dialog, "SetLookButton")->click();
        ASSERT_EQ(output.previews.size(), 1u);
        EXPECT_EQ(output.previews[0].size(), pages.size());
        output.jobs.clear();
        output.previews.clear();
        dialog.close();
    }
}

TEST_F(ClassSetWindow, FractionAndNumberSetsAreTheCommandsSets) {
    {
        TFormZarvikKesir window(context);
        pick(&window, "ComboBox1", QStringLiteral("Toplama"));
        pick(&window, "ComboBox2", QStringLiteral("Basit Kesir"));
        pick(&window, "ComboBox3", QStringLiteral("Paydaları Eşit"));
        random.seed(kTime);
        prepareSet(window, 4, true);
        EXPECT_EQ(window.classSetPages().size(), 5u);
        expectSameAsCli(
            window.classSetPages(),
            {QStringLiteral("fraction"), QStringLiteral("--op"), QStringLiteral("Toplama"),
             QStringLiteral("--type"), QStringLiteral("Basit Kesir"),
             QStringLiteral("--denominators"), QStringLiteral("Paydaları Eşit"),
             QStringLiteral("--sheets"), QStringLiteral("4"), QStringLiteral("--answer-key")});
    }
    {
        TFormZarvikSayilar window(context);
        SilentMessages messages;
        window.setMessageSink(&messages);
        const auto* kinds = child<QComboBox>(&window, "ComboBox1");
        const QString kind = kinds->itemText(0);
        pick(&window, "ComboBox1", kind);
        pick(&window, "ComboBox2", child<QComboBox>(&window, "ComboBox2")->itemText(1));
        const QString digits = child<QComboBox>(&window, "ComboBox3")->currentText();
        const QString columns = child<QComboBox>(&window, "ComboBox2")->currentText();
        random.seed(kTime);
        prepareSet(window, 3, false);
        // "Sayı Okuma" takes several pages a sheet, the same for each.
        EXPECT_EQ(window.classSetPages().size() % 3, 0u);
        EXPECT_GT(window.classSetPages().size(), 3u);
        expectSameAsCli(window.classSetPages(),
                        {QStringLiteral("numbers"), QStringLiteral("--kind"), kind,
                         QStringLiteral("--digits"), digits, QStringLiteral("--columns"), columns,
                         QStringLiteral("--sheets"), QStringLiteral("3")});
    }
}

TEST_F(ClassSetWindow, WebPagesOfTheSetAreTheCommandsPages) {
    TFormZarvikKesir window(context);
    pick(&window, "ComboBox1", QStringLiteral("Toplama"));
    pick(&window, "ComboBox2", QStringLiteral("Tam Sayılı Kesir"));
    pick(&window, "ComboBox3", QStringLiteral("Paydaları Farklı"));
    random.seed(kTime);
    const QString list = writeList("Ali Veli\nZeynep Çınar\n");
    ClassSetDialog& dialog = prepareSet(window, 1, true, false, list);
    const QString mine = folder.filePath(QStringLiteral("window"));
    dialog.askHtmlFolder = [&](QWidget*) { return mine; };
    child<QPushButton>(&dialog, "SetHtmlButton")->click();
    dialog.close();

    const QString theirs = folder.filePath(QStringLiteral("cli/"));
    const auto result = test::runCli(
        {QStringLiteral("fraction"), QStringLiteral("--op"), QStringLiteral("Toplama"),
         QStringLiteral("--type"), QStringLiteral("Tam Sayılı Kesir"),
         QStringLiteral("--denominators"), QStringLiteral("Paydaları Farklı"),
         QStringLiteral("--names"), list, QStringLiteral("--answer-key"), QStringLiteral("--time"),
         QString::number(kTime), QStringLiteral("-o"), theirs, QStringLiteral("--html")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QStringList files = QDir(theirs).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files, QStringList({"Ali-Veli.html", "Cevap-Anahtari.html", "Zeynep-Cinar.html"}));
    EXPECT_EQ(QDir(mine).entryList(QDir::Files, QDir::Name), files);
    for (const QString& name : files) {
        QFile a(QDir(mine).filePath(name)), b(QDir(theirs).filePath(name));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        EXPECT_EQ(a.readAll(), b.readAll()) << name.toStdString();
    }
}

TEST_F(ClassSetWindow, RefusedClassListIsShownAndChangesNothing) {
    TFormZarvikKesir window(context);
    pick(&window, "ComboBox1", QStringLiteral("Çarpma"));
    pick(&window, "ComboBox2", QStringLiteral("Basit Kesir"));
    random.seed(kTime);
    ClassSetDialog& dialog = prepareSet(window, 2, false);
    const std::vector<Page> before = window.classSetPages();
    ASSERT_EQ(before.size(), 2u);
    const ClassSetChoice choice = dialog.choice();
    test::ModalBoxes boxes;
    for (const QByteArray& bad : {QByteArray("\n \n"), QByteArray("Ali\nVe\x01li")}) {
        dialog.chooseClassList(writeList(bad));
        EXPECT_EQ(dialog.choice().sheets, choice.sheets);
        EXPECT_TRUE(dialog.choice().names.isEmpty());
        EXPECT_TRUE(child<QPushButton>(&dialog, "SetLookButton")->isEnabled());
    }
    ASSERT_EQ(boxes.texts.size(), 2);
    EXPECT_TRUE(boxes.texts[0].contains(QStringLiteral("boş"))) << boxes.texts[0].toStdString();
    EXPECT_TRUE(boxes.texts[1].contains(QStringLiteral("2. satır")));
    EXPECT_EQ(window.classSetPages().size(), before.size());
    dialog.close();
}

// A list typed or pasted into the dialog makes the set, a long name is
// fitted rather than refused, and the list is there in every window's dialog
// for the rest of the run.
TEST_F(ClassSetWindow, TypedClassListServesEveryWindowForTheRun) {
    const QString longName =
        QStringLiteral("Ayşe Gülizar Karaosmanoğlu Büyükçekmeceli Değirmenciler");
    TFormZarvikKesir fractions(context);
    pick(&fractions, "ComboBox1", QStringLiteral("Çarpma"));
    pick(&fractions, "ComboBox2", QStringLiteral("Basit Kesir"));
    child<QPushButton>(&fractions, "ButtonSinifSeti")->click();
    auto& dialog = *fractions.findChild<ClassSetDialog*>();
    auto* typed = child<QPlainTextEdit>(&dialog, "ClassListText");
    typed->setPlainText(QStringLiteral("Ali Veli\n\n  ") + longName + QStringLiteral("\nZeynep\n"));
    EXPECT_TRUE(child<QRadioButton>(&dialog, "ClassListChoice")->isChecked());
    EXPECT_TRUE(child<QLabel>(&dialog, "ClassListLabel")->text().contains(u'3'));
    random.seed(kTime);
    child<QPushButton>(&dialog, "SetPrepareButton")->click();
    const std::vector<Page> pages = fractions.classSetPages();
    ASSERT_EQ(pages.size(), 3u);
    const Page printed = fitPageTexts(pages[1]);
    EXPECT_TRUE(printed.cell(u"PupilName").text.endsWith(u'…') ||
                printed.cell(u"PupilName").text == longName);
    EXPECT_TRUE(longName.startsWith(QString(printed.cell(u"PupilName").text).remove(u'…')));

    // A control character is refused, naming its line; nothing changes.
    test::ModalBoxes boxes;
    typed->setPlainText(QStringLiteral("Ali\nVeli\tKaya"));
    child<QPushButton>(&dialog, "SetPrepareButton")->click();
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].contains(QStringLiteral("2. satır")));
    EXPECT_EQ(fractions.classSetPages().size(), 3u);
    typed->setPlainText(QStringLiteral("Ali\nVeli"));
    dialog.close();

    TFormZarvikAltAltaTamSayfa column(context);
    pick(&column, "ComboBox1", QStringLiteral("Toplama"));
    pick(&column, "ComboBox2", QStringLiteral("Tek Basamaklı Sayılarla"));
    child<QPushButton>(&column, "ButtonSinifSeti")->click();
    auto& other = *column.findChild<ClassSetDialog*>();
    EXPECT_EQ(child<QPlainTextEdit>(&other, "ClassListText")->toPlainText(),
              QStringLiteral("Ali\nVeli"));
    EXPECT_EQ(other.choice().names, (QStringList{QStringLiteral("Ali"), QStringLiteral("Veli")}));
    other.close();
}

}  // namespace
