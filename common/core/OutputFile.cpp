#include "common/core/OutputFile.h"

#include <fcntl.h>
#include <sys/resource.h>
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

// The folders that hold this process's temporary files (.zarvik-PID-N.tmp),
// in fixed slots a signal handler can read: a process writes into a few
// folders at a time. A slot is free again when its last file is gone.
struct TemporaryFolder {
    std::atomic<int> files{0};
    std::atomic<bool> ready{false};
    char path[PATH_MAX] = {};
};
constexpr int kFolderSlots = 16;
TemporaryFolder temporaryFolders[kFolderSlots];

// The slot now counting one more file in folder; -1 when every slot is taken
// (the file is then only removed by unwinding, as before).
int holdTemporaryFolder(const QByteArray& folder) {
    if (folder.size() >= PATH_MAX) return -1;
    for (int i = 0; i < kFolderSlots; ++i) {
        TemporaryFolder& slot = temporaryFolders[i];
        if (slot.files.load() > 0 && slot.ready.load() && folder == slot.path) {
            ++slot.files;
            return i;
        }
    }
    for (int i = 0; i < kFolderSlots; ++i) {
        TemporaryFolder& slot = temporaryFolders[i];
        int none = 0;
        if (!slot.files.compare_exchange_strong(none, 1)) continue;
        slot.ready.store(false);
        std::memcpy(slot.path, folder.constData(), static_cast<size_t>(folder.size()) + 1);
        slot.ready.store(true);
        return i;
    }
    return -1;
}

void releaseTemporaryFolder(int slot) {
    if (slot >= 0) --temporaryFolders[slot].files;
}

// Appends the decimal digits of value at out; returns the end.
char* appendNumber(char* out, unsigned long value) {
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0)
        *out++ = digits[--n];
    return out;
}

struct StreamIdentity {
    bool closed = false;
    dev_t device = 0;
    ino_t inode = 0;
};
StreamIdentity closedStreams[3];

}  // namespace

void requestOutputInterrupt(int signal) {
    interruptSignal.store(signal);
}

int outputInterruptSignal() {
    return interruptSignal.load();
}

void removeTemporaryFilesNow() {
    const unsigned long pid = static_cast<unsigned long>(::getpid());
    const unsigned count = temporaryNumber.load();
    for (TemporaryFolder& slot : temporaryFolders) {
        if (slot.files.load() <= 0 || !slot.ready.load()) continue;
        char name[PATH_MAX + 64];
        const size_t length = std::strlen(slot.path);
        std::memcpy(name, slot.path, length);
        char* end = name + length;
        std::memcpy(end, "/.zarvik-", 9);
        end = appendNumber(end + 9, pid);
        *end++ = '-';
        for (unsigned n = 0; n < count; ++n) {
            char* tail = appendNumber(end, n);
            std::memcpy(tail, ".tmp", 5);
            ::unlink(name);
        }
    }
}

void markClosedStandardStream(int fd) {
    struct stat placeholder {};
    if (fd < 0 || fd > 2 || ::fstat(fd, &placeholder) != 0) return;
    closedStreams[fd] = {true, placeholder.st_dev, placeholder.st_ino};
}

QString closedStandardStreamName(int fd) {
    struct stat file {};
    if (::fstat(fd, &file) != 0) return {};
    static const QString names[3] = {QStringLiteral("standart girdi"),
                                     QStringLiteral("standart çıktı"),
                                     QStringLiteral("standart hata")};
    for (int i = 0; i < 3; ++i)
        if (closedStreams[i].closed && closedStreams[i].device == file.st_dev &&
            closedStreams[i].inode == file.st_ino)
            return names[i];
    return {};
}

