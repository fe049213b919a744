#pragma once
// A class list for one worksheet per pupil: a text file with one pupil name a
// line, in UTF-8 or Windows-1254. Blank lines and spaces around a name are
// ignored. A list that cannot be used (empty, or a name with a control
// character) is refused as a whole, with a Turkish message naming the line,
// before any sheet is prepared; a long name is fitted to its page instead.

#include <QString>
#include <QStringList>

namespace zarvik {

// Throws FileError (missing, unreadable, too big) or InputRefused (empty list,
// control characters).
QStringList readClassList(const QString& path);

// The same rules on a file's bytes already read, and on text typed or pasted.
QStringList parseClassList(const QByteArray& bytes, const QString& shownName);
QStringList classListNames(const QString& text, const QString& shownName);

}  // namespace zarvik
