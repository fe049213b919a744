#pragma once
// A mixed sheet as a small JSON file (.zarvik, docs/mixed-sheet/preset-format.md):
// its title, paper, optionally the draw's calendar time, and its sections,
// each a family's command line (zarvik-cli's words) with how many exercises
// to take. Files are read whole and checked before anything is drawn; a
// refusal names the section and the field in Turkish.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "common/core/Errors.h"
#include "common/core/Page.h"

namespace zarvik {

struct PresetSection {
    QStringList args;  // "column", "--op", "Toplama", …
    int count = 10;
    QString heading;       // empty: the kind's own title
    bool regroup = false;  // every exercise carries or borrows
    bool repeat = false;   // the teacher accepts repeated exercises

    bool operator==(const PresetSection&) const = default;
};

struct SheetPreset {
    QString title;
    Paper paper = Paper::A4;  // A4 or A5
    std::optional<int64_t> time;
    std::vector<PresetSection> sections;

    bool operator==(const SheetPreset&) const = default;
};

// A preset that cannot be used; the message names the section and field.
class PresetRefused : public InputRefused {
  public:
    using InputRefused::InputRefused;
};

// "3. bölüm, \"count\": " — how refusals start, for callers that check more.
QString sectionField(int index, QStringView field);

// Throws PresetRefused. Checks the form only; the sections' arguments are
// read by their families (MixedSheetSource).
SheetPreset parsePreset(const QByteArray& json);
// Throws FileError (missing, unreadable) or PresetRefused (too large, bad).
SheetPreset readPresetFile(const QString& path);
// The preset as its file holds it: UTF-8, the fields in a fixed order, one
// section a line.
QByteArray presetJson(const SheetPreset& preset);

// "A4", "A5".
QString paperName(Paper paper);

}  // namespace zarvik
