#include "mixed_sheets/core/PresetLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace zarvik {

namespace {

const QString kSuffix = QStringLiteral(".zarvik");

QStringList candidateFolders() {
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath() + QStringLiteral("/../share/zarvik/presets");
    folders << QStringLiteral(ZARVIK_INSTALLED_PRESETS) << QStringLiteral(ZARVIK_SOURCE_PRESETS);
    return folders;
}

}  // namespace

QString shippedPresetFolder() {
    for (const QString& folder : candidateFolders()) {
        const QDir dir(folder);
        if (dir.exists() && !dir.entryList({QStringLiteral("*.zarvik")}, QDir::Files).isEmpty())
            return dir.canonicalPath();
    }
    return {};
}

std::vector<ShippedPreset> shippedPresets() {
    std::vector<ShippedPreset> presets;
    const QString folder = shippedPresetFolder();
    if (folder.isEmpty()) return presets;
    static const QRegularExpression grade(QStringLiteral("^(\\d+)"));
    const QDir dir(folder);
    for (const QFileInfo& file : dir.entryInfoList({QStringLiteral("*.zarvik")}, QDir::Files)) {
        const QString name = file.completeBaseName();
        presets.push_back({name, file.filePath(), grade.match(name).captured(1).toInt()});
    }
    std::sort(presets.begin(), presets.end(), [](const ShippedPreset& a, const ShippedPreset& b) {
        return a.grade != b.grade ? a.grade < b.grade : a.name < b.name;
    });
    return presets;
}

QString presetPath(const QString& given) {
    if (given.isEmpty()) return {};
    if (QFileInfo::exists(given)) return given;
    // A name, not a path: the shipped presets.
    if (given.contains(u'/')) return {};
    const QString name = given.endsWith(kSuffix) ? given.chopped(kSuffix.size()) : given;
    for (const ShippedPreset& preset : shippedPresets())
        if (preset.name == name) return preset.path;
    return {};
}

}  // namespace zarvik
