#include "common/core/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <stdexcept>

#include "common/core/Errors.h"

namespace zarvik {

namespace {

std::atomic<int> interruptSignal{0};
std::atomic<unsigned> temporaryNumber{0};

}  // namespace

void requestOutputInterrupt(int signal) {
    interruptSignal.store(signal);
}

int outputInterruptSignal() {
    return interruptSignal.load();
}

QString systemErrorText(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("diskte yer kalmadı");
        case EFBIG:
            return QStringLiteral("dosya, diskin izin verdiği boyutu aşıyor");
        case EACCES:
        case EPERM:
            return QStringLiteral("yazma izni yok");
        case EROFS:
            return QStringLiteral("disk yalnızca okunabilir");
        case ENOENT:
            return QStringLiteral("klasör bulunamadı");
        case ENOTDIR:
            return QStringLiteral("yoldaki bir ad klasör değil");
        case EISDIR:
            return QStringLiteral("bu bir klasör");
        case ENAMETOOLONG:
            return QStringLiteral("dosya adı çok uzun");
        case ELOOP:
            return QStringLiteral("bağlantılar birbirini gösteriyor (döngü)");
        case EIO:
            return QStringLiteral("diske yazarken donanım hatası oldu");
        case EPIPE:
            return QStringLiteral("okuyan program kapandı");
        case ENXIO:
            return QStringLiteral("okuyan bir program yok");
        case EINVAL:
            return QStringLiteral("bu dosya adı ya da dosya türü burada kullanılamıyor");
        case ENOMEM:
            return QStringLiteral("bellek yetmedi");
        case EINTR:
            return QStringLiteral("iş yarıda kesildi");
        default:
            return QStringLiteral("sistem hatası %1 (%2)")
                .arg(error)
                .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

// A file descriptor that remembers its first failed write. A temporary file
// nobody sees before the rename is written through a buffer: Qt's PDF engine
// writes a page's objects in dozens of small pieces, and a system call for
// each costs more than painting the page. The buffer is written out when full
// and before the file is closed; a failed write shows at the next check().
class OutputFile::Device : public QIODevice {
  public:
    Device(int fd, bool owned, bool buffered) : fd_(fd), owned_(owned), buffered_(buffered) {
        QIODevice::open(WriteOnly | Unbuffered);
    }
    ~Device() override { closeFd(); }

    int error() const { return error_; }
    int fd() const { return fd_; }

    // Writes out what the buffer holds; false once a write has failed.
    bool flushBuffer() {
        if (error_) return false;
        const bool written = writeAll(buffer_.constData(), buffer_.size());
        buffer_.clear();
        return written;
    }

    // Returns the close error, 0 when fine. What the buffer still holds is
    // dropped: a file closed unflushed is one given up.
    int closeFd() {
        buffer_.clear();
        if (fd_ < 0 || !owned_) return 0;
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 || errno == EINTR ? 0 : errno;
    }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (error_) return -1;
        if (interruptSignal.load()) {
            error_ = EINTR;
            return -1;
        }
        if (!buffered_) return writeAll(data, size) ? size : -1;
        if (buffer_.size() + size > kBufferSize) {
            if (!flushBuffer()) return -1;
            if (size >= kBufferSize) return writeAll(data, size) ? size : -1;
        }
        buffer_.append(data, size);
        return size;
    }

  private:
    static constexpr qint64 kBufferSize = 256 * 1024;

    bool writeAll(const char* data, qint64 size) {
        qint64 done = 0;
        while (done < size) {
            if (interruptSignal.load()) {
                error_ = EINTR;
                return false;
            }
            const ssize_t written = ::write(fd_, data + done, static_cast<size_t>(size - done));
            if (written < 0) {
                if (errno == EINTR) continue;
                error_ = errno;
                return false;
            }
            if (written == 0) {
                error_ = ENOSPC;
                return false;
            }
            done += written;
        }
        return true;
    }

    int fd_;
    bool owned_;
    bool buffered_;
    int error_ = 0;
    QByteArray buffer_;
};

OutputFile::OutputFile(QString path) : path_(std::move(path)) {}

OutputFile::~OutputFile() {
    if (committed_) return;
    if (device_) device_->closeFd();
    if (!temporary_.isEmpty()) ::unlink(QFile::encodeName(temporary_).constData());
}

QIODevice& OutputFile::device() {
    if (prepared_) throw std::logic_error("OutputFile: written after prepare()");
    if (!device_) open();
    return *device_;
}

void OutputFile::open() {
    if (path_ == QLatin1String("-")) {
        device_ = std::make_unique<Device>(STDOUT_FILENO, false, false);
        return;
    }
    if (path_.isEmpty()) fail(QStringLiteral("dosya adı boş"));
    const QFileInfo info(path_);
    if (info.isSymLink() && !info.exists())
        fail(QStringLiteral("bağlantı, var olmayan bir dosyayı gösteriyor"));
    if (info.exists() && !info.isFile() && !info.isDir()) {
        // A device or a pipe: there is nothing to replace, write straight in.
        // Without waiting: a pipe nobody reads would block the open for ever.
        const int fd = ::open(QFile::encodeName(path_).constData(),
                              O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) {
            if (errno == ENXIO)
                fail(
                    QStringLiteral("bu bir adlandırılmış boru (FIFO) ve onu okuyan bir "
                                   "program yok"));
            failErrno(errno);
        }
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        device_ = std::make_unique<Device>(fd, true, false);
        return;
    }
    if (info.isDir()) fail(QStringLiteral("bu bir klasör"));
    target_ = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QFileInfo targetInfo(target_);
    const QFileInfo folder(targetInfo.absolutePath());
    if (!folder.exists()) {
        // A folder behind one we may not enter cannot be seen, but it may
        // well be there: say what stops us rather than that it is missing.
        struct stat seen {};
        if (::stat(QFile::encodeName(folder.absoluteFilePath()).constData(), &seen) != 0 &&
            (errno == EACCES || errno == EPERM))
            fail(QStringLiteral("klasöre yazma izni yok"));
        fail(QStringLiteral("klasör bulunamadı"));
    }
    if (!folder.isDir()) fail(QStringLiteral("yoldaki bir ad klasör değil"));
    if (QFile::encodeName(targetInfo.fileName()).size() > NAME_MAX)
        fail(QStringLiteral("dosya adı çok uzun (en çok %1 bayt)").arg(NAME_MAX));
    if (targetInfo.exists() && !targetInfo.isWritable())
        fail(QStringLiteral("dosyaya yazma izni yok"));
    // The temporary file lies beside the target, so the rename replaces the
    // old file in one step.
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary_ = QStringLiteral("%1/.zarvik-%2-%3.tmp")
                         .arg(folder.absoluteFilePath())
                         .arg(::getpid())
                         .arg(temporaryNumber.fetch_add(1));
        fd = ::open(QFile::encodeName(temporary_).constData(),
                    O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            const int error = errno;
            if (error == EEXIST && attempt < 100) continue;
            temporary_.clear();
            if (error == EACCES || error == EPERM) fail(QStringLiteral("klasöre yazma izni yok"));
            failErrno(error);
        }
    }
    // The new file keeps the old file's permissions.
    struct stat old {};
    if (::stat(QFile::encodeName(target_).constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    device_ = std::make_unique<Device>(fd, true, true);
}

void OutputFile::write(const char* data, qsizetype size) {
    QIODevice& out = device();
    if (size > 0 && out.write(data, size) != size) check();
}

void OutputFile::check() {
    if (device_ && device_->error()) failErrno(device_->error());
}

void OutputFile::commit() {
    prepare();
    replace();
}

void OutputFile::prepare() {
    if (prepared_) return;
    device();
    if (!device_->flushBuffer()) failErrno(device_->error());
    if (!temporary_.isEmpty()) {
        if (::fsync(device_->fd()) != 0 && errno != EINVAL && errno != EROFS) failErrno(errno);
        if (const int error = device_->closeFd()) failErrno(error);
    } else if (device_->fd() == STDOUT_FILENO) {
        // Nothing buffered here; what stdio holds is flushed by its writer.
    } else if (const int error = device_->closeFd()) {
        failErrno(error);
    }
    device_.reset();  // a set keeps many prepared files, not their buffers
    prepared_ = true;
}

void OutputFile::replace() {
    if (!prepared_) prepare();
    if (committed_) return;
    if (!temporary_.isEmpty()) {
        if (::rename(QFile::encodeName(temporary_).constData(),
                     QFile::encodeName(target_).constData()) != 0)
            failErrno(errno);
        temporary_.clear();
        // The rename itself on the disk too.
        const int folder = ::open(QFile::encodeName(QFileInfo(target_).absolutePath()).constData(),
                                  O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder);
            ::close(folder);
        }
    }
    committed_ = true;
}

void OutputFile::failErrno(int error) const {
    if (error == EINTR && interruptSignal.load()) throw Interrupted();
    fail(systemErrorText(error));
}

void OutputFile::fail(const QString& reason) const {
    const QString shown = path_ == QLatin1String("-") ? QStringLiteral("standart çıktı")
                                                      : QDir::toNativeSeparators(path_);
    throw FileError(QStringLiteral("\"%1\" dosyası yazılamadı: %2.").arg(shown, reason));
}

}  // namespace zarvik
