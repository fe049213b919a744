// The real page output: the preview's "PDF olarak kaydet", printing without a
// printer, and a fraction page printed through the window's Yazdır on the
// default printer (a CUPS PDF queue in CI; skipped where there is none).

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QCoreApplication>
#include <QTimer>
#include <QToolBar>

#include "ModalBoxes.h"
#include "common/core/Errors.h"
#include "common/windows/PagePrinting.h"
#include "fractions/core/FractionPage.h"
#include "fractions/windows/Zarvikkesir.h"

namespace {

using namespace zarvik;

QString pdfInfo(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(PagePrinting, PreviewShowsOnePageAndSavesItAsPdf) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kaydedilen"));
    DesktopPageOutput output;
    output.askPdfPath = [&](QWidget*) { return path; };
    Page page = fractions::makeFractionPage();

    int pages = -1;
    bool saved = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        if (auto* preview = dialog->findChild<QPrintPreviewWidget*>()) pages = preview->pageCount();
        auto* save =
            dialog->findChild<QAction*>(QString::fromLatin1(DesktopPageOutput::kSavePdfActionName));
        if (save) {
            EXPECT_EQ(save->text(), QStringLiteral("PDF olarak kaydet"));
            save->trigger();
            saved = true;
        }
        dialog->reject();
    });
    output.preview(nullptr, page);
    EXPECT_TRUE(saved);
    EXPECT_EQ(pages, 1);
    // The suffix is added to a name typed without one.
    ASSERT_TRUE(QFile::exists(path + QStringLiteral(".pdf")));
    const QString info = pdfInfo(path + QStringLiteral(".pdf"));
    if (!info.isEmpty()) {
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +1\\n"))));
    }
}

// The preview opens on most of the screen with the page as wide as it goes
// (it once opened at 775 x 515, the page at 39 %); its save dialog proposes
// the sheet's own name in the folder the program was started from.
TEST(PagePrinting, PreviewIsLargeAndTheSaveDialogProposesTheSheetsName) {
    DesktopPageOutput output;
    Page page = fractions::makeFractionPage();
    page.suggestedFileName = QStringLiteral("Kesir-Toplama.pdf");

    QSize size, room;
    QPrintPreviewWidget::ZoomMode zoom = QPrintPreviewWidget::CustomZoom;
    QString proposedFolder;
    QStringList proposed;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        size = dialog->size();
        room = dialog->screen()->availableGeometry().size();
        if (auto* preview = dialog->findChild<QPrintPreviewWidget*>()) zoom = preview->zoomMode();
        QTimer::singleShot(0, [&] {
            if (auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                proposedFolder = files->directory().absolutePath();
                proposed = files->selectedFiles();
                files->reject();
            }
        });
        dialog->findChild<QAction*>(QString::fromLatin1(DesktopPageOutput::kSavePdfActionName))
            ->trigger();
        dialog->reject();
    });
    output.preview(nullptr, page);
    EXPECT_GE(size.width(), room.width() * 8 / 10);
    EXPECT_GE(size.height(), room.height() * 8 / 10);
    EXPECT_EQ(zoom, QPrintPreviewWidget::FitToWidth);
    EXPECT_EQ(proposedFolder, QDir::current().absolutePath());
    EXPECT_EQ(proposed, QStringList{QDir::current().absoluteFilePath(u"Kesir-Toplama.pdf"_qs)});
}

// The preview shows the sheet as it prints: Qt's own preview offers
// portrait, landscape and a page setup; ours none of them. Its document (the
// print dialog's proposed file, the job) is named after the sheet.
TEST(PagePrinting, PreviewHasNoLayoutOfItsOwnAndNamesTheSheet) {
    const auto layoutActions = [](const QPrintPreviewDialog& dialog) {
        const QStringList texts = {
            QCoreApplication::translate("QPrintPreviewDialog", "Portrait"),
            QCoreApplication::translate("QPrintPreviewDialog", "Landscape"),
            QCoreApplication::translate("QPrintPreviewDialog", "Page setup")};
        int found = 0;
        for (const QToolBar* toolbar : dialog.findChildren<QToolBar*>())
            for (const QAction* action : toolbar->actions())
                found += texts.contains(action->text());
        return found;
    };
    {
        QPrinter printer;
        const QPrintPreviewDialog plain(&printer);
        ASSERT_EQ(layoutActions(plain), 3);  // the texts are Qt's own
    }
    DesktopPageOutput output;
    Page page = fractions::makeFractionPage();
    page.suggestedFileName = QStringLiteral("Kesir-Toplama.pdf");
    int found = -1;
    QString document;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        found = layoutActions(*dialog);
        document = dialog->printer()->docName();
        dialog->reject();
    });
    output.preview(nullptr, page);
    EXPECT_EQ(found, 0);
    EXPECT_EQ(document, QStringLiteral("Kesir-Toplama"));
    EXPECT_EQ(printJobTitle({page}), QStringLiteral("Kesir-Toplama"));
    EXPECT_EQ(printJobTitle({fractions::makeFractionPage()}), QStringLiteral("Zarvik"));
}

