#include "common/core/TextOutputs.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "common/core/Cp1254.h"
#include "common/core/Errors.h"
#include "common/core/Json.h"

namespace zarvik {

void writeStandardOutput(const QByteArray& bytes) {
    errno = 0;
    const size_t written =
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    // A full disk, a closed or broken pipe: the output is not there, so the
    // run has not succeeded.
    if (std::fflush(stdout) != 0 || written != static_cast<size_t>(bytes.size())) {
        const int error = errno;
        std::clearerr(stdout);
        throw FileError(QStringLiteral("Standart çıktıya yazılamadı: %1.")
                            .arg(error == EBADF ? QStringLiteral("standart çıktı kapalı ya da "
                                                                 "yazılamıyor")
                                 : error        ? systemErrorText(error)
                                                : QStringLiteral("yazma hatası")));
    }
}

void StandardOutputTarget::write(const char* data, qsizetype size) {
    pending_.append(data, size);
    if (pending_.size() > kPendingLimit) {
        writeStandardOutput(pending_);
        pending_.clear();
    }
}

void StandardOutputTarget::finish() {
    if (!pending_.isEmpty()) writeStandardOutput(pending_);
    pending_.clear();
}

void refuseNamesOutsideCp1254(const QStringList& names) {
    for (const QString& name : names) {
        if (fromCp1254(toCp1254(name)) != name)
            throw InputRefused(QStringLiteral("\"%1\" adında metin dosyasına (Windows-1254) "
                                              "yazılamayan bir harf var.")
                                   .arg(name));
    }
}

namespace {

QByteArray encoded(const QString& text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) return text.toUtf8();
    QString crlf = text;
    crlf.replace(u'\n', QStringLiteral("\r\n"));
    return toCp1254(crlf);
}

void writeCp1254Line(OutputFile& file, const QString& line) {
    file.write(toCp1254(line) + "\r\n");
}

}  // namespace

ListingWriter::ListingWriter(std::unique_ptr<TextTarget> target, TextEncoding encoding,
                             const ClassSetChoice& choice, std::unique_ptr<TextTarget> keyTarget)
    : target_(std::move(target)),
      keyTarget_(std::move(keyTarget)),
      encoding_(encoding),
      choice_(choice) {
    if (encoding == TextEncoding::Cp1254CrLf) refuseNamesOutsideCp1254(choice.names);
}

SheetNeeds ListingWriter::needs() const {
    return {false, false, choice_.answerKey, true};
}

void ListingWriter::writeText(const QString& text) {
    const QByteArray bytes = encoded(text, encoding_);
    target_->write(bytes.constData(), bytes.size());
}

void ListingWriter::writeLine(const QString& line) {
    writeText(line + u'\n');
}

void ListingWriter::beforeSheet(int k, SheetSource& source) {
    // A file that cannot be written is reported before anything is drawn.
    target_->open();
    if (keyTarget_ && choice_.answerKey) keyTarget_->open();
    if (k > 1) writeLine(QStringLiteral("----"));
    if (!choice_.pupil(k).isEmpty()) writeLine(choice_.pupil(k));
    if (source.isText()) source.setTextSink(target_.get());
}

void ListingWriter::addSheet(int k, SheetSource& source) {
    if (source.isText())
        source.setTextSink(nullptr);
    else
        writeText(source.sheetListing());
    if (choice_.answerKey)
        answers_.add({answerBlockHeading(k, choice_.pupil(k)), source.sheetAnswers()});
}

void ListingWriter::finish() {
    if (choice_.answerKey && keyTarget_) {
        // Both files are made ready before either replaces its old one.
        keyTarget_->open();
        const auto line = [&](const QString& text) {
            const QByteArray bytes = encoded(text + u'\n', encoding_);
            keyTarget_->write(bytes.constData(), bytes.size());
        };
        line(QStringLiteral("CEVAP ANAHTARI"));
        answers_.forEach([&](const AnswerBlock& block) {
            line(QString());
            line(block.heading);
            for (const QString& answer : block.lines)
                line(answer);
        });
        keyTarget_->prepare();
        target_->prepare();
        target_->finish();
        keyTarget_->finish();
        return;
    }
    if (choice_.answerKey) {
        writeLine(QStringLiteral("----"));
        writeLine(QStringLiteral("CEVAP ANAHTARI"));
        answers_.forEach([&](const AnswerBlock& block) {
            if (encoding_ == TextEncoding::Utf8) {
                writeText(u'\n' + block.heading + u'\n' + block.lines.join(u'\n') + u'\n');
                return;
            }
            writeLine(QString());
            writeLine(block.heading);
            for (const QString& line : block.lines)
                writeLine(line);
        });
    }
    target_->finish();
}