QString systemErrorText(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("diskte yer kalmadı");
        case EFBIG: {
            // The shell's "ulimit -f", or the file system's own largest file.
            struct rlimit limit {};
            if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
                return QStringLiteral("dosya boyutu sınırı (ulimit -f, %1 bayt) aşıldı")
                    .arg(static_cast<qulonglong>(limit.rlim_cur));
            return QStringLiteral("dosya, diskin izin verdiği boyutu aşıyor");
        }
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
        case EBADF:
            return QStringLiteral("dosya yazmaya açık değil (kapatılmış)");
        case EMFILE:
            return QStringLiteral("bu programın aynı anda açabileceği dosya sayısı sınırına "
                                  "ulaşıldı (ulimit -n)");
        case ENFILE:
            return QStringLiteral("sistemde aynı anda açık dosya sayısı sınırına ulaşıldı");
        case EAGAIN:
            return QStringLiteral("dosya şu anda yazmaya hazır değil");
        case EBUSY:
        case ETXTBSY:
            return QStringLiteral("dosya şu anda başka bir iş için kullanılıyor");
        case EEXIST:
            return QStringLiteral("bu adda bir dosya zaten var");
        case EXDEV:
            return QStringLiteral("dosya başka bir diskte");
        case ENOTEMPTY:
            return QStringLiteral("klasör boş değil");
        case EMLINK:
            return QStringLiteral("klasörde yer kalmadı (çok fazla dosya)");
        case EOVERFLOW:
            return QStringLiteral("dosya çok büyük");
        case ENOTSUP:
            return QStringLiteral("disk bu işlemi desteklemiyor");
        case ENODEV:
            return QStringLiteral("böyle bir aygıt yok");
        case ESTALE:
            return QStringLiteral("ağ üzerindeki dosya artık yok");
        case ENOLCK:
            return QStringLiteral("dosya kilitlenemedi");
        case ECONNRESET:
            return QStringLiteral("bağlantı koptu");
        default: {
            // The error's symbolic name ("EREMOTEIO") rather than the C
            // library's English sentence.
            const char* name = ::strerrorname_np(error);
            return QStringLiteral("beklenmeyen bir sistem hatası (%1)")
                .arg(name ? QString::fromLatin1(name) : QString::number(error));
        }
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

OutputFile::OutputFile(QString path, QString temporaryFolder)
    : path_(std::move(path)), temporaryFolder_(std::move(temporaryFolder)) {}

OutputFile::~OutputFile() {
    if (!committed_) {
        if (device_) device_->closeFd();
        if (!temporary_.isEmpty()) ::unlink(QFile::encodeName(temporary_).constData());
    }
    releaseTemporaryFolder(folderSlot_);
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
    if (info.isSymLink() && !info.exists()) {
        struct stat followed {};
        if (::stat(QFile::encodeName(path_).constData(), &followed) != 0 && errno == ELOOP)
            failErrno(ELOOP);
        fail(QStringLiteral("bağlantı, var olmayan bir dosyayı gösteriyor"));
    }
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
        // "/dev/stdout" while standard output is closed: what is written
        // would vanish into the placeholder.
        if (const QString stream = closedStandardStreamName(fd); !stream.isEmpty()) {
            ::close(fd);
            fail(stream + QStringLiteral(" kapalı"));
        }
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        device_ = std::make_unique<Device>(fd, true, false);
        return;
    }
    if (info.isDir()) fail(QStringLiteral("bu bir klasör"));
    target_ = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QFileInfo targetInfo(target_);
    const QFileInfo folder(temporaryFolder_.isEmpty() ? targetInfo.absolutePath()
                                                      : temporaryFolder_);
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
    if (targetInfo.exists() && ::access(QFile::encodeName(target_).constData(), W_OK) != 0)
        fail(errno == EROFS ? systemErrorText(EROFS) : QStringLiteral("dosyaya yazma izni yok"));
    // The temporary file lies beside the target, so the rename replaces the
    // old file in one step. Its folder is known to a second signal's handler
    // before the file exists.
    folderSlot_ = holdTemporaryFolder(QFile::encodeName(folder.absoluteFilePath()));
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary_ = QStringLiteral("%1/.zarvik-%2-%3.tmp")
                         .arg(folder.absoluteFilePath(), QString::number(::getpid()),
                              QString::number(temporaryNumber.fetch_add(1)));
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

void OutputFile::replace(bool syncFolder) {
    if (!prepared_) prepare();
    if (committed_) return;
    if (!temporary_.isEmpty()) {
        if (::rename(QFile::encodeName(temporary_).constData(),
                     QFile::encodeName(target_).constData()) != 0)
            failErrno(errno);
        temporary_.clear();
        // The rename itself on the disk too.
        if (syncFolder) syncFolderOf(target_);
    }
    committed_ = true;
}

void syncFolderOf(const QString& path) {
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

void OutputFile::failErrno(int error) const {
    if (error == EINTR && interruptSignal.load()) throw Interrupted();
    if (error == EBADF && path_ == QLatin1String("-")) fail(QStringLiteral("standart çıktı kapalı"));
    fail(systemErrorText(error));
}

void OutputFile::fail(const QString& reason) const {
    const QString shown = path_ == QLatin1String("-") ? QStringLiteral("standart çıktı")
                                                      : quotedPath(QDir::toNativeSeparators(path_));
    throw FileError(QStringLiteral("\"%1\" dosyası yazılamadı: %2.").arg(shown, reason));
}

}  // namespace zarvik
