// The column worksheets as a family: zarvik-cli column and a mixed sheet's
// column sections prepare their sheets as the half-page (a5) and full-page
// (a4) windows do, the generators' questions answered from --answers.

#include "column_worksheets/core/ColumnDesign.h"
#include "column_worksheets/core/ColumnGenerators.h"
#include "column_worksheets/core/ColumnSheetSource.h"
#include "common/core/Errors.h"
#include "common/core/Family.h"

namespace zarvik {

namespace {

// The command's sheets: an answer the question cannot take is the command
// line's fault, and a page without problems is told once.
class ColumnCommandSource : public ColumnSheetSource {
  public:
    ColumnCommandSource(const ColumnWindowDesign& design, ColumnChoices choices,
                        ScriptedQuestions script, MessageSink& messages)
        : ColumnSheetSource(design, std::move(choices), std::move(script), &prefixed_),
          prefixed_(messages) {}

    void prepareNext(RandomDraw& random) override {
        try {
            ColumnSheetSource::prepareNext(random);
        } catch (const AnswerScriptError& e) {
            // A number answer that is not a number is refused by the
            // preparation (status 1), not as usage.
            throw Error(QStringLiteral("zarvik-cli column: --answers: ") + e.message());
        }
    }

  private:
    struct Prefixed : MessageSink {
        explicit Prefixed(MessageSink& to) : to(to) {}
        void showMessage(const QString& text) override {
            to.showMessage(QStringLiteral("zarvik-cli column: ") + text);
        }
        MessageSink& to;
    };
    Prefixed prefixed_;
};

QString propertiesHelp() {
    QString help = QStringLiteral("İşlemler ve özellikleri:\n");
    QString operation;
    QStringList properties;
    const auto flush = [&] {
        if (!operation.isEmpty())
            help += QStringLiteral("  %1: %2\n").arg(operation, properties.join(QStringLiteral(", ")));
        properties.clear();
    };
    for (const ColumnKind& kind : columnKinds()) {
        if (kind.operation != operation) {
            flush();
            operation = kind.operation.toString();
        }
        properties << u'"' + kind.property.toString() + u'"';
    }
    flush();
    return help;
}

class ColumnFamily : public Family {
  public:
    QString command() const override { return QStringLiteral("column"); }
    QString summary() const override {
        return QStringLiteral("alt alta işlemler sayfası (A5 ya da A4)");
    }
    QString synopsis() const override {
        return QStringLiteral(
            "--page a5|a4 --op İŞLEM --prop ÖZELLİK [--answers LİSTE] [--more-room]");
    }
    QString help() const override {
        return QStringLiteral(
                   "\"Yarım Sayfa\" (a5) ya da \"Tam Sayfa\" (a4) penceresinin hazırladığı gibi\n"
                   "bir alt alta işlemler sayfası hazırlar. İŞLEM ve ÖZELLİK, pencerenin işlem ve\n"
                   "özellik listelerindeki metinlerdir ve birebir karşılaştırılır (hiçbirine\n"
                   "uymayan metinler boş bir sayfa verir).\n"
                   "\n"
                   "  --page a5|a4       pencere: yarım sayfa (A5) ya da tam sayfa (A4)\n"
                   "  --op İŞLEM         Toplama, Çıkarma, Çarpma ya da Bölme\n"
                   "  --prop ÖZELLİK     işlemin özelliği, örneğin \"Eldesiz Toplama\"\n"
                   "  --answers LİSTE    soruların cevapları, soruldukları sırayla, ';' ile\n"
                   "                     ayrılmış. Sayı sorusu öğeyi yazıldığı gibi alır ('~'\n"
                   "                     İptal'dir: sorunun varsayılanı); evet/hayır sorusu y,\n"
                   "                     yes, e, evet ya da n, no, h, hayır alır. Listenin\n"
                   "                     sonundan sonraki sorular iptal edilir ya da Hayır alır.\n"
                   "  --more-room        \"Daha az işlem, daha çok yer\": aynı işlemler, her\n"
                   "                     birinin altında çözüm için 8 mm'lik satırlar bırakılarak\n"
                   "                     (toplama ve çıkarmada bir, çarpmada alttaki sayının\n"
                   "                     basamak sayısından bir fazla, bölmede bölünenin basamak\n"
                   "                     sayısı kadar) gerektiği kadar sayfaya yayılır; rakamlar\n"
                   "                     el yazısı kadar geniş basılır\n"
                   "\n") +
               propertiesHelp() +
               QStringLiteral("\n-o ve --json yazılmazsa işlemler satır satır yazılır.\n");
    }
    QStringList example() const override {
        return {QStringLiteral("--page"), QStringLiteral("a4"), QStringLiteral("--op"), QStringLiteral("Toplama"), QStringLiteral("--prop"), QStringLiteral("Eldeli sayılarla karışık"), QStringLiteral("--answers"), QStringLiteral("3")};
    }
    std::vector<FamilyOption> options() const override {
        QStringList operations, properties;
        for (const ColumnKind& kind : columnKinds()) {
            if (!operations.contains(kind.operation.toString()))
                operations << kind.operation.toString();
            if (!properties.contains(kind.property.toString()))
                properties << kind.property.toString();
        }
        return {
            {{QStringLiteral("page")}, QStringLiteral("SAYFA"), QStringLiteral("a5 ya da a4."),
             {QStringLiteral("a5"), QStringLiteral("a4")}},
            {{QStringLiteral("op")}, QStringLiteral("İŞLEM"), QStringLiteral("İşlem."), operations},
            {{QStringLiteral("prop")}, QStringLiteral("ÖZELLİK"), QStringLiteral("Özellik."),
             properties},
            {{QStringLiteral("answers")}, QStringLiteral("LİSTE"), QStringLiteral("Cevaplar."), {}},
            {{QStringLiteral("more-room")}, {}, QStringLiteral("Daha az işlem, daha çok yer."), {}},
        };
    }
    bool hasHalfPageSheets() const override { return true; }
    // The properties of the operation already given.
    QStringList completions(const FamilyOption& option, const QStringList& words) const override {
        const qsizetype op = words.lastIndexOf(QStringLiteral("--op"));
        if (option.names.front() != QLatin1String("prop") || op < 0 || op + 1 >= words.size())
            return option.values;
        QStringList properties;
        for (const ColumnKind& kind : columnKinds())
            if (kind.operation == words[op + 1]) properties << kind.property.toString();
        return properties.isEmpty() ? option.values : properties;
    }

