#include "common/core/TextOutputs.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
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
                                   .arg(quotedValue(name)));
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

namespace {

const QString kKeyFileName = QStringLiteral("Cevap-Anahtari.txt");

[[noreturn]] void folderFailed(const QString& folder, const QString& reason) {
    throw FileError(QStringLiteral("\"%1\" klasörüne yazılamadı: %2.")
                        .arg(quotedPath(QDir::toNativeSeparators(folder)), reason));
}

}  // namespace

QStringList SheetFolderWriter::fileNames(const ClassSetChoice& choice) {
    const int width = std::max(2, static_cast<int>(QString::number(choice.sheets).size()));
    QStringList names;
    for (int k = 1; k <= choice.sheets; ++k)
        names << QStringLiteral("Zarvik-%1.txt").arg(k, width, 10, QLatin1Char('0'));
    if (choice.answerKey) names << kKeyFileName;
    return names;
}

SheetFolderWriter::SheetFolderWriter(const QString& folder, const ClassSetChoice& choice)
    : folder_(folder), choice_(choice), names_(fileNames(choice)) {
    refuseNamesOutsideCp1254(choice.names);
    // Everything is checked before anything is made: a set that fails
    // leaves no new folder behind.
    QFileInfo place(QFileInfo(folder).absoluteFilePath());
    if (place.isDir()) {
        staging_ = place.absoluteFilePath();
        lockFolder();
        refuseOtherSheets();
    } else {
        while (!place.exists() && !place.isSymLink() && !place.isRoot())
            place = QFileInfo(place.absolutePath());
        if (!place.isDir()) folderFailed(folder, QStringLiteral("yoldaki bir ad klasör değil"));
        staging_ = place.absoluteFilePath();
    }
    if (::access(QFile::encodeName(staging_).constData(), W_OK) != 0)
        folderFailed(folder, errno == EROFS ? systemErrorText(EROFS)
                                            : QStringLiteral("klasöre yazma izni yok"));
}

SheetFolderWriter::~SheetFolderWriter() {
    // The temporary files go first, then the lock.
    current_.reset();
    prepared_.clear();
    if (lock_ >= 0) ::close(lock_);
}

QString SheetFolderWriter::filePath(const QString& name) const {
    return QDir(folder_).filePath(name);
}

std::unique_ptr<OutputFile> SheetFolderWriter::newFile(const QString& name) const {
    return std::make_unique<OutputFile>(filePath(name), staging_);
}

void SheetFolderWriter::lockFolder() {
    if (lock_ >= 0) return;
    lock_ = ::open(QFile::encodeName(folder_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lock_ < 0) folderFailed(folder_, systemErrorText(errno));
    // Held until the set is in place: two runs never mix their sheets.
    // A disk without locks is written unlocked.
    if (::flock(lock_, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        folderFailed(folder_, QStringLiteral("başka bir çalışma şu anda bu klasöre bir set "
                                             "yazıyor; o bitince yeniden deneyiniz"));
}

void SheetFolderWriter::refuseOtherSheets() const {
    static const QRegularExpression sheetName(QStringLiteral("^Zarvik-[0-9]+\\.txt$"));
    QStringList others;
    const QStringList present = QDir(folder_).entryList(QDir::Files | QDir::System);
    for (const QString& name : present)
        if ((sheetName.match(name).hasMatch() || name == kKeyFileName) && !names_.contains(name))
            others << name;
    if (others.isEmpty()) return;
    constexpr qsizetype kNamed = 5;
    QString named = others.mid(0, kNamed).join(QStringLiteral(", "));
    if (others.size() > kNamed)
        named += QStringLiteral(" ve %1 dosya daha").arg(others.size() - kNamed);
    folderFailed(folder_, QStringLiteral("klasörde bu setin olmayan sayfalar var (%1); setler "
                                         "karışmasın diye yazılmadı: onları siliniz ya da başka "
                                         "bir klasör seçiniz")
                              .arg(named));
}

SheetNeeds SheetFolderWriter::needs() const {
    return {false, false, choice_.answerKey, true};
}

void SheetFolderWriter::beforeSheet(int k, SheetSource& source) {
    current_ = newFile(names_[k - 1]);
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
        auto key = newFile(kKeyFileName);
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
    if (lock_ < 0) {
        // Made only now, and checked again: another run may have put a set
        // there meanwhile.
        if (!QDir().mkpath(folder_))
            folderFailed(folder_, QStringLiteral("klasör oluşturulamadı"));
        lockFolder();
        refuseOtherSheets();
    }
    // Renames only, none of which an interruption stops half-way.
    for (const auto& file : prepared_)
        file->replace(false);
    syncFolderOf(filePath(names_.front()));
    if (staging_ != QFileInfo(folder_).absoluteFilePath())
        syncFolderOf(QDir(staging_).filePath(QStringLiteral(".")));
}

}  // namespace zarvik
