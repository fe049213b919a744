#pragma once
// The files a sheet set can be written to, chosen by the name's suffix, in
// one table: pages as PDF or PNG, the listing as a text file, JSON, a web
// page that checks its answers. Every command and window that writes a file
// asks here.

#include <QString>
#include <memory>
#include <vector>

#include "common/core/SheetSet.h"

namespace zarvik {

struct SheetOutput {
    QString suffix;       // "pdf", lower case
    QString description;  // Turkish, for help texts
    bool painted;         // pages drawn with the fonts
    bool onePage;         // holds a single page
    std::unique_ptr<SheetWriter> (*make)(const QString& path, const ClassSetChoice& choice);
    // A one-page output: why a set or a key is refused, and what to write instead.
    QString setRefusal = {};
};

const std::vector<SheetOutput>& sheetOutputs();
// The output for the path's suffix (any case); nullptr for a suffix not in the table.
const SheetOutput* sheetOutputFor(const QString& path);
// ".pdf, .png, .txt, .json"
QString sheetOutputSuffixes();

}  // namespace zarvik
