#include "common/windows/PagePrinting.h"

#include <cups/cups.h>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <string_view>

#include "common/windows/ErrorBox.h"
#include "common/windows/PagePreview.h"
#include "common/core/Errors.h"
#include "common/core/Names.h"
#include "common/render/PageRenderer.h"

namespace zarvik {

namespace {

const char* mediaOf(const Page& page) {
    return page.paper() == Paper::A5 ? "A5" : "A4";
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
    PagePreviewDialog dialog(pages, parent);
    dialog.addFileAction(
        QStringLiteral("PDF olarak kaydet"),
        pages.size() > 1 ? QStringLiteral("Bütün sayfaları bir PDF dosyası olarak kaydet")
                         : QStringLiteral("Sayfayı PDF dosyası olarak kaydet"),
        kSavePdfActionName, [this, &dialog, &pages] {
            const QString path =
                askPdfPath ? askPdfPath(&dialog) : askPdfPathWithDialog(&dialog, pages.front());
            savePagesAsPdf(&dialog, pages, path);
        });
    dialog.setPrint([this, &dialog, &pages] {
        runGuarded(&dialog, [&] {
            printPages(&dialog, pages);
            QMessageBox::information(
                &dialog, names::kApplicationTitle.toString(),
                QStringLiteral("Yazıcıya %1 sayfa gönderildi.").arg(pages.size()));
        });
    });
    // The sheet as a web page for a phone, where the window can give it.
    if (saveSheetHtml)
        dialog.addFileAction(
            QStringLiteral("HTML olarak kaydet"),
            QStringLiteral("Sayfayı telefonda açılan ve cevaplarını denetleyen bir web sayfası olarak kaydet"),
            kSaveHtmlActionName, [this, &dialog, &pages] {
                QString path = askHtmlPath ? askHtmlPath(&dialog)
                                           : askHtmlPathWithDialog(&dialog, pages.front());
                if (path.isEmpty()) return;
                // Always a web page's name: a slip in the dialog never writes the
                // page over another kind of file, a class list beside it.
                const QString suffix = QFileInfo(path).suffix().toLower();
                if (suffix != u"html" && suffix != u"htm") path += QStringLiteral(".html");
                runGuarded(&dialog, [&] { saveSheetHtml(path); });
            });
    dialog.openLarge();
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
