// The activity pages as a family: zarvik-cli activity and a mixed sheet's
// activity sections prepare the page as the window's "Yeni Hazırla" does.

#include "activities/core/ActivitySheetSource.h"
#include "common/core/Errors.h"
#include "common/core/Family.h"

namespace zarvik {

namespace {

QString kindsHelp() {
    QString text = QStringLiteral("Etkinlikler ve seçenekleri (başlangıç değeri * ile işaretli):\n");
    for (const ActivityKind& kind : activityKinds()) {
        text += QStringLiteral("  \"%1\"\n").arg(kind.name);
        for (const ActivityOption& option : kind.options) {
            QStringList items;
            for (const QString& item : option.items)
                items << u'"' + item + u'"' +
                             (item == option.start ? QStringLiteral("*") : QString());
            text += QStringLiteral("      %1: %2\n")
                        .arg(option.caption, items.join(QStringLiteral(", ")));
        }
    }
    return text;
}

// "NAME=VALUE" pairs over the kind's start values; bad usage for a name or
// value the kind does not have.
ActivityValues chosenValues(const ActivityKind& kind, const QStringList& pairs) {
    ActivityValues values = startValues(kind);
    for (const QString& pair : pairs) {
        const qsizetype equals = pair.indexOf(u'=');
        const QString name = equals < 0 ? pair : pair.left(equals);
        QStringList captions;
        qsizetype found = -1;
        for (size_t i = 0; i < kind.options.size(); ++i) {
            captions << u'"' + kind.options[i].caption + u'"';
            if (kind.options[i].caption == name) found = static_cast<qsizetype>(i);
        }
        if (equals < 0)
            throw UsageError{
                QStringLiteral("--opt \"AD=DEĞER\" biçiminde verilmeli, '%1' değil.")
                    .arg(quotedValue(pair))};
        if (found < 0)
            throw UsageError{QStringLiteral("\"%1\" etkinliğinde \"%2\" diye bir seçenek yok. "
                                            "Seçenekler: %3.")
                                 .arg(kind.name, quotedValue(name),
                                      captions.isEmpty() ? QStringLiteral("yok")
                                                         : captions.join(QStringLiteral(", ")))};
        values[found] = pair.mid(equals + 1);
    }
    try {
        checkActivityValues(kind, values);
    } catch (const InputRefused& e) {
        throw UsageError{e.message()};
    }
    return values;
}

class ActivityFamily : public Family {
  public:
    QString command() const override { return QStringLiteral("activity"); }
    QString summary() const override {
        return QStringLiteral(
            "etkinlik sayfası (saatler, eksik sayılar, ritmik sayma, basamak değeri, paralar)");
    }
    QString synopsis() const override {
        return QStringLiteral("--kind ETKİNLİK [--opt AD=DEĞER]...");
    }
    QString help() const override {
        return QStringLiteral(
                   "Bir etkinlik sayfası (A4) hazırlar. Yazılmayan seçenek, penceredeki\n"
                   "başlangıç değerini alır.\n"
                   "\n"
                   "  --kind ETKİNLİK    etkinlik, aşağıdakilerden biri\n"
                   "  --opt AD=DEĞER     etkinliğin bir seçeneği, penceredeki adı ve değeriyle\n"
                   "\n") +
               kindsHelp() +
               QStringLiteral("\n-o ve --json yazılmazsa sayfanın metinleri satır satır yazılır.\n");
    }
    QStringList example() const override {
        return {QStringLiteral("--kind"), QStringLiteral("Saat Okuma"), QStringLiteral("--opt"), QStringLiteral("Hassasiyet=5 dakika")};
    }
    std::vector<FamilyOption> options() const override {
        QStringList kinds, pairs;
        for (const ActivityKind& kind : activityKinds()) {
            kinds << kind.name;
            for (const ActivityOption& option : kind.options)
                for (const QString& item : option.items)
                    pairs << option.caption + u'=' + item;
        }
        return {
            {{QStringLiteral("kind")}, QStringLiteral("ETKİNLİK"), QStringLiteral("Etkinlik."),
             kinds},
            {{QStringLiteral("opt")}, QStringLiteral("AD=DEĞER"), QStringLiteral("Seçenek."),
             pairs},
        };
    }

    std::unique_ptr<SheetSource> sheetSource(const QCommandLineParser& parser,
                                             const SheetFooter& footer,
                                             MessageSink&) const override {
        if (!parser.isSet(QStringLiteral("kind")))
            throw UsageError{QStringLiteral("--kind verilmeli.")};
        const ActivityKind* chosen = nullptr;
        try {
            chosen = &checkedActivityKind(parser.value(QStringLiteral("kind")));
        } catch (const InputRefused& e) {
            throw UsageError{e.message()};
        }
        ActivityChoices choices;
        choices.kind = chosen->name;
        choices.values = chosenValues(*chosen, parser.values(QStringLiteral("opt")));
        choices.teacher = footer.teacher;
        choices.date = footer.date;
        return std::make_unique<ActivitySheetSource>(std::move(choices));
    }
};

}  // namespace

const Family& activitiesFamily() {
    static const ActivityFamily family;
    return family;
}

}  // namespace zarvik
