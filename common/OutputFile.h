#pragma once
// Writing an output file without losing the old one: a regular file (or a new
// one) is written to a temporary file in the same folder and renamed over the
// old file only on commit(), so an error leaves the previous file as it was. A
// link is followed to the file it points to. "-" is standard output, and an
// existing file that is not a regular file (a device, a pipe) is written
// directly. Failures raise FileError with a Turkish message naming the file.

#include <QIODevice>
#include <QString>
#include <memory>

namespace zarvik {

class OutputFile {
  public:
    explicit OutputFile(QString path);
    ~OutputFile();  // without commit(): the old file stays, the temporary goes
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Opens on first use.
    QIODevice& device();
    void write(const char* data, qsizetype size);
    void write(const QByteArray& bytes) { write(bytes.constData(), bytes.size()); }
    void commit();

    const QString& path() const { return path_; }

  private:
    [[noreturn]] void fail(const QString& reason) const;
    QString reasonFor(const QIODevice& device) const;

    QString path_;
    std::unique_ptr<QIODevice> device_;
    bool direct_ = false;
    bool committed_ = false;
};

}  // namespace zarvik
