#pragma once
// Answer blocks kept in a temporary file until the key's turn comes after
// every sheet, so a class set's memory does not grow with its sheets.

#include <QDataStream>
#include <QTemporaryFile>
#include <functional>

#include "common/core/AnswerKeyPages.h"

namespace zarvik {

class AnswerStore {
  public:
    void add(const AnswerBlock& block);  // throws FileError
    // Calls each(block) for every block, in order; once.
    void forEach(const std::function<void(const AnswerBlock&)>& each);

  private:
    void checkStream(bool failed = false);
    QTemporaryFile file_;
    QDataStream stream_;
    int count_ = 0;
};

}  // namespace zarvik
