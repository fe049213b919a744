#pragma once
// Where written bytes go: a file, standard output, a buffer.

#include <QtGlobal>

namespace zarvik {

class ByteSink {
  public:
    virtual ~ByteSink() = default;
    virtual void write(const char* data, qsizetype size) = 0;
};

}  // namespace zarvik
