// The text worksheets as a family: zarvik-cli text and a mixed sheet's text
// sections draw the exercises as the "Yan Yana!" window does, byte for byte.

#include <QStringList>
#include <algorithm>
#include <vector>

#include "common/core/Errors.h"
#include "common/core/Family.h"
#include "text_worksheets/core/TextCatalogue.h"
#include "text_worksheets/core/TextKinds.h"
#include "text_worksheets/core/TextSheetSource.h"

namespace zarvik {

namespace {

// Runs of consecutive codes, ascending: "101-106, 201-205".
QString codeRuns(std::vector<int32_t> codes) {
    std::sort(codes.begin(), codes.end());
    QStringList runs;
    for (size_t i = 0; i < codes.size();) {
        size_t last = i;
        while (last + 1 < codes.size() && codes[last + 1] == codes[last] + 1)
            ++last;
        runs << (last == i ? QString::number(codes[i])
                           : QStringLiteral("%1-%2").arg(codes[i]).arg(codes[last]));
        i = last + 1;
    }
    return runs.join(u", ");
}

// "101-106 Toplama, ...": the menu groups by their codes, three a line.
QString kindGroupsHelp() {
    struct Group {
        int32_t firstCode;
        QString text;
    };
    std::vector<Group> groups;
    for (size_t g = 0; g < textMenuGroups().size(); ++g) {
        std::vector<int32_t> codes;
        for (const TextKind& kind : textKinds())
            if (kind.group == static_cast<int>(g)) codes.push_back(kind.code);
        if (codes.empty()) continue;
        groups.push_back({*std::min_element(codes.begin(), codes.end()),
                          codeRuns(codes) + u' ' + textMenuGroups()[g].menuText});
    }
    std::sort(groups.begin(), groups.end(),
              [](const Group& a, const Group& b) { return a.firstCode < b.firstCode; });
    QString help;
    for (size_t i = 0; i < groups.size(); ++i) {
        help += i % 3 == 0 ? QStringLiteral("                    ") : QStringLiteral(" ");
        help += groups[i].text;
        help += i + 1 == groups.size() ? QStringLiteral("\n")
                : i % 3 == 2           ? QStringLiteral(",\n")
                                       : QStringLiteral(",");
    }
    return help;
}

std::vector<int32_t> allCodes() {
    std::vector<int32_t> codes;
    for (const TextKind& kind : textKinds())
        codes.push_back(kind.code);
    return codes;
}

class TextFamily : public Family {
  public:
    QString command() const override { return QStringLiteral("text"); }
    QString summary() const override {
        return QStringLiteral("metin çalışma kâğıdı (Zarvik.txt), türler 101..603");
    }
    QString synopsis() const override {
        return QStringLiteral("TÜR [--count METİN] [--p1 METİN] [--p2 METİN] [--check]");
    }
    QString positional() const override { return QStringLiteral("TÜR"); }
    QStringList positionalValues() const override {
        QStringList codes;
        for (const int32_t code : allCodes())
            codes << QString::number(code);
        return codes;
    }
    bool sheetsAreText() const override { return true; }

