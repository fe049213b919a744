#pragma once
// A sheet's answers as QR codes on paper (AnswerCode.h gives their texts):
// at the foot of the pupil's own sheet, or on pages after the answer key, a
// group of codes for each pupil. A code is at least 20 mm wide, its modules
// at least 0.33 mm, which phone cameras read from print; it keeps 5 mm from
// the sheet's edge and a quiet zone of four modules.

#include <QString>
#include <QStringList>
#include <functional>

#include "common/core/Page.h"

namespace zarvik {

// The width of the text's code on paper, tenths of a millimetre.
double answerCodeSide(const QString& text);

// Puts the codes in a row in the sheet's bottom right-hand corner; the
// design's own cells are shrunk, as little as it takes, above them. Throws
// InputRefused when the row is wider than the sheet.
void addAnswerCodes(Page& page, const QStringList& texts);

// A4 pages of codes, "Cevap Kodları": each pupil's codes under the heading
// of their block of the key ("3. sayfa: Ali Veli"). Pages are handed out as
// soon as they are full.
class AnswerCodePages {
  public:
    explicit AnswerCodePages(std::function<void(const Page&)> pageDone);
    void add(const QString& heading, const QStringList& texts);
    void finish();

  private:
    void startPage();

    std::function<void(const Page&)> pageDone_;
    Page page_;
    bool open_ = false;
    int pageNumber_ = 0;
    int tiles_ = 0;
    double x_ = 0;       // where the next group starts on its row
    double y_ = 0;       // the row's top
    double rowHeight_ = 0;
};

}  // namespace zarvik
