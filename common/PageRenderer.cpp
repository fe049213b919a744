#include "common/PageRenderer.h"

#include <QPainter>

#include "common/Errors.h"

namespace zarvik {

void paintPage(const Page&, QPainter&) {}

void writePdf(const std::vector<const Page*>&, const QString& path) {
    throw FileError(QStringLiteral("\"%1\": PDF not built yet").arg(path));
}

void writePng(const Page&, const QString& path, int) {
    throw FileError(QStringLiteral("\"%1\": PNG not built yet").arg(path));
}

}  // namespace zarvik