    QString help() const override {
        QStringList checked;
        for (const TextKind& kind : textKinds())
            if (kind.checkShown()) checked << QString::number(kind.code);
        return QStringLiteral(
                   "\"Yan Yana!\" penceresinin Zarvik.txt dosyasına yazdığı gibi, her satırında\n"
                   "bir alıştırma olan bir metin çalışma kâğıdı hazırlar (Windows-1254, CR LF\n"
                   "satır sonlarıyla).\n"
                   "\n"
                   "  TÜR               alıştırma türü, penceredeki menüde numaralandığı gibi:\n") +
               kindGroupsHelp() +
               QStringLiteral(
                   "  --count METİN     \"Alıştırma sayısı\" kutusuna yazılan\n"
                   "  --p1 METİN        türün ilk listesine yazılan ya da listeden seçilen\n"
                   "  --p2 METİN        türün ikinci listesine yazılan ya da listeden seçilen\n"
                   "  --check           türün onay kutusunu işaretler (%1)\n"
                   "                    Yazılmayan kutu, pencerede tür seçildikten sonraki gibi\n"
                   "                    boştur; değer '--p1 -3' ya da '--p1=-3' biçiminde, boş da\n"
                   "                    verilebilir.\n"
                   "\n"
                   "-o yazılmazsa çalışma kâğıdı bulunulan klasördeki Zarvik.txt dosyasına\n"
                   "yazılır; '-o -' standart çıktıya yazar. Var olan bir dosya, çalışma kâğıdı\n"
                   "bütünüyle hazır olduğunda değiştirilir. .pdf (tek sayfa için .png) ile biten\n"
                   "bir DOSYA aynı alıştırmaları yazdırılacak sayfalar olarak alır: numaralı,\n"
                   "sütunlarda, her cevaba yer bırakılmış. Birkaç sayfa bir dosyada \"----\"\n"
                   "satırıyla ayrılır; -o KLASÖR/ ile her sayfa kendi dosyasına yazılır\n"
                   "(KLASÖR/Zarvik-01.txt, ...). Öğrencinin adı sayfanın ilk satırıdır.\n"
                   "Cevap anahtarı öğrencilere verilecek dosyaya hiç girmez, kendi dosyasına\n"
                   "yazılır: Zarvik.txt'nin yanında Cevap-Anahtari.txt, -o DOSYA.txt ile\n"
                   "DOSYA-Cevap-Anahtari.txt, -o KLASÖR/ ile KLASÖR/Cevap-Anahtari.txt; yalnız\n"
                   "'-o -' ve .pdf onu sayfalardan sonra aynı çıktıya yazar.\n")
            .arg(checked.join(QStringLiteral(", ")));
    }
    QStringList example() const override {
        return {QStringLiteral("402"), QStringLiteral("--count"), QStringLiteral("20"), QStringLiteral("--p1"), QStringLiteral("3"), QStringLiteral("--p2"), QStringLiteral("1"), QStringLiteral("--check")};
    }
    std::vector<FamilyOption> options() const override {
        return {
            {{QStringLiteral("count")}, QStringLiteral("METİN"),
             QStringLiteral("Alıştırma sayısı."), {}},
            {{QStringLiteral("p1")}, QStringLiteral("METİN"), QStringLiteral("İlk liste."), {}},
            {{QStringLiteral("p2")}, QStringLiteral("METİN"), QStringLiteral("İkinci liste."), {}},
            {{QStringLiteral("check")}, {}, QStringLiteral("Onay kutusu."), {}},
        };
    }

    std::unique_ptr<SheetSource> sheetSource(const QCommandLineParser& parser,
                                             const SheetFooter& footer,
                                             MessageSink&) const override {
        const QStringList positional = parser.positionalArguments();
        if (positional.size() != 1)
            throw UsageError{positional.isEmpty()
                                 ? QStringLiteral("TÜR (alıştırma türü) yazılmamış.")
                                 : QStringLiteral("yalnız bir TÜR yazılabilir.")};
        bool ok = false;
        const int kind = positional.front().toInt(&ok);
        if (!ok || !isTextKind(kind))
            throw UsageError{QStringLiteral("'%1' menüdeki türlerden biri değil (%2).")
                                 .arg(quotedValue(positional.front()), codeRuns(allCodes()))};
        const auto text = [&](const char* name) {
            const QString option = QString::fromLatin1(name);
            return parser.isSet(option) ? parser.value(option) : QString();
        };
        return std::make_unique<TextSheetSource>(
            kind,
            FixedTextFields(text("count"), text("p1"), text("p2"),
                            parser.isSet(QStringLiteral("check"))),
            footer.teacher, footer.date);
    }
};

}  // namespace

const Family& text_worksheetsFamily() {
    static const TextFamily family;
    return family;
}

}  // namespace zarvik
