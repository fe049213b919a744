#pragma once
// A class list for one worksheet per pupil: a text file with one pupil name a
// line, in UTF-8 or Windows-1254. Blank lines and spaces around a name are
// ignored. A list that cannot be used is refused as a whole, with a Turkish
// message saying why, before any sheet is prepared.

#include <QString>
#include <QStringList>

namespace zarvik {

// Throws FileError (missing, unreadable, too big) or InputRefused (empty list,
// a name too long, control characters).
QStringList readClassList(const QString& path);

// The same rules on text already read (tests, other callers).
QStringList parseClassList(const QByteArray& bytes, const QString& shownName);

}  // namespace zarvik
