// The fraction worksheets as a family: zarvik-cli fraction and a mixed
// sheet's fraction sections prepare the page as the window's "Yeni Hazırla"
// does.

#include "common/core/Errors.h"
#include "common/core/Family.h"
#include "fractions/core/FractionSheetSource.h"

namespace zarvik {

namespace {

QStringList texts(std::initializer_list<const char16_t*> items) {
    QStringList list;
    for (const char16_t* item : items)
        list << QString::fromUtf16(item);
    return list;
}

class FractionFamily : public Family {
  public:
    QString command() const override { return QStringLiteral("fraction"); }
    QString summary() const override { return QStringLiteral("kesirler sayfası"); }
    QString synopsis() const override {
        return QStringLiteral("--op İŞLEM --type TÜR [--denominators PAYDALAR]");
    }
    QString help() const override {
        return QStringLiteral(
            "İki kesirle 26 işlemlik bir kesirler sayfası hazırlar.\n"
            "\n"
            "  --op İŞLEM               \"Toplama\", \"Çıkarma\", \"Çarpma\" ya da \"Bölme\"\n"
            "  --type TÜR               \"Basit Kesir\" ya da \"Tam Sayılı Kesir\"\n"
            "  --denominators PAYDALAR  \"Toplama\" ve \"Çıkarma\" için: \"Paydaları Eşit\",\n"
            "                           \"Paydaları Farklı\" ya da \"Paydaları Birbirinin Katı\"\n"
            "                           (başka bir metin kabul edilmez; --op ve --type\n"
            "                           metinlerinden hiçbirine uymayanlar boş bir sayfa verir)\n"
            "\n"
            "-o ve --json yazılmazsa işlemler satır satır yazılır.\n");
    }
    QStringList example() const override {
        return {QStringLiteral("--op"), QStringLiteral("Toplama"), QStringLiteral("--type"), QStringLiteral("Tam Sayılı Kesir"), QStringLiteral("--denominators"), QStringLiteral("Paydaları Farklı")};
    }
    std::vector<FamilyOption> options() const override {
        using namespace fractions;
        return {
            {{QStringLiteral("op")}, QStringLiteral("İŞLEM"), QStringLiteral("İşlem."),
             texts({kOperationTexts[0], kOperationTexts[1], kOperationTexts[2],
                    kOperationTexts[3]})},
            {{QStringLiteral("type")}, QStringLiteral("TÜR"), QStringLiteral("Kesir türü."),
             texts({kTypeTexts[0], kTypeTexts[1]})},
            {{QStringLiteral("denominators")}, QStringLiteral("PAYDALAR"),
             QStringLiteral("Paydalar."),
             texts({kRelationTexts[0], kRelationTexts[1], kRelationTexts[2]})},
        };
    }

    std::unique_ptr<SheetSource> sheetSource(const QCommandLineParser& parser,
                                             const SheetFooter& footer,
                                             MessageSink&) const override {
        if (!parser.isSet(QStringLiteral("op"))) throw UsageError{QStringLiteral("--op yazılmamış.")};
        if (!parser.isSet(QStringLiteral("type")))
            throw UsageError{QStringLiteral("--type yazılmamış.")};
        const QString relation = parser.isSet(QStringLiteral("denominators"))
                                     ? parser.value(QStringLiteral("denominators"))
                                     : QString();
        // A mistyped relation would give a page of bare "=" signs.
        const QStringList relations = texts({fractions::kRelationTexts[0],
                                             fractions::kRelationTexts[1],
                                             fractions::kRelationTexts[2]});
        if (parser.isSet(QStringLiteral("denominators")) && !relations.contains(relation))
            throw UsageError{
                QStringLiteral("--denominators \"%1\", \"%2\" ya da \"%3\" olmalı, '%4' değil.")
                    .arg(relations[0], relations[1], relations[2], relation)};
        return std::make_unique<FractionSheetSource>(
            FractionChoices{parser.value(QStringLiteral("op")), parser.value(QStringLiteral("type")),
                            relation, footer.teacher, footer.date});
    }
};

}  // namespace

const Family& fractionsFamily() {
    static const FractionFamily family;
    return family;
}

}  // namespace zarvik
