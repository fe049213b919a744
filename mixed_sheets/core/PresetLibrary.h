#pragma once
// The presets shipped with the program, one file each, named by grade
// ("3-sinif-saatler.zarvik"): in share/zarvik/presets beside the program's
// bin folder when installed (/usr/share/zarvik/presets), in the build tree's
// share/zarvik/presets when run from there, else in the source tree.

#include <QString>
#include <QStringList>
#include <vector>

namespace zarvik {

struct ShippedPreset {
    QString name;  // the file name without ".zarvik": "3-sinif-saatler"
    QString path;
    int grade = 0;  // from the name's first number; 0 without one
};

// The folder they are read from; empty when none is found.
QString shippedPresetFolder();
// By grade, then name.
std::vector<ShippedPreset> shippedPresets();
// The file a command line names: an existing file as it is, else a shipped
// preset's name (with or without ".zarvik"); empty when neither.
QString presetPath(const QString& given);

}  // namespace zarvik
