#include "common/windows/PagePrinting.h"

#include <cups/cups.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolBar>
#include <algorithm>
#include <string_view>

#include "common/windows/ErrorBox.h"
#include "common/core/Errors.h"
#include "common/render/PageRenderer.h"

namespace zarvik {

namespace {

QPageSize pageSizeOf(const Page& page) {
    return QPageSize(page.paper() == Paper::A5 ? QPageSize::A5 : QPageSize::A4);
}

QPageLayout pageLayoutOf(const Page& page) {
    return QPageLayout(
        pageSizeOf(page),
        page.paper() == Paper::A4Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(0, 0, 0, 0));
}

const char* mediaOf(const Page& page) {
    return page.paper() == Paper::A5 ? "A5" : "A4";
}

// The actions of the preview that would show the sheet otherwise than it
// prints: its orientation buttons and its page setup (whose dialog shows a
// Latin sample text). Found by their texts as the dialog translates them.
void removeLayoutActions(QPrintPreviewDialog& dialog) {
    const QStringList texts = {
        QCoreApplication::translate("QPrintPreviewDialog", "Portrait"),
        QCoreApplication::translate("QPrintPreviewDialog", "Landscape"),
        QCoreApplication::translate("QPrintPreviewDialog", "Page setup")};
    for (QToolBar* toolbar : dialog.findChildren<QToolBar*>()) {
        const QList<QAction*> actions = toolbar->actions();
        for (qsizetype i = 0; i < actions.size(); ++i) {
            QAction* action = actions[i];
            if (!texts.contains(action->text())) continue;
            toolbar->removeAction(action);
            action->setEnabled(false);
            // The separator before the orientation pair goes with it.
            if (i > 0 && actions[i - 1]->isSeparator() && i + 1 < actions.size() &&
                texts.contains(actions[i + 1]->text()))
                toolbar->removeAction(actions[i - 1]);
        }
    }
}

// In the folder the program was started from, where Zarvik.txt goes too. Qt's
// own dialog, which speaks Turkish whatever the desktop's language.
QString askPdfPathWithDialog(QWidget* parent, const Page& page) {
    const QString name =
        page.suggestedFileName.isEmpty() ? QStringLiteral("Zarvik.pdf") : page.suggestedFileName;
    return QFileDialog::getSaveFileName(
        parent, QStringLiteral("PDF olarak kaydet"), QDir::current().filePath(name),
        QStringLiteral("PDF dosyaları (*.pdf)"), nullptr, QFileDialog::DontUseNativeDialog);
}

QString askHtmlPathWithDialog(QWidget* parent, const Page& page) {
    QString name =
        page.suggestedFileName.isEmpty() ? QStringLiteral("Zarvik.pdf") : page.suggestedFileName;
    name = QFileInfo(name).completeBaseName() + QStringLiteral(".html");
    return QFileDialog::getSaveFileName(
        parent, QStringLiteral("HTML olarak kaydet"), QDir::current().filePath(name),
        QStringLiteral("Web sayfaları (*.html)"), nullptr, QFileDialog::DontUseNativeDialog);
}

// Most of the screen, the page as wide as the window allows: readable at once.
void openLarge(QPrintPreviewDialog& dialog) {
    if (const QScreen* screen = dialog.screen()) {
        const QRect room = screen->availableGeometry();
        dialog.resize(room.width() * 9 / 10, room.height() * 9 / 10);
        dialog.move(room.center() - dialog.rect().center());
    }
    // Through the dialog's own action, so its toolbar shows the fitting too.
    if (auto* fitWidth = dialog.findChild<QAction*>(QStringLiteral("fitWidthAction")))
        fitWidth->trigger();
    else if (auto* view = dialog.findChild<QPrintPreviewWidget*>())
        view->fitToWidth();
}

}  // namespace

QString printJobTitle(const std::vector<Page>& pages) {
    QString name = pages.empty() ? QString() : pages.front().suggestedFileName;
    if (name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) name.chop(4);
    return name.isEmpty() ? QStringLiteral("Zarvik") : name;
}

void savePagesAsPdf(QWidget* parent, const std::vector<Page>& pages, QString path) {
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    std::vector<const Page*> all;
    for (const Page& page : pages)
        all.push_back(&page);
    runGuarded(parent, [&] { writePdf(all, path); });
}

void savePageAsPdf(QWidget* parent, const Page& page, QString path) {
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    runGuarded(parent, [&] { writePdf({&page}, path); });
}

void DesktopPageOutput::preview(QWidget* parent, const Page& page) {
    previewPages(parent, {page});
}

void DesktopPageOutput::previewPages(QWidget* parent, const std::vector<Page>& pages) {
    if (pages.empty()) return;
    const Page& page = pages.front();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(pageLayoutOf(page));
    printer.setFullPage(true);
    printer.setCopyCount(1);
    // Also what a print dialog proposes as the file name.
    printer.setDocName(printJobTitle(pages));

    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Baskı Önizleme"));
    QObject::connect(
        &dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&pages](QPrinter* device) {
            QPainter painter;
            if (!painter.begin(device)) return;
            const Page& first = pages.front();
            for (std::size_t i = 0; i < pages.size(); ++i) {
                if (i > 0) device->newPage();
                // The preview's paper is the first page's; a page
                // of another size (an A4 key after half-page
                // sheets) is shown scaled to it. PDF and print
                // keep every page's own paper.
                const Page& page = pages[i];
                const double scale = std::min(first.paperWidth() / page.paperWidth(),
                                              first.paperHeight() / page.paperHeight());
                painter.save();
                if (scale != 1.0) painter.scale(scale, scale);
                paintPage(page, painter);
                painter.restore();
            }
        });

