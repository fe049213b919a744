#pragma once
// The teacher's answer key as A4 pages: one block per sheet, headed by the
// sheet's number and pupil name, with every exercise and its answer in as
// many columns as the answers' length allows. Pages are handed out as soon as
// they are full, so a key for many sheets never sits in memory at once.

#include <QString>
#include <QStringList>
#include <functional>

#include "common/core/Page.h"

namespace zarvik {

struct AnswerBlock {
    QString heading;    // "3. sayfa: Ali Veli"
    QStringList lines;  // "17 ÷ 5 = 3, kalan 2", one per exercise
    // >0: the lines lie row by row in this many columns, as the problems lie
    // on a sheet whose problems carry no numbers; 0: down each column.
    int gridColumns = 0;
};

// "3. sayfa" or "3. sayfa: Ali Veli".
QString answerBlockHeading(int sheetNumber, const QString& pupilName);

class AnswerKeyPages {
  public:
    explicit AnswerKeyPages(std::function<void(const Page&)> pageDone);

    void add(const AnswerBlock& block);
    // Hands out the last, partly filled page.
    void finish();

  private:
    void startPage();
    void flushPage();

    std::function<void(const Page&)> pageDone_;
    Page page_;
    double used_ = 0;  // tenths of a millimetre from the band's top
    int pageNumber_ = 0;
    int cellNumber_ = 0;
    bool open_ = false;
};

}  // namespace zarvik
