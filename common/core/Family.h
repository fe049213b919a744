#pragma once
// Zarvik's layers, from the bottom; includes never point up:
//
//   core     common/core, <family>/core   Qt Core only. The draw (RandomDraw) and field
//            numbers → each family's generators → exercises as values (Exercise) →
//            page designs as data (Page) → sheets (SheetSource) → families (this file)
//   render   common/render                Qt Gui. One painter (PageRenderer) for preview,
//            print, PDF, PNG; text measured with the real fonts; outputs by suffix
//   windows  common/windows, <family>/windows, app/   Qt Widgets: the launcher and
//            one window per family's sheet; they only wire the layers below together
//   cli      cli/                          zarvik-cli: the registry's commands, no widgets
//
// A family is one folder and one line of FamilyList.h: its core gives this
// contract (its command and options, and the source of its sheets), its
// windows folder the windows and their launcher buttons (FamilyWindows.h).

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "common/core/Questions.h"
#include "common/core/SheetSource.h"

namespace zarvik {

// One option of a family's command: zarvik-cli's, and a mixed sheet section's.
struct FamilyOption {
    QStringList names;   // "op"; "o", "output"
    QString valueName;   // "OP"; empty for a yes/no flag
    QString help;        // Turkish, for --help
    QStringList values;  // the texts it takes, where they are a list
};

// The texts at the foot of every page: "Hazırlayan: …" and the date.
struct SheetFooter {
    QString teacher;
    QString date;
};

class Family {
  public:
    virtual ~Family() = default;

    // The command that prepares its sheets, and the name of its family in
    // a mixed sheet's section: "column".
    virtual QString command() const = 0;
    // One line for zarvik-cli --help.
    virtual QString summary() const = 0;
    // The usage line's part after "zarvik-cli COMMAND".
    virtual QString synopsis() const = 0;
    // What --help says of the command and its own options (the options every
    // command shares are added to it).
    virtual QString help() const = 0;
    virtual std::vector<FamilyOption> options() const = 0;
    // The positional argument's name ("TÜR"), or empty for none.
    virtual QString positional() const { return {}; }
    virtual QStringList positionalValues() const { return {}; }
    // A short command line that prepares a typical sheet (after the command's
    // name), for the manual's examples, the tests and the fuzz targets' seeds.
    virtual QStringList example() const = 0;
    // The texts an option's value can take after the words typed so far,
    // for the shell's completion; by default its list.
    virtual QStringList completions(const FamilyOption& option, const QStringList& words) const {
        Q_UNUSED(words);
        return option.values;
    }

    // Sheets that are text themselves: written to Zarvik.txt when no output
    // is named, and into a folder of sheets with -o DIR/.
    virtual bool sheetsAreText() const { return false; }
    // Some of its sheets are A5 (--two-up applies).
    virtual bool hasHalfPageSheets() const { return false; }
    // Which of its sheets are A5, for --two-up's help; empty: the column
    // family's words.
    virtual QString halfPageSheetsNote() const { return {}; }

    // Reads and checks the family's own options from the parsed command line
    // (UsageError for a missing or unknown value) and gives the source of its
    // sheets; nothing is drawn yet. messages: what the preparation tells
    // (corrected values).
    virtual std::unique_ptr<SheetSource> sheetSource(const QCommandLineParser& parser,
                                                     const SheetFooter& footer,
                                                     MessageSink& messages) const = 0;
};

// Every family, in the order start-up creates their windows.
const std::vector<const Family*>& families();
// The family of that command; nullptr for any other text.
const Family* familyOfCommand(QStringView command);

// The family's options on a parser (with -h/--help too).
void addFamilyOptions(QCommandLineParser& parser, const Family& family);
// Parses arguments (the command name removed); bad usage throws UsageError
// in Turkish.
void parseCommandLine(QCommandLineParser& parser, const QStringList& arguments);
// A stray positional argument of a command that takes none is bad usage.
void refuseStrayArguments(const QCommandLineParser& parser, const Family& family);

// The source of the sheets that a command line describes, as a mixed
// sheet's section gives it: "column --op Toplama …". Throws UsageError.
std::unique_ptr<SheetSource> sheetSourceOf(const QStringList& commandLine,
                                           const SheetFooter& footer, MessageSink& messages);

}  // namespace zarvik
