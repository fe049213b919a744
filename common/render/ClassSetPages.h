#pragma once
// A class set's pages, as the windows and zarvik-cli make them: the pupils'
// sheets one after another, each with its pupil's name, optionally two A5
// sheets on one A4 landscape page, and the teacher's answer key after them.
// Pages are handed out as soon as they are made, so a set of any size never
// sits in memory at once.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "common/core/AnswerKeyPages.h"
#include "common/core/AnswerStore.h"
#include "common/core/Page.h"
#include "common/core/SheetSet.h"

namespace zarvik {

// Two A5 sheets side by side on one A4 landscape page, a dashed cut line
// between them; the sheets themselves are unchanged. Without a right sheet
// its half stays blank.
Page twoUpPage(const Page& left, const Page& right);
Page twoUpPage(const Page& left, const Page* right);

class KeyPageStore;

class ClassSetPages {
  public:
    ClassSetPages(const ClassSetChoice& choice, std::function<void(const Page&)> pageDone);
    ~ClassSetPages();

    // Sheet k (1-based), its pages and its answers; the pupil's name is put
    // on every page here. keyPage: the sheet's own key page, for a family
    // that draws its key. answerCodes: the texts of the sheet's answer codes
    // (AnswerCode.h), for the sheet's last page or the key as the choice says.
    // The pages stay the caller's (they get the pupil's name here).
    void addSheet(int k, std::vector<Page>&& pages, const QStringList& answers,
                  int answerGridColumns = 0, const Page* keyPage = nullptr,
                  const QStringList& answerCodes = {});
    // The last two-up page and the answer key.
    void finish();

  private:
    void emitSheet(const Page& page);

    const ClassSetChoice& choice_;
    std::function<void(const Page&)> pageDone_;
    std::unique_ptr<Page> waiting_;         // the left half of a two-up page
    std::unique_ptr<AnswerStore> answers_;  // the key, after every sheet
    std::unique_ptr<KeyPageStore> keyPages_;  // drawn key pages, after the key's lines
    std::unique_ptr<AnswerStore> codes_;  // the key's answer codes, by pupil
};

// A set's pages as a writer of the sheet loop: the sheets with their
// pupils' names (two A5 sheets to a page when asked), then the key.
class PagesWriter : public SheetWriter {
  public:
    PagesWriter(const ClassSetChoice& choice, std::function<void(const Page&)> pageDone);
    SheetNeeds needs() const override {
        return {true, choice_.answerCode != AnswerCodePlace::None, choice_.answerKey, false};
    }
    void addSheet(int k, SheetSource& source) override;
    void finish() override { pages_.finish(); }
    bool takesApart() const override { return true; }
    std::function<void()> take(int k, SheetSource& source) override;

  private:
    const ClassSetChoice& choice_;
    ClassSetPages pages_;
};

// Draws the whole set from the source into pageDone: sheets 1..N, then the key.
void makeClassSet(SheetSource& source, RandomDraw& random, const ClassSetChoice& choice,
                  const std::function<void(const Page&)>& pageDone);

}  // namespace zarvik
