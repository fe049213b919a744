#include "common/core/Family.h"

#include <QRegularExpression>

#include "common/core/Errors.h"
#include "common/core/FamilyList.h"

namespace zarvik {

#define ZARVIK_DECLARE_FAMILY(folder, command) const Family& folder##Family();
ZARVIK_FAMILIES(ZARVIK_DECLARE_FAMILY)
#undef ZARVIK_DECLARE_FAMILY

const std::vector<const Family*>& families() {
#define ZARVIK_FAMILY_ENTRY(folder, command) &folder##Family(),
    static const std::vector<const Family*> all{ZARVIK_FAMILIES(ZARVIK_FAMILY_ENTRY)};
#undef ZARVIK_FAMILY_ENTRY
    return all;
}

const Family* familyOfCommand(QStringView command) {
    for (const Family* family : families())
        if (family->command() == command) return family;
    return nullptr;
}

namespace {

// QCommandLineParser explains in English; its three kinds of complaint, in Turkish.
QString turkishParseError(const QCommandLineParser& parser) {
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().constFirst();
        return QStringLiteral("'%1%2' diye bir seçenek yok.")
            .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), quotedValue(name));
    }
    static const QRegularExpression missingValue(QStringLiteral("^Missing value after '(.*)'\\.$"));
    const QRegularExpressionMatch missing = missingValue.match(parser.errorText());
    if (missing.hasMatch())
        return QStringLiteral("'%1' seçeneğinden sonra bir değer yazınız.")
            .arg(quotedValue(missing.captured(1)));
    static const QRegularExpression extraValue(
        QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    const QRegularExpressionMatch extra = extraValue.match(parser.errorText());
    if (extra.hasMatch())
        return QStringLiteral("'%1' seçeneği değer almaz.").arg(quotedValue(extra.captured(1)));
    return quotedValue(parser.errorText(), 200);
}

}  // namespace

void addFamilyOptions(QCommandLineParser& parser, const Family& family) {
    for (const FamilyOption& option : family.options())
        parser.addOption({option.names, option.help, option.valueName});
    if (!family.positional().isEmpty())
        parser.addPositionalArgument(family.positional(), family.positional());
}

void parseCommandLine(QCommandLineParser& parser, const QStringList& arguments) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // QCommandLineParser expects the program name first.
    if (!parser.parse(QStringList{QStringLiteral("zarvik-cli")} + arguments))
        throw UsageError{turkishParseError(parser)};
}

void refuseStrayArguments(const QCommandLineParser& parser, const Family& family) {
    if (family.positional().isEmpty() && !parser.positionalArguments().isEmpty())
        throw UsageError{QStringLiteral("'%1' fazladan yazılmış.")
                             .arg(quotedValue(parser.positionalArguments().constFirst()))};
}

std::unique_ptr<SheetSource> sheetSourceOf(const QStringList& commandLine,
                                           const SheetFooter& footer, MessageSink& messages) {
    const QString command = commandLine.value(0);
    const Family* family = familyOfCommand(command);
    if (!family) {
        QStringList commands;
        for (const Family* known : families())
            commands << known->command();
        throw UsageError{QStringLiteral("'%1' diye bir alıştırma ailesi yok (%2).")
                             .arg(quotedValue(command), commands.join(QStringLiteral(", ")))};
    }
    QCommandLineParser parser;
    addFamilyOptions(parser, *family);
    parseCommandLine(parser, commandLine.mid(1));
    refuseStrayArguments(parser, *family);
    return family->sheetSource(parser, footer, messages);
}

}  // namespace zarvik
