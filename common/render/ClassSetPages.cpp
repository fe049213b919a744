#include "common/render/ClassSetPages.h"

#include <algorithm>

#include "common/render/AnswerCodePages.h"
#include "common/render/PupilName.h"

namespace zarvik {

namespace {

// One half of a two-up page: the sheet's cells moved by its margins and the
// half's offset, in a band that is the whole A4 landscape sheet.
void addHalf(Page& target, const Page& sheet, double offsetX, const QString& prefix,
             int groupOffset) {
    for (Cell cell : sheet.cells()) {
        cell.name = prefix + cell.name;
        cell.left += offsetX + sheet.marginLeft;
        cell.top += sheet.marginTop;
        if (cell.fit.group != 0) cell.fit.group += groupOffset;
        target.add(std::move(cell));
    }
}

int largestGroup(const Page& page) {
    int largest = 0;
    for (const Cell& cell : page.cells())
        largest = std::max(largest, cell.fit.group);
    return largest;
}

}  // namespace

Page twoUpPage(const Page& left, const Page& right) {
    Page page(left.name() + QStringLiteral("-iki"), Paper::A4Landscape);
    page.bandWidth = page.paperWidth();
    page.bandHeight = page.paperHeight();
    const double half = page.paperWidth() / 2;
    addHalf(page, left, 0, QStringLiteral("L."), 0);
    addHalf(page, right, half, QStringLiteral("R."), largestGroup(left));
    Cell cut;
    cut.name = QStringLiteral("CutLine");
    cut.kind = CellKind::CutLine;
    cut.left = half - 10;
    cut.width = 20;
    cut.top = 50;
    cut.height = page.paperHeight() - 100;
    page.add(cut);
    return page;
}

ClassSetPages::ClassSetPages(const ClassSetChoice& choice,
                             std::function<void(const Page&)> pageDone)
    : choice_(choice), pageDone_(std::move(pageDone)) {}

ClassSetPages::~ClassSetPages() = default;

void ClassSetPages::emitSheet(const Page& page) {
    if (!choice_.twoUp || page.paper() != Paper::A5) {
        pageDone_(page);
        return;
    }
    if (!waiting_) {
        waiting_ = std::make_unique<Page>(page);
        return;
    }
    pageDone_(twoUpPage(*waiting_, page));
    waiting_.reset();
}

void ClassSetPages::addSheet(int k, std::vector<Page> pages, const QStringList& answers,
                             int answerGridColumns, const Page* keyPage,
                             const QStringList& answerCodes) {
    const QString pupil = choice_.pupil(k);
    if (choice_.answerCode == AnswerCodePlace::SheetFooter && !pages.empty())
        addAnswerCodes(pages.back(), answerCodes);
    for (Page& page : pages) {
        if (!pupil.isEmpty()) printPupilName(page, pupil);
        emitSheet(page);
    }
    if (choice_.answerKey && choice_.answerCode == AnswerCodePlace::Key) {
        if (!codes_) codes_ = std::make_unique<AnswerStore>();
        codes_->add({answerBlockHeading(k, pupil), answerCodes});
    }
    if (choice_.answerKey) {
        if (!answers_) answers_ = std::make_unique<AnswerStore>();
        answers_->add({answerBlockHeading(k, pupil), answers, answerGridColumns});
        if (keyPage) {
            // Named as its block of the key is: "3. sayfa: Ali Veli".
            keyPages_.push_back(*keyPage);
            printPupilName(keyPages_.back(), answerBlockHeading(k, pupil));
        }
    }
}

void ClassSetPages::finish() {
    // A lone last sheet shares its page with itself: a single sheet comes out
    // twice, an odd set's last pupil gets a spare copy.
    if (waiting_) {
        pageDone_(twoUpPage(*waiting_, *waiting_));
        waiting_.reset();
    }
    if (!answers_) return;
    AnswerKeyPages key(pageDone_);
    answers_->forEach([&](const AnswerBlock& block) { key.add(block); });
    key.finish();
    answers_.reset();
    for (const Page& page : keyPages_)
        pageDone_(page);
    keyPages_.clear();
    if (codes_) {
        AnswerCodePages codePages(pageDone_);
        codes_->forEach([&](const AnswerBlock& block) { codePages.add(block.heading, block.lines); });
        codePages.finish();
        codes_.reset();
    }
}

PagesWriter::PagesWriter(const ClassSetChoice& choice, std::function<void(const Page&)> pageDone)
    : choice_(choice), pages_(choice, std::move(pageDone)) {}

void PagesWriter::addSheet(int k, SheetSource& source) {
    std::vector<Page> pages;
    source.sheetPages([&pages](Page&& page) { pages.push_back(std::move(page)); });
    const bool drawnKey = choice_.answerKey && source.drawsItsKey();
    const Page keyPage = drawnKey ? source.sheetKeyPage() : Page();
    const QStringList codes = choice_.answerCode != AnswerCodePlace::None
                                  ? answerCodeTexts(source.sheetExercises())
                                  : QStringList();
    pages_.addSheet(k, std::move(pages), choice_.answerKey ? source.sheetAnswers() : QStringList(),
                    source.answerGridColumns(), drawnKey ? &keyPage : nullptr, codes);
}

void makeClassSet(SheetSource& source, RandomDraw& random, const ClassSetChoice& choice,
                  const std::function<void(const Page&)>& pageDone) {
    PagesWriter writer(choice, pageDone);
    runSheetSet(source, random, choice, writer);
}

}  // namespace zarvik
