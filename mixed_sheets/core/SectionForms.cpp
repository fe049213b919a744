#include "mixed_sheets/core/SectionForms.h"

#include <QCommandLineParser>

#include "activities/core/ActivityKinds.h"
#include "column_worksheets/core/ColumnDesign.h"
#include "column_worksheets/core/ColumnGenerators.h"
#include "column_worksheets/core/ColumnSheet.h"
#include "common/core/Family.h"
#include "fractions/core/FractionGenerators.h"
#include "numbers/core/NumberGenerators.h"
#include "numbers/core/NumberWorksheet.h"
#include "text_worksheets/core/TextCatalogue.h"
#include "text_worksheets/core/TextPages.h"

namespace zarvik {

namespace {

const QString kYes = QStringLiteral("Evet");
const QString kNo = QStringLiteral("Hayır");

// The command line's options by name, read with its family's options; a
// line that does not parse reads as no options at all.
struct ReadArgs {
    explicit ReadArgs(const QStringList& args) {
        const Family* family = familyOfCommand(args.value(0));
        if (!family) return;
        addFamilyOptions(parser, *family);
        try {
            parseCommandLine(parser, args.mid(1));
            ok = true;
        } catch (const UsageError&) {
        }
    }
    QString value(const QString& name, const QString& fallback = {}) const {
        return ok && parser.isSet(name) ? parser.value(name) : fallback;
    }
    QStringList values(const QString& name) const {
        return ok ? parser.values(name) : QStringList();
    }
    bool isSet(const QString& name) const { return ok && parser.isSet(name); }
    QString positional() const {
        return ok ? parser.positionalArguments().value(0) : QString();
    }

