#pragma once
// A small JSON writer that keeps the key order the outputs document (Qt's
// QJsonObject sorts keys) and writes numbers of 64 bits exactly.

#include <QString>
#include <QStringList>

namespace zarvik {

QString jsonString(const QString& text);
QString jsonStringArray(const QStringList& texts);

}  // namespace zarvik