    std::unique_ptr<SheetSource> sheetSource(const QCommandLineParser& parser,
                                             const SheetFooter& footer,
                                             MessageSink& messages) const override {
        const QString page = parser.isSet(QStringLiteral("page"))
                                 ? parser.value(QStringLiteral("page"))
                                 : QString();
        const ColumnWindowDesign* design = nullptr;
        if (page == QLatin1String("a5")) design = &halfPageDesign();
        if (page == QLatin1String("a4")) design = &fullPageDesign();
        if (!design) throw UsageError{QStringLiteral("--page a5 ya da a4 olmalı.")};
        for (const char* required : {"op", "prop"})
            if (!parser.isSet(QString::fromLatin1(required)))
                throw UsageError{
                    QStringLiteral("--%1 yazılmamış.").arg(QString::fromLatin1(required))};
        ColumnChoices choices{parser.value(QStringLiteral("op")),
                              parser.value(QStringLiteral("prop")), footer.teacher, footer.date,
                              parser.isSet(QStringLiteral("more-room"))};
        // The same answers for every sheet of a set: the questions are asked once.
        ScriptedQuestions script =
            parser.isSet(QStringLiteral("answers"))
                ? ScriptedQuestions::fromList(parser.value(QStringLiteral("answers")))
                : ScriptedQuestions();
        return std::make_unique<ColumnCommandSource>(*design, std::move(choices),
                                                     std::move(script), messages);
    }
};

}  // namespace

const Family& column_worksheetsFamily() {
    static const ColumnFamily family;
    return family;
}

}  // namespace zarvik
