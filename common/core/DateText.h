#pragma once

#include <QDate>
#include <QString>

namespace zarvik {

// Day "/" month "/" year: two-digit day and month, the year in full (07/03/2008).
inline QString dateText(const QDate& date) {
    return QStringLiteral("%1/%2/%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year());
}

}  // namespace zarvik
