#pragma once
// A section's choices as its family's own window shows them, with the same
// captions and lists: the column windows' "İşlem" and "Özellik" and the
// questions their generators ask, the text window's kind and its two lists
// and check box, the fraction, number and activity windows' lists. The mixed
// sheet's window edits a section through these fields; they are read from
// and written back to the section's command line, so a preset holds
// zarvik-cli's words. A family without a form of its own gets one field per
// option of its command.

#include <QString>
#include <QStringList>
#include <vector>

#include "common/core/Page.h"

namespace zarvik {

struct SectionField {
    QString caption;
    QStringList items;
    bool typed = false;  // any text may be typed, as into the window's box
    QString value;
};

// The fields of a section's command line (the paper decides a column
// section's window, and so its questions' defaults).
std::vector<SectionField> sectionFields(const QStringList& args, Paper paper);
// The command line once the fields hold these values; a field that changes
// the others (the operation, the kind) starts them afresh.
QStringList sectionArgs(const QStringList& args, const std::vector<SectionField>& fields,
                        Paper paper);

// One kind of exercise of some family, as a new section starts it.
struct SectionKind {
    QString family;  // "Alt Alta İşlemler"
    QString group;   // within the family ("Toplama"); may be empty
    QString label;   // "Eldesiz Toplama"
    QStringList args;
};
// Every kind of every family, in the families' order.
const std::vector<SectionKind>& sectionKinds();

// How a section names its kind when it has no heading and its family's
// sheet no title: "Toplama: Eldeli sayılarla karışık".
QString kindLabel(const QStringList& args);

}  // namespace zarvik
