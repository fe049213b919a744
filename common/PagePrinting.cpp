#include "common/PagePrinting.h"

#include <cups/cups.h>

#include <QAction>
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

#include "common/ErrorBox.h"
#include "common/Errors.h"
#include "common/PageRenderer.h"

namespace zarvik {

namespace {

QPageSize pageSizeOf(const Page& page) {
    return QPageSize(page.paper() == Paper::A4 ? QPageSize::A4 : QPageSize::A5);
}

// The print job's title, as the printer queue and a PDF printer show it.
QString jobTitle(QWidget* parent, const Page& page) {
    QString window = parent ? parent->window()->windowTitle() : QString();
    if (window.isEmpty()) window = QStringLiteral("Zarvik");
    return window + QStringLiteral(" - ") + page.name();
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

void savePageAsPdf(QWidget* parent, const Page& page, QString path) {
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    runGuarded(parent, [&] { writePdf({&page}, path); });
}

void DesktopPageOutput::preview(QWidget* parent, const Page& page) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(
        QPageLayout(pageSizeOf(page), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer.setFullPage(true);
    printer.setCopyCount(1);
    printer.setDocName(jobTitle(parent, page));

    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Baskı Önizleme"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&page](QPrinter* device) {
                         QPainter painter;
                         if (painter.begin(device)) paintPage(page, painter);
                     });

    auto* save = new QAction(QStringLiteral("PDF olarak kaydet"), &dialog);
    save->setObjectName(QString::fromLatin1(kSavePdfActionName));
    save->setToolTip(QStringLiteral("Sayfayı PDF dosyası olarak kaydet"));
    QObject::connect(save, &QAction::triggered, &dialog, [this, &dialog, &page] {
        const QString path = askPdfPath ? askPdfPath(&dialog) : askPdfPathWithDialog(&dialog, page);
        savePageAsPdf(&dialog, page, path);
    });
    // First on the toolbar, so that a narrow window never hides it.
    if (auto* toolbar = dialog.findChild<QToolBar*>()) {
        QAction* first = toolbar->actions().value(0);
        toolbar->insertAction(first, save);
        toolbar->insertSeparator(first);
    } else {
        dialog.addAction(save);
    }
    openLarge(dialog);
    dialog.exec();
}

void DesktopPageOutput::print(QWidget* parent, const Page& page) {
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
    writePdf({&page}, file);

    cups_option_t* options = nullptr;
    int count = 0;
    count = cupsAddOption("copies", "1", count, &options);
    count = cupsAddOption("media", page.paper() == Paper::A4 ? "A4" : "A5", count, &options);
    count = cupsAddOption("sides", "one-sided", count, &options);
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, printerName.toUtf8().constData(),
                                   QFile::encodeName(file).constData(),
                                   jobTitle(parent, page).toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (job == 0)
        throw Error(QStringLiteral("Sayfa \"%1\" yazıcısına gönderilemedi: %2")
                        .arg(printerName, QString::fromUtf8(cupsLastErrorString())));
}

}  // namespace zarvik