    QCommandLineParser parser;
    bool ok = false;
};

QStringList texts(std::initializer_list<const char16_t*> items) {
    QStringList list;
    for (const char16_t* item : items)
        list << QString::fromUtf16(item);
    return list;
}

QString oneLine(const QString& caption) {
    return caption.simplified();
}

QString pick(const QString& value, const QStringList& items) {
    return items.contains(value) || items.isEmpty() ? value : items.front();
}

// ---- column -----------------------------------------------------------------

// The questions a column kind asks, in order, found by running its
// generator once on a sheet of its own with every question cancelled.
struct ColumnQuestion {
    QString prompt;
    QString defaultText;  // empty for a yes/no question
    bool yesNo = false;
};

class QuestionRecorder : public Questions {
  public:
    QString askText(const QString& prompt, const QString& defaultText) override {
        asked.push_back({prompt, defaultText, false});
        return defaultText;
    }
    bool askYesNo(const QString& question) override {
        asked.push_back({question, {}, true});
        return false;
    }
    std::vector<ColumnQuestion> asked;
};

std::vector<ColumnQuestion> columnQuestions(const QString& operation, const QString& property,
                                            const QString& page) {
    ColumnSheet sheet(page == QLatin1String("a5") ? halfPageDesign() : fullPageDesign());
    QuestionRecorder recorder;
    RandomDraw random;
    try {
        sheet.prepare(operation, property, {}, {}, recorder, random);
    } catch (const Error&) {
        // A kind whose defaults cannot draw still shows its questions.
    }
    return recorder.asked;
}

QString columnPage(const ReadArgs& read, Paper paper) {
    return read.value(QStringLiteral("page"), paper == Paper::A5 ? QStringLiteral("a5") : QStringLiteral("a4"));
}

bool isYes(const QString& answer) {
    static const QStringList yes{QStringLiteral("y"), QStringLiteral("yes"), QStringLiteral("e"),
                                 QStringLiteral("evet")};
    return yes.contains(answer.trimmed().toLower());
}

std::vector<SectionField> columnFields(const QStringList& args, Paper paper) {
    const ReadArgs read(args);
    const QStringList operations = columnOperations();
    const QString operation = pick(read.value(QStringLiteral("op")), operations);
    const QStringList properties = columnProperties(operation);
    const QString property = pick(read.value(QStringLiteral("prop")), properties);
    std::vector<SectionField> fields{{QStringLiteral("İşlem :"), operations, false, operation},
                                     {QStringLiteral("Özellik :"), properties, false, property}};
    const QStringList answers =
        read.isSet(QStringLiteral("answers")) ? read.value(QStringLiteral("answers")).split(u';') : QStringList();
    const std::vector<ColumnQuestion> questions =
        columnQuestions(operation, property, columnPage(read, paper));
    for (size_t i = 0; i < questions.size(); ++i) {
        const ColumnQuestion& q = questions[i];
        const QString answer = answers.value(static_cast<qsizetype>(i));
        if (q.yesNo)
            fields.push_back({q.prompt, {kYes, kNo}, false, isYes(answer) ? kYes : kNo});
        else
            fields.push_back({q.prompt, {q.defaultText}, true,
                              answer.isEmpty() || answer == u"~" ? q.defaultText : answer});
    }
    return fields;
}

QStringList columnArgs(const QStringList& args, const std::vector<SectionField>& fields,
                       Paper paper) {
    const ReadArgs read(args);
    const QString operation = fields.at(0).value;
    const QStringList properties = columnProperties(operation);
    const QString property = pick(fields.at(1).value, properties);
    QStringList line{QStringLiteral("column"), QStringLiteral("--op"), operation,
                     QStringLiteral("--prop"), property};
    if (read.isSet(QStringLiteral("page")))
        line << QStringLiteral("--page") << read.value(QStringLiteral("page"));
    // Other questions come with another kind: they start from their defaults.
    if (operation != read.value(QStringLiteral("op")) || property != read.value(QStringLiteral("prop")))
        return line;
    const std::vector<ColumnQuestion> questions =
        columnQuestions(operation, property, columnPage(read, paper));
    QStringList answers;
    for (size_t i = 0; i < questions.size() && i + 2 < fields.size(); ++i) {
        const QString& value = fields[i + 2].value;
        answers << (questions[i].yesNo ? (value == kYes ? QStringLiteral("e") : QStringLiteral("h"))
                                       : value);
    }
    if (!answers.isEmpty()) line << QStringLiteral("--answers") << answers.join(u';');
    return line;
}

// ---- text -------------------------------------------------------------------

QString textKindLabel(const TextKind& kind) {
    return textSheetTitle(kind.code);
}

// A new kind's lists start at their third item (or their last): a middle
// value every kind can draw with.
QString startItem(const ParameterList& list) {
    return list.items.value(std::min<qsizetype>(2, list.items.size() - 1));
}

QStringList textStartArgs(const TextKind& kind) {
    QStringList line{QStringLiteral("text"), QString::number(kind.code)};
    if (kind.first.shown()) line << QStringLiteral("--p1") << startItem(kind.first);
    if (kind.second.shown()) line << QStringLiteral("--p2") << startItem(kind.second);
    return line;
}

const TextKind& textKindOf(const ReadArgs& read) {
    const TextKind* kind = findTextKind(read.positional().toInt());
    return kind ? *kind : textKinds().front();
}

std::vector<SectionField> textFields(const QStringList& args) {
    const ReadArgs read(args);
    const TextKind& kind = textKindOf(read);
    QStringList labels;
    for (const TextKind& k : textKinds())
        labels << textKindLabel(k);
    std::vector<SectionField> fields{{QStringLiteral("Tür :"), labels, false, textKindLabel(kind)}};
    for (const auto& [list, option] : {std::pair{&kind.first, QStringLiteral("p1")},
                                       std::pair{&kind.second, QStringLiteral("p2")}})
        if (list->shown())
            fields.push_back({oneLine(list->caption), list->items, !list->words,
                              read.value(option, startItem(*list))});
    if (kind.checkShown())
        fields.push_back({oneLine(kind.checkCaption), {kYes, kNo}, false,
                          read.isSet(QStringLiteral("check")) ? kYes : kNo});
    return fields;
}

QStringList textArgs(const QStringList& args, const std::vector<SectionField>& fields) {
    const ReadArgs read(args);
    const TextKind* chosen = nullptr;
    for (const TextKind& k : textKinds())
        if (textKindLabel(k) == fields.at(0).value) chosen = &k;
    if (!chosen) chosen = &textKinds().front();
    if (chosen != &textKindOf(read) || !read.ok) return textStartArgs(*chosen);
    QStringList line{QStringLiteral("text"), QString::number(chosen->code)};
    size_t at = 1;
    if (chosen->first.shown()) line << QStringLiteral("--p1") << fields.at(at++).value;
    if (chosen->second.shown()) line << QStringLiteral("--p2") << fields.at(at++).value;
    if (chosen->checkShown() && fields.at(at).value == kYes) line << QStringLiteral("--check");
    return line;
}

// ---- fractions --------------------------------------------------------------

bool additive(const QString& operation) {
    return operation == QStringView(fractions::kOperationTexts[0]) ||
           operation == QStringView(fractions::kOperationTexts[1]);
}

const QStringList& fractionOperations() {
    static const QStringList list = texts({fractions::kOperationTexts[0], fractions::kOperationTexts[1],
                                           fractions::kOperationTexts[2], fractions::kOperationTexts[3]});
    return list;
}
const QStringList& fractionTypes() {
    static const QStringList list = texts({fractions::kTypeTexts[0], fractions::kTypeTexts[1]});
    return list;
}
const QStringList& fractionRelations() {
    static const QStringList list = texts(
        {fractions::kRelationTexts[0], fractions::kRelationTexts[1], fractions::kRelationTexts[2]});
    return list;
}

std::vector<SectionField> fractionFields(const QStringList& args) {
    const ReadArgs read(args);
    const QString operation = pick(read.value(QStringLiteral("op")), fractionOperations());
    std::vector<SectionField> fields{
        {QStringLiteral("İşlem :"), fractionOperations(), false, operation},
        {QStringLiteral("Tam/Basit"), fractionTypes(), false,
         pick(read.value(QStringLiteral("type")), fractionTypes())}};
    if (additive(operation))
        fields.push_back({QStringLiteral("Payda :"), fractionRelations(), false,
                          pick(read.value(QStringLiteral("denominators")), fractionRelations())});
    return fields;
}

QStringList fractionStartArgs(const QString& operation, const QString& type, const QString& relation) {
    QStringList line{QStringLiteral("fraction"), QStringLiteral("--op"), operation,
                     QStringLiteral("--type"), type};
    if (additive(operation)) line << QStringLiteral("--denominators") << relation;
    return line;
}

QStringList fractionArgs(const std::vector<SectionField>& fields) {
    return fractionStartArgs(fields.at(0).value, fields.at(1).value,
                             fields.size() > 2 ? fields[2].value : fractionRelations().front());
}

// ---- numbers ----------------------------------------------------------------

QStringList digitItems() {
    QStringList items;
    for (int d = 1; d <= 9; ++d)
        items << QString::number(d);
    return items;
}

std::vector<SectionField> numberFields(const QStringList& args) {
    const ReadArgs read(args);
    const QStringList columns{kOneColumn.toString(), kTwoColumns.toString()};
    return {{QStringLiteral("İşlem :"), numberKindTexts(), false,
             pick(read.value(QStringLiteral("kind")), numberKindTexts())},
            {QStringLiteral("Basamak :"), digitItems(), false,
             pick(read.value(QStringLiteral("digits"), QStringLiteral("3")), digitItems())},
            {QStringLiteral("Sütun"), columns, false,
             pick(read.value(QStringLiteral("columns"), kTwoColumns.toString()), columns)}};
}

QStringList numberArgs(const std::vector<SectionField>& fields) {
    return {QStringLiteral("numbers"), QStringLiteral("--kind"), fields.at(0).value,
            QStringLiteral("--digits"), fields.at(1).value, QStringLiteral("--columns"),
            fields.at(2).value};
}

// ---- activities -------------------------------------------------------------

const ActivityKind& activityKindOf(const ReadArgs& read) {
    const ActivityKind* kind = activityKind(read.value(QStringLiteral("kind")));
    return kind ? *kind : activityKinds().front();
}

std::vector<SectionField> activityFields(const QStringList& args) {
    const ReadArgs read(args);
    const ActivityKind& kind = activityKindOf(read);
    QStringList names;
    for (const ActivityKind& k : activityKinds())
        names << k.name;
    std::vector<SectionField> fields{{QStringLiteral("Etkinlik :"), names, false, kind.name}};
    for (const ActivityOption& option : kind.options) {
        QString value = option.start;
        for (const QString& pair : read.values(QStringLiteral("opt")))
            if (pair.startsWith(option.caption + u'=')) value = pair.mid(option.caption.size() + 1);
        fields.push_back({option.caption + QStringLiteral(" :"), option.items, false, value});
    }
    return fields;
}

QStringList activityArgs(const QStringList& args, const std::vector<SectionField>& fields) {
    const ReadArgs read(args);
    QStringList line{QStringLiteral("activity"), QStringLiteral("--kind"), fields.at(0).value};
    const ActivityKind* kind = activityKind(fields.at(0).value);
    if (!kind || kind != &activityKindOf(read)) return line;
    for (size_t i = 0; i < kind->options.size() && i + 1 < fields.size(); ++i)
        line << QStringLiteral("--opt") << kind->options[i].caption + u'=' + fields[i + 1].value;
    return line;
}

// ---- any other family: one field an option ----------------------------------

std::vector<SectionField> genericFields(const Family& family, const QStringList& args) {
    const ReadArgs read(args);
    std::vector<SectionField> fields;
    if (!family.positional().isEmpty())
        fields.push_back({family.positional(), family.positionalValues(),
                          family.positionalValues().isEmpty(), read.positional()});
    for (const FamilyOption& option : family.options()) {
        QString caption = option.help;
        if (caption.endsWith(u'.')) caption.chop(1);
        const QString name = option.names.front();
        if (option.valueName.isEmpty())
            fields.push_back({caption, {kNo, kYes}, false, read.isSet(name) ? kYes : kNo});
        else
            fields.push_back({caption, option.values, option.values.isEmpty(),
                              read.value(name, option.values.value(0))});
    }
    return fields;
}

QStringList genericArgs(const Family& family, const std::vector<SectionField>& fields) {
    QStringList line{family.command()};
    size_t at = 0;
    if (!family.positional().isEmpty()) line << fields.at(at++).value;
    for (const FamilyOption& option : family.options()) {
        const QString& value = fields.at(at++).value;
        if (option.valueName.isEmpty()) {
            if (value == kYes) line << QStringLiteral("--") + option.names.front();
        } else if (!value.isEmpty()) {
            line << QStringLiteral("--") + option.names.front() << value;
        }
    }
    return line;
}

}  // namespace

std::vector<SectionField> sectionFields(const QStringList& args, Paper paper) {
    const QString command = args.value(0);
    if (command == QLatin1String("column")) return columnFields(args, paper);
    if (command == QLatin1String("text")) return textFields(args);
    if (command == QLatin1String("fraction")) return fractionFields(args);
    if (command == QLatin1String("numbers")) return numberFields(args);
    if (command == QLatin1String("activity")) return activityFields(args);
    if (const Family* family = familyOfCommand(command)) return genericFields(*family, args);
    return {};
}

QStringList sectionArgs(const QStringList& args, const std::vector<SectionField>& fields,
                        Paper paper) {
    const QString command = args.value(0);
    if (fields.empty()) return args;
    if (command == QLatin1String("column")) return columnArgs(args, fields, paper);
    if (command == QLatin1String("text")) return textArgs(args, fields);
    if (command == QLatin1String("fraction")) return fractionArgs(fields);
    if (command == QLatin1String("numbers")) return numberArgs(fields);
    if (command == QLatin1String("activity")) return activityArgs(args, fields);
    if (const Family* family = familyOfCommand(command)) return genericArgs(*family, fields);
    return args;
}

const std::vector<SectionKind>& sectionKinds() {
    static const std::vector<SectionKind> kinds = [] {
        std::vector<SectionKind> all;
        for (const Family* family : families()) {
            const QString command = family->command();
            if (command == QLatin1String("column")) {
                for (const ColumnKind& kind : columnKinds())
                    all.push_back({QStringLiteral("Alt Alta İşlemler"), kind.operation.toString(),
                                   kind.property.toString(),
                                   {QStringLiteral("column"), QStringLiteral("--op"),
                                    kind.operation.toString(), QStringLiteral("--prop"),
                                    kind.property.toString()}});
            } else if (command == QLatin1String("text")) {
                for (const TextKind& kind : textKinds())
                    all.push_back({QStringLiteral("Yan Yana!"),
                                   textMenuGroups().at(static_cast<size_t>(kind.group)).menuText,
                                   kind.menuText, textStartArgs(kind)});
            } else if (command == QLatin1String("fraction")) {
                for (const QString& operation : fractionOperations())
                    for (const QString& type : fractionTypes()) {
                        const QStringList relations =
                            additive(operation) ? fractionRelations() : QStringList{QString()};
                        for (const QString& relation : relations)
                            all.push_back({QStringLiteral("Kesirler"), operation,
                                           relation.isEmpty() ? type : type + QStringLiteral(", ") + relation,
                                           fractionStartArgs(operation, type, relation)});
                    }
            } else if (command == QLatin1String("numbers")) {
                for (const QString& kind : numberKindTexts())
                    all.push_back({QStringLiteral("Sayı Alıştırmaları"), {}, kind,
                                   {QStringLiteral("numbers"), QStringLiteral("--kind"), kind,
                                    QStringLiteral("--digits"), QStringLiteral("3")}});
            } else if (command == QLatin1String("activity")) {
                for (const ActivityKind& kind : activityKinds())
                    all.push_back({QStringLiteral("Etkinlikler"), {}, kind.name,
                                   {QStringLiteral("activity"), QStringLiteral("--kind"), kind.name}});
            } else if (command != QLatin1String("sheet")) {
                // A later family: its example is a kind it can draw.
                QString name = family->summary();
                if (!name.isEmpty()) name[0] = name[0].toUpper();
                all.push_back({name, {}, family->example().join(u' '),
                               QStringList{command} + family->example()});
            }
        }
        return all;
    }();
    return kinds;
}

QString kindLabel(const QStringList& args) {
    const QString command = args.value(0);
    const ReadArgs read(args);
    if (command == QLatin1String("column"))
        return read.value(QStringLiteral("op")) + QStringLiteral(": ") + read.value(QStringLiteral("prop"));
    if (command == QLatin1String("text")) {
        const TextKind* kind = findTextKind(read.positional().toInt());
        return kind ? textSheetTitle(kind->code) : QString();
    }
    if (command == QLatin1String("fraction"))
        return QStringLiteral("Kesirlerle %1 (%2)")
            .arg(read.value(QStringLiteral("op")).toLower(), read.value(QStringLiteral("type")));
    if (command == QLatin1String("numbers") || command == QLatin1String("activity"))
        return read.value(QStringLiteral("kind"));
    return args.mid(1).join(u' ');
}

}  // namespace zarvik