TEST(PagePrinting, NoReachablePrinterIsReportedInTurkish) {
    // A print server that does not exist: no default printer can be found.
    cupsSetServer("/nonexistent/zarvik-test.sock");
    DesktopPageOutput output;
    const Page page = fractions::makeFractionPage();
    try {
        output.print(nullptr, page);
        ADD_FAILURE() << "printing without a printer succeeded";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("yazıcı"))) << e.what();
    }
    cupsSetServer(nullptr);
}

// Where the cups-pdf queue writes its files ("Out" in cups-pdf.conf).
QString cupsPdfFolder() {
    QFile config(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (!config.open(QIODevice::ReadOnly)) return {};
    QString folder;
    for (const QString& line : QString::fromUtf8(config.readAll()).split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("Out "))) folder = trimmed.mid(4).trimmed();
    }
    if (folder.isEmpty()) folder = QStringLiteral("${HOME}/PDF");
    return folder.replace(QLatin1String("${HOME}"), QDir::homePath());
}

TEST(PagePrinting, YazdirPrintsOneA4PageOnTheDefaultPrinter) {
    const QString printer = QPrinterInfo::defaultPrinterName();
    if (printer.isEmpty()) GTEST_SKIP() << "no default printer; nothing printed";
    const QString folder = cupsPdfFolder();
    const bool pdfQueue = QPrinterInfo::printerInfo(printer).makeAndModel().contains(
        QLatin1String("PDF"), Qt::CaseInsensitive);
    if (folder.isEmpty() || !pdfQueue)
        GTEST_SKIP() << "the default printer " << printer.toStdString()
                     << " is not a CUPS PDF queue; not printing on real paper";

    const QStringList before = QDir(folder).entryList({QStringLiteral("*Kesir-Toplama*.pdf")});
    RandomDraw random;
    AppContext context{random};  // no page output: the real printer
    TFormZarvikKesir window(context);
    const auto pick = [&](const char* name, const QString& text) {
        auto* box = window.findChild<QComboBox*>(QString::fromLatin1(name));
        box->setCurrentIndex(box->findText(text));
        emit box->activated(box->currentIndex());
    };
    pick("ComboBox1", QStringLiteral("Toplama"));
    pick("ComboBox2", QStringLiteral("Tam Sayılı Kesir"));
    pick("ComboBox3", QStringLiteral("Paydaları Farklı"));
    window.findChild<QPushButton*>(QStringLiteral("ButtonKesirHazirla"))->click();
    test::ModalBoxes boxes;  // a refused job must not hang the test in its error box
    window.findChild<QPushButton*>(QStringLiteral("ButtonKesirYazdir"))->click();
    ASSERT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join(u'\n').toStdString();

    // The queue converts and writes the file a little later.
    QElapsedTimer waited;
    waited.start();
    QString info;
    while (waited.elapsed() < 60000) {
        QStringList now = QDir(folder).entryList({QStringLiteral("*Kesir-Toplama*.pdf")});
        for (const QString& old : before)
            now.removeAll(old);
        if (!now.isEmpty()) {
            info = pdfInfo(QDir(folder).filePath(now.constFirst()));
            if (!info.isEmpty()) break;
        }
        QThread::msleep(200);
    }
    ASSERT_FALSE(info.isEmpty()) << "no PDF arrived in " << folder.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +1\\n"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
}

}  // namespace

namespace {

// The preview's "PDF olarak kaydet" on a full disk: the window's error box
// names the file and the disk, and the old file stays. Run by the fault test
// (tests/faults), which mounts a small file system and names it here.
TEST(SaveFaults, SavingOnAFullDiskKeepsTheOldFile) {
    const QString folder = qEnvironmentVariable("ZARVIK_FULL_FOLDER");
    if (folder.isEmpty()) GTEST_SKIP() << "run by tests/faults/output_faults.py on a small disk";
    const QString path = QDir(folder).filePath(QStringLiteral("eski.pdf"));
    const Page page = fractions::makeFractionPage();
    savePageAsPdf(nullptr, page, path);
    const QByteArray before = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    ASSERT_FALSE(before.isEmpty());
    {
        QFile filler(QDir(folder).filePath(QStringLiteral("dolu")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, '\0');
        while (filler.write(block) == block.size()) {
        }
    }
    test::ModalBoxes boxes;
    savePageAsPdf(nullptr, page, path);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].contains(QStringLiteral("eski.pdf")))
        << boxes.texts[0].toStdString();
    EXPECT_TRUE(boxes.texts[0].contains(QStringLiteral("diskte yer kalmadı")))
        << boxes.texts[0].toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(QDir(folder).entryList(QStringList{QStringLiteral(".zarvik-*")},
                                     QDir::Files | QDir::Hidden),
              QStringList());
}

}  // namespace
