// The real page output: the preview and its "PDF olarak kaydet", printing without a
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
#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QLabel>
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
#include "common/windows/PagePreview.h"
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

PagePreviewDialog* openPreview() {
    return qobject_cast<PagePreviewDialog*>(QApplication::activeModalWidget());
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
        auto* dialog = openPreview();
        ASSERT_NE(dialog, nullptr);
        pages = dialog->pageCount();
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
// the sheet's own name in the folder the program was started from. Saving
// comes first on the toolbar, so that a narrow window never hides it, and
// nothing on it lays the sheet out otherwise than it prints.
TEST(PagePrinting, PreviewIsLargeAndTheSaveDialogProposesTheSheetsName) {
    DesktopPageOutput output;
    Page page = fractions::makeFractionPage();
    page.suggestedFileName = QStringLiteral("Kesir-Toplama.pdf");

    QSize size, room;
    PagePreviewDialog::Zoom zoom = PagePreviewDialog::Zoom::Custom;
    QString proposedFolder;
    QStringList proposed, actions;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* dialog = openPreview();
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        size = dialog->size();
        room = dialog->screen()->availableGeometry().size();
        zoom = dialog->zoomMode();
        for (const QAction* action : dialog->findChild<QToolBar*>()->actions())
            if (!action->isSeparator() && action->isVisible()) actions << action->objectName();
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
    EXPECT_EQ(title, QStringLiteral("Baskı Önizleme"));
    EXPECT_GE(size.width(), room.width() * 8 / 10);
    EXPECT_GE(size.height(), room.height() * 8 / 10);
    EXPECT_EQ(zoom, PagePreviewDialog::Zoom::FitWidth);
    EXPECT_EQ(proposedFolder, QDir::current().absolutePath());
    EXPECT_EQ(proposed, QStringList{QDir::current().absoluteFilePath(u"Kesir-Toplama.pdf"_qs)});
    ASSERT_FALSE(actions.isEmpty());
    EXPECT_EQ(actions.front(), QString::fromLatin1(DesktopPageOutput::kSavePdfActionName));
    EXPECT_TRUE(actions.contains(u"PrintAction"_qs)) << actions.join(u' ').toStdString();
    EXPECT_EQ(printJobTitle({page}), QStringLiteral("Kesir-Toplama"));
    EXPECT_EQ(printJobTitle({fractions::makeFractionPage()}), QStringLiteral("Zarvik"));
}

// A class set of a thousand pages opens at once: only the pages in view are
// painted (the old preview painted every page at the printer's resolution
// before it showed, seconds of a frozen program), and the last page is one
// step away. A page of another paper, an A4 key after half-page sheets, is
// shown on the first page's paper.
TEST(PagePrinting, PreviewPaintsOnlyThePagesInView) {
    Page sheet = fractions::makeFractionPage();
    sheet.suggestedFileName = QStringLiteral("Kesir.pdf");
    std::vector<Page> pages(1000, sheet);
    pages.emplace_back(QStringLiteral("Cevaplar"),
                       sheet.paper() == Paper::A5 ? Paper::A4 : Paper::A5);
    DesktopPageOutput output;
    int painted = -1, paintedAtEnd = -1, current = -1;
    QString label, labelAtEnd;
    QTimer::singleShot(0, [&] {
        auto* dialog = openPreview();
        ASSERT_NE(dialog, nullptr);
        auto* view = dialog->findChild<QAbstractScrollArea*>(u"PreviewPages"_qs);
        view->viewport()->grab();
        painted = dialog->paintedPages();
        label = dialog->findChild<QLabel*>(u"PageLabel"_qs)->text();
        QKeyEvent endKey(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
        QApplication::sendEvent(view, &endKey);
        view->viewport()->grab();
        paintedAtEnd = dialog->paintedPages();
        current = dialog->currentPage();
        labelAtEnd = dialog->findChild<QLabel*>(u"PageLabel"_qs)->text();
        dialog->reject();
    });
    output.previewPages(nullptr, pages);
    EXPECT_GE(painted, 1);
    EXPECT_LE(painted, 3);
    EXPECT_LE(paintedAtEnd - painted, 3);
    EXPECT_EQ(label, QStringLiteral("Sayfa 1 / 1001"));
    EXPECT_EQ(current, 1000);
    EXPECT_EQ(labelAtEnd, QStringLiteral("Sayfa 1001 / 1001"));
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
