#include "common/render/SheetOutputs.h"

#include <QFileInfo>

#include "common/core/Errors.h"
#include "common/core/TextOutputs.h"
#include "common/render/ClassSetPages.h"
#include "common/render/HtmlSheet.h"
#include "common/render/PageRenderer.h"
#include "common/render/PupilName.h"

namespace zarvik {

namespace {

// The sheets and the key into one PDF, page by page.
class PdfSheetWriter : public SheetWriter {
  public:
    PdfSheetWriter(const QString& path, const ClassSetChoice& choice)
        : pdf_(path), pages_(choice, [this](const Page& page) { pdf_.addPage(page); }) {}
    SheetNeeds needs() const override { return pages_.needs(); }
    void addSheet(int k, SheetSource& source) override { pages_.addSheet(k, source); }
    bool takesApart() const override { return true; }
    std::function<void()> take(int k, SheetSource& source) override {
        return pages_.take(k, source);
    }
    void finish() override {
        pages_.finish();
        pdf_.finish();
    }

  private:
    PdfWriter pdf_;
    PagesWriter pages_;
};

// One page as a picture: sets and keys are refused before the run.
class PngSheetWriter : public SheetWriter {
  public:
    PngSheetWriter(const QString& path, const ClassSetChoice& choice)
        : path_(path), choice_(choice) {}
    SheetNeeds needs() const override { return {true, false, false, false}; }
    void addSheet(int k, SheetSource& source) override {
        const QString pupil = choice_.pupil(k);
        source.sheetPages([&](Page&& page) {
            if (!pupil.isEmpty()) printPupilName(page, pupil);
            pages_.push_back(std::move(page));
        });
    }
    void finish() override {
        if (pages_.size() != 1)
            throw InputRefused(QStringLiteral("Bu alıştırmalar %1 sayfa tutuyor; bir PNG dosyası "
                                              "tek sayfa tutar: .pdf dosyasına yazınız.")
                                   .arg(pages_.size()));
        const Page& page = pages_.front();
        writePng(choice_.twoUp && page.paper() == Paper::A5 ? twoUpPage(page, page) : page, path_);
    }

  private:
    QString path_;
    const ClassSetChoice& choice_;
    std::vector<Page> pages_;
};

std::unique_ptr<SheetWriter> makePdf(const QString& path, const ClassSetChoice& choice) {
    return std::make_unique<PdfSheetWriter>(path, choice);
}
std::unique_ptr<SheetWriter> makePng(const QString& path, const ClassSetChoice& choice) {
    return std::make_unique<PngSheetWriter>(path, choice);
}
std::unique_ptr<SheetWriter> makeText(const QString& path, const ClassSetChoice& choice) {
    return std::make_unique<ListingWriter>(std::make_unique<FileTarget>(path),
                                           TextEncoding::Cp1254CrLf, choice);
}
std::unique_ptr<SheetWriter> makeJson(const QString& path, const ClassSetChoice& choice) {
    return std::make_unique<JsonWriter>(std::make_unique<FileTarget>(path), choice);
}
std::unique_ptr<SheetWriter> makeHtml(const QString& path, const ClassSetChoice& choice) {
    return std::make_unique<HtmlFileWriter>(path, choice);
}

}  // namespace

const std::vector<SheetOutput>& sheetOutputs() {
    static const std::vector<SheetOutput> outputs{
        {QStringLiteral("pdf"), QStringLiteral("sayfalar ve cevap anahtarı (PDF)"), true, false,
         makePdf},
        {QStringLiteral("png"), QStringLiteral("tek bir sayfanın resmi (PNG)"), true, true, makePng,
         QStringLiteral("bir PNG dosyasına tek sayfa sığar; birkaç sayfayı ya da cevap "
                        "anahtarını bir .pdf dosyasına yazınız.")},
        {QStringLiteral("txt"),
         QStringLiteral("alıştırmalar metin olarak (Windows-1254, CR LF)"), false, false,
         makeText},
        {QStringLiteral("json"), QStringLiteral("alıştırmalar ve cevapları JSON olarak"), false,
         false, makeJson},
        {QStringLiteral("html"),
         QStringLiteral("cevaplarını kendisi denetleyen bir web sayfası (telefonda açılır)"), false,
         true, makeHtml,
         QStringLiteral("bir .html dosyası tek öğrencinin sayfasını tutar; bir sınıf setini "
                        "-o KLASÖR/ --html ile her öğrenciye bir dosya olarak yazınız.")},
    };
    return outputs;
}

const SheetOutput* sheetOutputFor(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty()) return nullptr;
    for (const SheetOutput& output : sheetOutputs())
        if (output.suffix == suffix) return &output;
    return nullptr;
}

QString sheetOutputSuffixes() {
    QStringList suffixes;
    for (const SheetOutput& output : sheetOutputs())
        suffixes << u'.' + output.suffix;
    return suffixes.join(QStringLiteral(", "));
}

}  // namespace zarvik