QString answerKeyPath(const QString& sheetsPath) {
    const QFileInfo sheets(sheetsPath);
    const QString suffix = sheets.suffix();
    const QString name = sheets.completeBaseName() + QStringLiteral("-Cevap-Anahtari") +
                         (suffix.isEmpty() ? QString() : u'.' + suffix);
    return sheets.path() == QLatin1String(".") && !sheetsPath.startsWith(QLatin1String("./"))
               ? name
               : QDir(sheets.path()).filePath(name);
}

JsonWriter::JsonWriter(std::unique_ptr<TextTarget> target, const ClassSetChoice& choice)
    : target_(std::move(target)), choice_(choice) {}

void JsonWriter::write(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    target_->write(bytes.constData(), bytes.size());
}

void JsonWriter::addSheet(int k, SheetSource& source) {
    const ExerciseList exercises = source.sheetExercises();
    QString object = choice_.isSet() ? (k > 1 ? QStringLiteral(",{") : QStringLiteral("[{"))
                                     : QStringLiteral("{");
    const QString fields = source.sheetJsonFields();
    object += fields;
    if (!fields.isEmpty()) object += u',';
    object += QStringLiteral("\"exercises\":") + exercisesJson(exercises);
    const QString pupil = choice_.pupil(k);
    if (!pupil.isEmpty()) object += QStringLiteral(",\"pupil\":") + jsonString(pupil);
    if (choice_.answerKey)
        object += QStringLiteral(",\"answers\":") + jsonStringArray(keyLines(exercises));
    write(object + u'}');
}

void JsonWriter::finish() {
    write(choice_.isSet() ? QStringLiteral("]\n") : QStringLiteral("\n"));
    target_->finish();
}

bool isFolderPath(const QString& path) {
    return path.endsWith(u'/') || QFileInfo(path).isDir();
}

SheetFolderWriter::SheetFolderWriter(const QString& folder, const ClassSetChoice& choice)
    : folder_(folder),
      choice_(choice),
      width_(std::max(2, static_cast<int>(QString::number(choice.sheets).size()))) {
    refuseNamesOutsideCp1254(choice.names);
    if (!QDir().mkpath(folder))
        throw FileError(QStringLiteral("\"%1\" klasörü oluşturulamadı.").arg(folder));
}

SheetFolderWriter::~SheetFolderWriter() = default;

SheetNeeds SheetFolderWriter::needs() const {
    return {false, false, choice_.answerKey, true};
}

void SheetFolderWriter::beforeSheet(int k, SheetSource& source) {
    current_ = std::make_unique<OutputFile>(
        QDir(folder_).filePath(QStringLiteral("Zarvik-%1.txt").arg(k, width_, 10, QLatin1Char('0'))));
    current_->device();
    if (!choice_.pupil(k).isEmpty()) writeCp1254Line(*current_, choice_.pupil(k));
    sink_.file = current_.get();
    if (source.isText()) source.setTextSink(&sink_);
}

void SheetFolderWriter::addSheet(int k, SheetSource& source) {
    if (source.isText())
        source.setTextSink(nullptr);
    else
        current_->write(encoded(source.sheetListing(), TextEncoding::Cp1254CrLf));
    if (choice_.answerKey)
        answers_.add({answerBlockHeading(k, choice_.pupil(k)), source.sheetAnswers()});
    current_->prepare();
    prepared_.push_back(std::move(current_));
}

void SheetFolderWriter::finish() {
    if (choice_.answerKey) {
        auto key = std::make_unique<OutputFile>(QDir(folder_).filePath(kAnswerKeyFileName.toString()));
        writeCp1254Line(*key, QStringLiteral("CEVAP ANAHTARI"));
        answers_.forEach([&](const AnswerBlock& block) {
            writeCp1254Line(*key, QString());
            writeCp1254Line(*key, block.heading);
            for (const QString& line : block.lines)
                writeCp1254Line(*key, line);
        });
        key->prepare();
        prepared_.push_back(std::move(key));
    }
    for (const auto& file : prepared_)
        file->replace();
}

}  // namespace zarvik
