// Word problems as a family: zarvik-cli problems and a mixed sheet's
// problem sections prepare sheets as the window's "Yeni Hazırla" does.

#include "common/core/Errors.h"
#include "common/core/Family.h"
#include "common/core/Limits.h"
#include "word_problems/core/ProblemSheetSource.h"

namespace zarvik {

namespace {

const QString kDefaultGrade = QStringLiteral("2");
const QString kDefaultCount = QStringLiteral("4");

QString quoted(const QStringList& items) {
    QStringList out;
    for (const QString& item : items)
        out << u'"' + item + u'"';
    return out.join(QStringLiteral(", "));
}

QString kindsHelp() {
    QString text = QStringLiteral("Konular, sınıfları ve işlemleri:\n");
    for (size_t theme = 0; theme < problemThemes().size(); ++theme) {
        text += QStringLiteral("  \"%1\"\n").arg(problemThemes()[theme].name);
        for (const int grade : themeGrades(static_cast<int>(theme)))
            text += QStringLiteral("      %1. sınıf: %2\n")
                        .arg(grade)
                        .arg(quoted(themeOperations(static_cast<int>(theme), grade)));
    }
    return text;
}

QStringList allOperations() {
    QStringList operations{kAllOperations.toString()};
    for (const ProblemTemplate& t : problemTemplates()) {
        const QString name = operationName(t.plan->operators);
        if (!operations.contains(name)) operations << name;
    }
    return operations;
}

QString valueOr(const QCommandLineParser& parser, const QString& option, const QString& fallback) {
    return parser.isSet(option) ? parser.value(option) : fallback;
}

class ProblemFamily : public Family {
  public:
    QString command() const override { return QStringLiteral("problems"); }
    QString summary() const override {
        return QStringLiteral("problemler: sınıfa ve konuya göre, çözüm kutularıyla (A4 ya da A5)");
    }
    QString synopsis() const override {
        return QStringLiteral("[--kind KONU] [--grade SINIF] [--op İŞLEM] [--count N] [--page a4|a5]");
    }
    QString help() const override {
        return QStringLiteral(
                   "Bir sınıfın konusuna göre problem sayfası hazırlar. Her problemin altında\n"
                   "çözüm kutuları (3. ve 4. sınıfta \"Verilen\" ve \"İstenen\" de) ve birimiyle\n"
                   "bir cevap satırı vardır. Problemlerdeki adlar --names ile verilen sınıf\n"
                   "listesinden gelir (her öğrencinin sayfasında ilk problem kendi adıyladır),\n"
                   "liste yoksa sık kullanılan adlardan.\n"
                   "\n"
                   "  --kind KONU        konu, aşağıdakilerden biri (yazılmazsa \"Karışık\")\n"
                   "  --grade SINIF      sınıf: 1, 2, 3 ya da 4 (yazılmazsa %1)\n"
                   "  --op İŞLEM         konunun o sınıftaki işlemlerinden biri (yazılmazsa\n"
                   "                     \"Karışık\": hepsi)\n"
                   "  --count N          problem sayısı, 1 ile %2 arası (yazılmazsa %3)\n"
                   "  --page a4|a5       sayfa boyutu (yazılmazsa a4)\n"
                   "\n")
                   .arg(kDefaultGrade)
                   .arg(limits::kMostProblems)
                   .arg(kDefaultCount) +
               kindsHelp() +
               QStringLiteral("\n-o ve --json yazılmazsa problemler satır satır yazılır.\n");
    }
    QStringList example() const override {
        return {QStringLiteral("--kind"), QStringLiteral("Toplama"), QStringLiteral("--grade"),
                QStringLiteral("2"), QStringLiteral("--count"), QStringLiteral("3")};
    }
    bool hasHalfPageSheets() const override { return true; }
    std::vector<FamilyOption> options() const override {
        QStringList kinds;
        for (const ProblemTheme& theme : problemThemes())
            kinds << theme.name;
        QStringList counts;
        for (int n = 1; n <= 12; ++n)
            counts << QString::number(n);
        return {
            {{QStringLiteral("kind")}, QStringLiteral("KONU"), QStringLiteral("Konu."), kinds},
            {{QStringLiteral("grade")}, QStringLiteral("SINIF"), QStringLiteral("Sınıf."),
             {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}},
            {{QStringLiteral("op")}, QStringLiteral("İŞLEM"), QStringLiteral("İşlem."),
             allOperations()},
            {{QStringLiteral("count")}, QStringLiteral("N"), QStringLiteral("Problem sayısı."),
             counts},
            {{QStringLiteral("page")}, QStringLiteral("SAYFA"), QStringLiteral("a4 ya da a5."),
             {QStringLiteral("a4"), QStringLiteral("a5")}},
        };
    }

    std::unique_ptr<SheetSource> sheetSource(const QCommandLineParser& parser,
                                             const SheetFooter& footer,
                                             MessageSink&) const override {
        const QString page = valueOr(parser, QStringLiteral("page"), QStringLiteral("a4"));
        if (page != QLatin1String("a4") && page != QLatin1String("a5"))
            throw UsageError{QStringLiteral("--page a4 ya da a5 olmalı.")};
        ProblemChoices choices;
        choices.theme = valueOr(parser, QStringLiteral("kind"), kAllOperations.toString());
        choices.grade = valueOr(parser, QStringLiteral("grade"), kDefaultGrade);
        choices.operation = valueOr(parser, QStringLiteral("op"), kAllOperations.toString());
        choices.count = valueOr(parser, QStringLiteral("count"), kDefaultCount);
        choices.paper = page == QLatin1String("a5") ? kA5.toString() : kA4.toString();
        choices.teacher = footer.teacher;
        choices.date = footer.date;
        try {
            checkProblemChoices(choices);
        } catch (const InputRefused& e) {
            throw UsageError{e.message()};
        }
        return std::make_unique<ProblemSheetSource>(std::move(choices));
    }
};

}  // namespace

const Family& word_problemsFamily() {
    static const ProblemFamily family;
    return family;
}

}  // namespace zarvik
