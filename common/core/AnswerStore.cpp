#include "common/core/AnswerStore.h"

#include <QDir>

#include "common/core/Errors.h"

namespace zarvik {

void AnswerStore::add(const AnswerBlock& block) {
    if (!file_.isOpen()) {
        if (!file_.open())
            throw FileError(
                QStringLiteral("Cevap anahtarı için geçici dosya oluşturulamadı "
                               "(%1): %2.")
                    .arg(QDir::toNativeSeparators(QDir::tempPath()), file_.errorString()));
        stream_.setDevice(&file_);
        // Read back by this process alone: the machine's own order copies
        // the texts as they are instead of turning every character round.
        stream_.setByteOrder(QDataStream::LittleEndian);
    }
    stream_ << block.heading << block.lines << qint32(block.gridColumns);
    checkStream();
    ++count_;
}

void AnswerStore::forEach(const std::function<void(const AnswerBlock&)>& each) {
    if (count_ == 0) return;
    if (!file_.flush() || !file_.seek(0)) checkStream(true);
    for (int i = 0; i < count_; ++i) {
        AnswerBlock block;
        qint32 columns = 0;
        stream_ >> block.heading >> block.lines >> columns;
        block.gridColumns = columns;
        checkStream();
        each(block);
    }
}

void AnswerStore::checkStream(bool failed) {
    if (!failed && stream_.status() == QDataStream::Ok) return;
    throw FileError(QStringLiteral("Cevap anahtarı için geçici dosya (%1) yazılamadı: diskte "
                                   "yer kalmamış olabilir.")
                        .arg(QDir::toNativeSeparators(file_.fileName())));
}

}  // namespace zarvik
