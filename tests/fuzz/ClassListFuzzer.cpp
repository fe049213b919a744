// libFuzzer target: the class-list reader on any bytes (UTF-8, Windows-1254
// or neither). Every input must end with a list of names or the reader's
// refusal; a name it keeps is never empty, never longer than the field holds.

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "common/core/ClassList.h"
#include "common/core/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const QStringList names = zarvik::parseClassList(bytes, QStringLiteral("liste.txt"));
        for (const QString& name : names)
            if (name.isEmpty() || name.trimmed() != name) std::abort();
    } catch (const zarvik::Error&) {
    }
    return 0;
}
