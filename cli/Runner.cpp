#include "cli/Runner.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>

#include "cli/CliSupport.h"
#include "common/core/Limits.h"
#include "common/core/TextOutputs.h"
#include "common/render/HtmlSheet.h"
#include "common/render/SheetOutputs.h"

namespace zarvik::cli {

namespace {

class StderrMessages : public MessageSink {
  public:
    void showMessage(const QString& text) override { printErr(text + u'\n'); }
};

void addSharedOptions(QCommandLineParser& parser, const Family& family) {
    parser.addOptions({
        {{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Dosya."),
         QStringLiteral("DOSYA")},
        {QStringLiteral("json"), QStringLiteral("JSON.")},
        {QStringLiteral("teacher"), QStringLiteral("Öğretmen."), QStringLiteral("METİN")},
        {QStringLiteral("date"), QStringLiteral("Tarih."), QStringLiteral("METİN")},
        {QStringLiteral("time"), QStringLiteral("Zaman."), QStringLiteral("T")},
        {QStringLiteral("sheets"), QStringLiteral("Sayfalar."), QStringLiteral("N")},
        {QStringLiteral("names"), QStringLiteral("Sınıf listesi."), QStringLiteral("DOSYA")},
        {QStringLiteral("answer-key"), QStringLiteral("Cevap anahtarı.")},
        {QStringLiteral("answer-qr"), QStringLiteral("Cevap kodu."), QStringLiteral("YER")},
        {QStringLiteral("html"), QStringLiteral("Web sayfaları.")},
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Yardım.")},
    });
    if (family.hasHalfPageSheets())
        parser.addOption({QStringLiteral("two-up"), QStringLiteral("İki A5 bir A4'e.")});
}

QString outputsHelp() {
    QString help;
    for (const SheetOutput& output : sheetOutputs())
        help += QStringLiteral("                      .%1: %2\n").arg(output.suffix, output.description);
    return help;
}

}  // namespace

QString sharedOptionsHelp(bool textSheets, bool halfPageSheets, const QString& halfPages) {
    QString help = QStringLiteral(
                       "  -o, --output DOSYA  DOSYA'ya yazar; biçimini adının uzantısı seçer:\n") +
                   outputsHelp();
    if (textSheets)
        help += QStringLiteral(
            "                      (text) uzantısız bir ad ya da '-' (standart çıktı) metin\n"
            "                      alır; KLASÖR/ her sayfayı kendi dosyasına yazar\n");
    help += QStringLiteral(
        "  --json              alıştırmaları ve cevaplarını JSON olarak standart çıktıya\n"
        "                      yazar\n"
        "  --teacher METİN     öğretmenin adı (sayfanın altında \"Hazırlayan: METİN\")\n"
        "  --date METİN        sayfadaki tarih (yazılmazsa bugün, gg/aa/yyyy)\n"
        "  --time T            1970'ten bu yana T. saniyede başlamış bir çalışma gibi\n"
        "                      çeker; aynı T aynı sayfaları verir (yazılmazsa şimdi)\n");
    if (halfPageSheets)
        help += QStringLiteral(
                    "  --two-up            (%1) iki sayfayı aralarında kesik bir\n"
                    "                      çizgiyle bir A4 yatay sayfaya yan yana dizer: bir setin\n"
                    "                      iki öğrencisi ya da bir sayfa iki kez\n")
                    .arg(halfPages.isEmpty() ? QStringLiteral("column --page a5") : halfPages);
    help += QStringLiteral(
                "\n"
                "Sınıf setleri:\n"
                "  --sheets N          birbiri ardından N sayfa hazırlar, her birinde yeni\n"
                "                      alıştırmalar (aynı --time ve N aynı sayfaları verir;\n"
                "                      en çok %1, bir PDF dosyasına en çok %2)\n"
                "  --names DOSYA       sınıf listesindeki her öğrenciye bir sayfa: her satırında\n"
                "                      bir ad olan bir metin dosyası (UTF-8 ya da Windows-1254);\n"
                "                      ad \"Adı Soyadı:\" yazısının yanına, sığmazsa küçültülerek\n"
                "                      ve gerekirse \"…\" ile kısaltılarak yazılır\n"
                "  --answer-key        sayfalardan sonra her sayfanın cevaplarını öğretmen\n"
                "                      için ekler\n"
                "  --answer-qr YER     (--answer-key ve .pdf ile) her sayfanın cevaplarını\n"
                "                      telefon kamerasının okuduğu bir QR koduna yazar: YER\n"
                "                      'sayfa' ise her öğrencinin sayfasının altına, 'anahtar'\n"
                "                      ise cevap anahtarından sonraki sayfalara\n"
                "  --html              -o KLASÖR/ ile her sayfayı cevaplarını kendisi\n"
                "                      denetleyen bir web sayfası olarak kendi dosyasına yazar\n"
                "                      (öğrencinin adıyla: KLASÖR/Ayse-Yilmaz.html; sınıf\n"
                "                      listesi yoksa KLASÖR/Odev-01.html, ...)\n")
                .arg(limits::kMostSheets)
                .arg(limits::kMostPaintedSheets);
    return help;
}

QString exitStatusHelp() {
    return QStringLiteral(
        "Çıkış durumu: 0 tamam, 1 sayfa hazırlanamadı (nedeni standart hatada; var\n"
        "olan dosya olduğu gibi kalır), 2 yanlış kullanım.\n");
}

QString commandHelp(const Family& family) {
    return QStringLiteral("Kullanımı: zarvik-cli %1 %2 [ORTAK SEÇENEKLER]\n\n")
               .arg(family.command(), family.synopsis()) +
           family.help() + QStringLiteral("\nOrtak seçenekler:\n") +
           sharedOptionsHelp(family.sheetsAreText(), family.hasHalfPageSheets(),
                             family.halfPageSheetsNote()) +
           QStringLiteral("\n") + exitStatusHelp();
}

QStringList sharedOptionNames(const Family& family) {
    QStringList names{QStringLiteral("-o"),        QStringLiteral("--output"),
                      QStringLiteral("--json"),    QStringLiteral("--teacher"),
                      QStringLiteral("--date"),    QStringLiteral("--time"),
                      QStringLiteral("--sheets"),  QStringLiteral("--names"),
                      QStringLiteral("--answer-key"), QStringLiteral("--answer-qr"),
                      QStringLiteral("--html"),       QStringLiteral("--help")};
    if (family.hasHalfPageSheets()) names << QStringLiteral("--two-up");
    return names;
}

namespace {

// --html: the sheets as web pages, one a file in a folder (any path that
// does not name a single .html file).
bool htmlFolder(const QString& path, bool html) {
    return html && QFileInfo(path).suffix().compare(u"html", Qt::CaseInsensitive) != 0;
}

// Where -o sends the sheets; nullptr when no file is named. A text file of
// text sheets gets their key in a file of its own (keyPath), so the file
// handed to pupils never holds the answers.
std::unique_ptr<SheetWriter> fileWriter(const Family& family, const QString& path,
                                        const QString& keyPath, const ClassSetChoice& set,
                                        bool html) {
    if (htmlFolder(path, html)) return std::make_unique<HtmlFolderWriter>(path, set);
    if (family.sheetsAreText()) {
        if (path == QLatin1String("-"))
            return std::make_unique<ListingWriter>(std::make_unique<FileTarget>(path),
                                                   TextEncoding::Cp1254CrLf, set);
        if (isFolderPath(path)) return std::make_unique<SheetFolderWriter>(path, set);
        const SheetOutput* output = sheetOutputFor(path);
        if ((!output && QFileInfo(path).suffix().isEmpty()) ||
            (output && output->suffix == QLatin1String("txt")))
            return std::make_unique<ListingWriter>(
                std::make_unique<FileTarget>(path), TextEncoding::Cp1254CrLf, set,
                set.answerKey ? std::make_unique<FileTarget>(keyPath) : nullptr);
    }
    return sheetOutputFor(path)->make(path, set);
}

// The -o file's kind is known and fits the set, before anything is drawn.
void checkOutput(const Family& family, const QString& path, const ClassSetChoice& set,
                 bool html) {
    if (set.answerCode != AnswerCodePlace::None) {
        const SheetOutput* output = sheetOutputFor(path);
        if (html || !output || !output->painted || output->onePage)
            throw UsageError{QStringLiteral(
                "--answer-qr yazdırılacak sayfalar içindir: -o DOSYA.pdf yazınız.")};
    }
    if (path == QLatin1String("-") && html)
        throw UsageError{QStringLiteral("--html bir klasör ister: -o KLASÖR/ --html yazınız.")};
    if (htmlFolder(path, html)) return;
    const bool text = family.sheetsAreText();
    if (text && (path == QLatin1String("-") || isFolderPath(path) ||
                 QFileInfo(path).suffix().isEmpty()))
        return;
    const SheetOutput* output = sheetOutputFor(path);
    if (!output)
        throw UsageError{QStringLiteral("-o, adı %1 ile biten bir dosya ister, '%2' değil.")
                             .arg(sheetOutputSuffixes(), quotedPath(path))};
    if (output->painted && set.sheets > limits::kMostPaintedSheets)
        throw UsageError{QStringLiteral("bir %1 dosyasına en çok %2 sayfalık bir set yazılır, "
                                        "%3 değil; seti birkaç dosyaya bölünüz ya da metin "
                                        "olarak yazınız.")
                             .arg(output->suffix.toUpper())
                             .arg(limits::kMostPaintedSheets)
                             .arg(set.sheets)};
    if (output->onePage && (set.sheets > 1 || set.answerKey))
        throw UsageError{output->setRefusal};
}

// The class list given to --names is not where the sheets go: the list
// would be lost under them.
void refuseOutputOverInput(const QString& output, const QString& names) {
    if (names.isEmpty() || output.isEmpty() || output == QLatin1String("-")) return;
    struct stat in {};
    struct stat out {};
    if (::stat(QFile::encodeName(names).constData(), &in) != 0 ||
        ::stat(QFile::encodeName(output).constData(), &out) != 0)
        return;
    if (in.st_dev == out.st_dev && in.st_ino == out.st_ino)
        throw UsageError{QStringLiteral("-o \"%1\" sınıf listesinin kendisi; sayfalar listenin "
                                        "üzerine yazılmaz, başka bir dosya adı veriniz.")
                             .arg(quotedPath(output))};
}

// Sheets times exercises: each factor may be at its largest alone, not both.
void refuseTooManyExercises(SheetSource& source, int sheets) {
    const qint64 total = source.exercisesPerSheet() * qint64(sheets);
    if (total > limits::kMostExercisesInRun)
        throw UsageError{QStringLiteral("%1 sayfanın her birinde %2 alıştırma, toplam %3 "
                                        "alıştırma eder; bir çalışmada en çok %4 alıştırma "
                                        "hazırlanır. --sheets ya da alıştırma sayısını "
                                        "azaltınız.")
                             .arg(sheets)
                             .arg(source.exercisesPerSheet())
                             .arg(total)
                             .arg(limits::kMostExercisesInRun)};
}

}  // namespace

QString programHelp() {
    QString commands;
    for (const Family* family : families())
        commands += QStringLiteral("  %1%2\n")
                        .arg(family->command() +
                                 (family->positional().isEmpty() ? QString()
                                                                 : u' ' + family->positional()),
                             -13)
                        .arg(family->summary());
    return QStringLiteral(
               "Kullanımı: zarvik-cli KOMUT [SEÇENEKLER]\n"
               "\n"
               "Zarvik çalışma kâğıtlarını pencere açmadan hazırlar.\n"
               "\n"
               "Komutlar:\n") +
           commands +
           QStringLiteral(
               "\n"
               "Bir komutun seçenekleri için 'zarvik-cli KOMUT --help', sürüm için\n"
               "'zarvik-cli --version' yazınız.\n");
}

bool writesPaintedPages(const Family& family, const QStringList& arguments) {
    if (!family.sheetsAreText()) return true;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QString value;
        for (const QLatin1String name : {QLatin1String("-o"), QLatin1String("--o"),
                                         QLatin1String("-output"), QLatin1String("--output")}) {
            if (argument == name && i + 1 < arguments.size()) value = arguments[i + 1];
            if (argument.startsWith(name + u'=')) value = argument.mid(name.size() + 1);
        }
        if (const SheetOutput* output = sheetOutputFor(value); output && output->painted)
            return true;
    }
    return false;
}

int runCommand(const Family& family, const QStringList& arguments, bool checkOnly) {
    QCommandLineParser parser;
    addFamilyOptions(parser, family);
    addSharedOptions(parser, family);
    parseCommandLine(parser, arguments);
    if (parser.isSet(QStringLiteral("help"))) {
        printOut(commandHelp(family));
        return kSuccess;
    }
    refuseStrayArguments(parser, family);

    StderrMessages messages;
    const SheetFooter footer{optionText(parser, QStringLiteral("teacher")), pageDate(parser)};
    std::unique_ptr<SheetSource> source = family.sheetSource(parser, footer, messages);

    const bool json = parser.isSet(QStringLiteral("json"));
    QString output = optionText(parser, QStringLiteral("o"));
    if (parser.isSet(QStringLiteral("o")) && output.isEmpty())
        throw UsageError{QStringLiteral("-o bir dosya adı ister.")};
    // A text worksheet goes to Zarvik.txt, as the window writes it, unless
    // JSON is all that is asked for.
    if (!parser.isSet(QStringLiteral("o")) && family.sheetsAreText() && !json)
        output = QStringLiteral("Zarvik.txt");
    ClassSetChoice set = readClassSet(parser);
    const bool html = parser.isSet(QStringLiteral("html"));
    if (html && output.isEmpty())
        throw UsageError{QStringLiteral("--html bir klasör ister: -o KLASÖR/ --html yazınız.")};
    if (parser.isSet(QStringLiteral("answer-qr"))) {
        const QString place = parser.value(QStringLiteral("answer-qr"));
        if (place == u"sayfa")
            set.answerCode = AnswerCodePlace::SheetFooter;
        else if (place == u"anahtar")
            set.answerCode = AnswerCodePlace::Key;
        else
            throw UsageError{
                QStringLiteral("--answer-qr 'sayfa' ya da 'anahtar' ister, '%1' değil.").arg(place)};
        if (!set.answerKey)
            throw UsageError{QStringLiteral(
                "--answer-qr cevap anahtarıyla birlikte verilir: --answer-key de yazınız.")};
    }
    set.twoUp = family.hasHalfPageSheets() && parser.isSet(QStringLiteral("two-up"));
    if (set.twoUp && !source->halfPageSheets())
        throw UsageError{
            QStringLiteral("--two-up iki yarım sayfayı bir A4 sayfaya dizer; "
                           "--page a5 ister")};
    if (!output.isEmpty()) checkOutput(family, output, set, html);
    refuseOutputOverInput(output, optionText(parser, QStringLiteral("names")));

    RandomDraw random;
    seedRandomDraw(parser, random);
    if (checkOnly) return kSuccess;

    SheetWriters writers;
    // Zarvik.txt's key goes beside it as the window writes it, -o FILE's
    // into FILE-Cevap-Anahtari.
    const QString keyPath = parser.isSet(QStringLiteral("o")) ? answerKeyPath(output)
                                                              : kAnswerKeyFileName.toString();
    if (!output.isEmpty()) writers.add(fileWriter(family, output, keyPath, set, html));
    if (json)
        writers.add(std::make_unique<JsonWriter>(std::make_unique<StandardOutputTarget>(), set));
    else if (output.isEmpty())
        writers.add(std::make_unique<ListingWriter>(std::make_unique<StandardOutputTarget>(),
                                                    TextEncoding::Utf8, set));
    Progress progress(set.sheets);
    runSheetSet(*source, random, set, writers, [&](int k) {
        if (k == 1) refuseTooManyExercises(*source, set.sheets);
        progress.sheetDone(k);
    });
    return kSuccess;
}

}  // namespace zarvik::cli