    auto* save = new QAction(QStringLiteral("PDF olarak kaydet"), &dialog);
    save->setObjectName(QString::fromLatin1(kSavePdfActionName));
    save->setToolTip(pages.size() > 1
                         ? QStringLiteral("Bütün sayfaları bir PDF dosyası olarak kaydet")
                         : QStringLiteral("Sayfayı PDF dosyası olarak kaydet"));
    QObject::connect(save, &QAction::triggered, &dialog, [this, &dialog, &pages] {
        const QString path =
            askPdfPath ? askPdfPath(&dialog) : askPdfPathWithDialog(&dialog, pages.front());
        savePagesAsPdf(&dialog, pages, path);
    });
    // The sheet as a web page for a phone, where the window can give it.
    QAction* saveHtml = nullptr;
    if (saveSheetHtml) {
        saveHtml = new QAction(QStringLiteral("HTML olarak kaydet"), &dialog);
        saveHtml->setObjectName(QString::fromLatin1(kSaveHtmlActionName));
        saveHtml->setToolTip(QStringLiteral(
            "Sayfayı telefonda açılan ve cevaplarını denetleyen bir web sayfası olarak kaydet"));
        QObject::connect(saveHtml, &QAction::triggered, &dialog, [this, &dialog, &pages] {
            QString path =
                askHtmlPath ? askHtmlPath(&dialog) : askHtmlPathWithDialog(&dialog, pages.front());
            if (path.isEmpty()) return;
            // Always a web page's name: a slip in the dialog never writes the
            // page over another kind of file, a class list beside it.
            const QString suffix = QFileInfo(path).suffix().toLower();
            if (suffix != u"html" && suffix != u"htm") path += QStringLiteral(".html");
            runGuarded(&dialog, [&] { saveSheetHtml(path); });
        });
    }
    // First on the toolbar, so that a narrow window never hides it.
    if (auto* toolbar = dialog.findChild<QToolBar*>()) {
        QAction* first = toolbar->actions().value(0);
        toolbar->insertAction(first, save);
        if (saveHtml) toolbar->insertAction(first, saveHtml);
        toolbar->insertSeparator(first);
    } else {
        dialog.addAction(save);
        if (saveHtml) dialog.addAction(saveHtml);
    }
    removeLayoutActions(dialog);
    openLarge(dialog);
    dialog.exec();
}

void DesktopPageOutput::print(QWidget* parent, const Page& page) {
    printPages(parent, {page});
}

void DesktopPageOutput::printPages(QWidget* parent, const std::vector<Page>& pages) {
    printJob(parent, pages, 1);
}

PrintedJob DesktopPageOutput::printJob(QWidget*, const std::vector<Page>& pages, int copies) {
    if (pages.empty()) return {};
    const Page& page = pages.front();
    const QString printerName = QPrinterInfo::defaultPrinterName();
    if (printerName.isEmpty())
        throw Error(
            QStringLiteral("Varsayılan yazıcı bulunamadı; sayfa yazdırılamadı.\n"
                           "Bir yazıcı kurup varsayılan yazıcı yapın ya da \"Bak\" ile açılan "
                           "önizlemede \"PDF olarak kaydet\" ile sayfayı PDF dosyası olarak "
                           "kaydedin."));

    // The queue gets the same PDF the program saves; CUPS converts it for the
    // printer, and unlike Qt's own print engine it tells us when it refuses.
    QTemporaryDir folder;
    if (!folder.isValid())
        throw Error(QStringLiteral("Sayfa yazdırılamadı: geçici dosya oluşturulamadı (%1).")
                        .arg(folder.errorString()));
    const QString file = folder.filePath(QStringLiteral("sayfa.pdf"));
    std::vector<const Page*> all;
    for (const Page& each : pages)
        all.push_back(&each);
    writePdf(all, file);
    // One paper for the whole job where the pages share it; a set of
    // half-page sheets with an A4 key leaves each page its own size.
    bool onePaper = true;
    for (const Page& each : pages)
        onePaper = onePaper && std::string_view(mediaOf(each)) == mediaOf(page);

    cups_option_t* options = nullptr;
    int count = 0;
    const QByteArray copyCount = QByteArray::number(std::max(1, copies));
    count = cupsAddOption("copies", copyCount.constData(), count, &options);
    if (onePaper) count = cupsAddOption("media", mediaOf(page), count, &options);
    count = cupsAddOption("sides", "one-sided", count, &options);
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, printerName.toUtf8().constData(),
                                   QFile::encodeName(file).constData(),
                                   printJobTitle(pages).toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (job == 0)
        throw Error(QStringLiteral("Sayfa \"%1\" yazıcısına gönderilemedi: %2")
                        .arg(printerName, QString::fromUtf8(cupsLastErrorString())));
    return {printerName, static_cast<int>(pages.size()), std::max(1, copies)};
}

}  // namespace zarvik
