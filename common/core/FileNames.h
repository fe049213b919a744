#pragma once
// The name the "PDF olarak kaydet" dialog proposes: what the sheet is, in
// letters every file system and mail program keeps ("Bolme-A5.pdf").

#include <QString>
#include <QStringList>

namespace zarvik {

// The parts folded to ASCII (ç → c, İ → I, ...), each run of other characters
// a single "-", joined by "-", with ".pdf"; "Zarvik.pdf" when nothing is left.
QString pdfFileName(const QStringList& parts);

}  // namespace zarvik
