#include "common/OutputFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

#include "common/Errors.h"

namespace zarvik {

OutputFile::OutputFile(QString path) : path_(std::move(path)) {}

OutputFile::~OutputFile() {
    if (!committed_) {
        if (auto* save = qobject_cast<QSaveFile*>(device_.get())) save->cancelWriting();
    }
}

QIODevice& OutputFile::device() {
    if (device_) return *device_;
    if (path_ == QLatin1String("-")) {
        auto file = std::make_unique<QFile>();
        if (!file->open(stdout, QIODevice::WriteOnly)) fail(file->errorString());
        direct_ = true;
        device_ = std::move(file);
        return *device_;
    }
    const QFileInfo info(path_);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        // A device or a pipe: there is nothing to replace, write straight in.
        auto file = std::make_unique<QFile>(path_);
        if (!file->open(QIODevice::WriteOnly)) fail(reasonFor(*file));
        direct_ = true;
        device_ = std::move(file);
        return *device_;
    }
    if (info.isDir()) fail(QStringLiteral("bu bir klasör"));
    auto save = std::make_unique<QSaveFile>(path_);
    if (!save->open(QIODevice::WriteOnly)) fail(reasonFor(*save));
    device_ = std::move(save);
    return *device_;
}

void OutputFile::write(const char* data, qsizetype size) {
    QIODevice& out = device();
    if (size > 0 && out.write(data, size) != size) fail(reasonFor(out));
}

void OutputFile::commit() {
    QIODevice& out = device();
    if (auto* save = qobject_cast<QSaveFile*>(&out)) {
        if (!save->commit()) fail(reasonFor(*save));
    } else if (auto* file = qobject_cast<QFile*>(&out)) {
        if (!file->flush()) fail(reasonFor(*file));
        file->close();
    }
    committed_ = true;
}

QString OutputFile::reasonFor(const QIODevice& device) const {
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    const QFileInfo info(path_);
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists()) return QStringLiteral("klasör bulunamadı");
    if (file && file->error() == QFileDevice::ResourceError)
        return QStringLiteral("diskte yer kalmadı");
    if (info.exists() && !info.isWritable()) return QStringLiteral("dosyaya yazma izni yok");
    if (!direct_ && !folder.isWritable()) return QStringLiteral("klasöre yazma izni yok");
    return device.errorString();
}

void OutputFile::fail(const QString& reason) const {
    const QString shown = path_ == QLatin1String("-") ? QStringLiteral("standart çıktı")
                                                      : QDir::toNativeSeparators(path_);
    throw FileError(QStringLiteral("\"%1\" dosyası yazılamadı: %2.").arg(shown, reason));
}

}  // namespace zarvik
