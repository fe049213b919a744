#include "common/render/ClassSetPages.h"

#include <QDataStream>
#include <QDir>
#include <QTemporaryFile>
#include <algorithm>

#include "common/core/Errors.h"

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

// Drawn key pages wait in a temporary file, as the key's lines do, so a set
// of any size keeps its memory flat. Read back by this process alone.
class KeyPageStore {
  public:
    void add(const Page& page) {
        // Pictures drawn as line art are shared, not written out: a page
        // holding one waits in memory, in its place among the others.
        const bool drawn = std::any_of(page.cells().begin(), page.cells().end(),
                                       [](const Cell& c) { return c.drawing != nullptr; });
        if (drawn) {
            held_.push_back(std::make_unique<Page>(page));
            return;
        }
        held_.push_back(nullptr);
        if (!file_.isOpen()) {
            if (!file_.open())
                throw FileError(QStringLiteral("Cevap anahtarı için geçici dosya oluşturulamadı "
                                               "(%1): %2.")
                                    .arg(QDir::toNativeSeparators(QDir::tempPath()),
                                         file_.errorString()));
            stream_.setDevice(&file_);
            stream_.setByteOrder(QDataStream::LittleEndian);
        }
        stream_ << page.name() << qint32(page.paper()) << page.marginTop << page.marginBottom
                << page.marginLeft << page.marginRight << page.bandWidth << page.bandHeight
                << page.suggestedFileName << qint64(page.cells().size());
        for (const Cell& c : page.cells())
            stream_ << c.name << qint32(c.kind) << c.left << c.top << c.width << c.height
                    << c.frame.top << c.frame.bottom << c.frame.left << c.frame.right
                    << c.font.family << qint32(c.font.pointSize) << c.font.bold
                    << c.font.underline << qint32(c.align) << c.text << qint32(c.penWidth)
                    << c.dotted << c.picture << c.pictureWidth << c.pictureHeight
                    << qint32(c.fit.group) << c.fit.room << c.fit.beside << qint32(c.fit.smallest)
                    << qint32(c.fit.smallestOnOneLine) << qint32(c.fit.largestOnTwoLines)
                    << c.fit.cut << c.byCharacters << c.clock.hands << qint32(c.clock.hour)
                    << qint32(c.clock.minute);
        check();
    }

    void forEach(const std::function<void(const Page&)>& each) {
        if (file_.isOpen() && (!file_.flush() || !file_.seek(0))) check(true);
        for (const std::unique_ptr<Page>& held : held_) {
            if (held) {
                each(*held);
                continue;
            }
            QString name;
            qint32 paper = 0;
            stream_ >> name >> paper;
            Page page(name, static_cast<Paper>(paper));
            qint64 cells = 0;
            stream_ >> page.marginTop >> page.marginBottom >> page.marginLeft >>
                page.marginRight >> page.bandWidth >> page.bandHeight >> page.suggestedFileName >>
                cells;
            for (qint64 j = 0; j < cells && stream_.status() == QDataStream::Ok; ++j) {
                Cell c;
                qint32 kind = 0, pointSize = 0, align = 0, penWidth = 0, group = 0, smallest = 0,
                       oneLine = 0, twoLines = 0, hour = 0, minute = 0;
                stream_ >> c.name >> kind >> c.left >> c.top >> c.width >> c.height >>
                    c.frame.top >> c.frame.bottom >> c.frame.left >> c.frame.right >>
                    c.font.family >> pointSize >> c.font.bold >> c.font.underline >> align >>
                    c.text >> penWidth >> c.dotted >> c.picture >> c.pictureWidth >>
                    c.pictureHeight >> group >> c.fit.room >> c.fit.beside >> smallest >>
                    oneLine >> twoLines >> c.fit.cut >> c.byCharacters >> c.clock.hands >> hour >>
                    minute;
                c.kind = static_cast<CellKind>(kind);
                c.font.pointSize = pointSize;
                c.align = static_cast<Align>(align);
                c.penWidth = penWidth;
                c.fit.group = group;
                c.fit.smallest = smallest;
                c.fit.smallestOnOneLine = oneLine;
                c.fit.largestOnTwoLines = twoLines;
                c.clock.hour = hour;
                c.clock.minute = minute;
                page.add(std::move(c));
            }
            check();
            each(page);
        }
    }

  private:
    void check(bool failed = false) {
        if (!failed && stream_.status() == QDataStream::Ok) return;
        throw FileError(QStringLiteral("Cevap anahtarı için geçici dosya (%1) yazılamadı: "
                                       "diskte yer kalmamış olabilir.")
                            .arg(QDir::toNativeSeparators(file_.fileName())));
    }

    QTemporaryFile file_;
    QDataStream stream_;
    std::vector<std::unique_ptr<Page>> held_;  // nullptr: the next page in the file
};

Page twoUpPage(const Page& left, const Page* right) {
    Page page(left.name() + QStringLiteral("-iki"), Paper::A4Landscape);
    page.suggestedFileName = left.suggestedFileName;
    page.bandWidth = page.paperWidth();
    page.bandHeight = page.paperHeight();
    const double half = page.paperWidth() / 2;
    addHalf(page, left, 0, QStringLiteral("L."), 0);
    if (right) addHalf(page, *right, half, QStringLiteral("R."), largestGroup(left));
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

Page twoUpPage(const Page& left, const Page& right) {
    return twoUpPage(left, &right);
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

void ClassSetPages::addSheet(int k, std::vector<Page>&& pages, const QStringList& answers,
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
            Page named = *keyPage;
            printPupilName(named, answerBlockHeading(k, pupil));
            if (!keyPages_) keyPages_ = std::make_unique<KeyPageStore>();
            keyPages_->add(named);
        }
    }
}

void ClassSetPages::finish() {
    // A single sheet comes out twice, two to cut apart; the last pupil of an
    // odd set gets one sheet and a blank half, never a second copy a
    // neighbour could take.
    if (waiting_) {
        pageDone_(twoUpPage(*waiting_, choice_.sheets == 1 && choice_.names.isEmpty()
                                           ? waiting_.get()
                                           : nullptr));
        waiting_.reset();
    }
    if (!answers_) return;
    AnswerKeyPages key(pageDone_);
    answers_->forEach([&](const AnswerBlock& block) { key.add(block); });
    key.finish();
    answers_.reset();
    if (keyPages_) keyPages_->forEach(pageDone_);
    keyPages_.reset();
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
    take(k, source)();
}

std::function<void()> PagesWriter::take(int k, SheetSource& source) {
    struct Taken {
        std::vector<Page> pages;
        bool drawnKey = false;
        Page keyPage;
        QStringList codes;
        QStringList answers;
        int answerGridColumns = 0;
    };
    auto taken = std::make_shared<Taken>();
    source.sheetPages([&](Page&& page) { taken->pages.push_back(std::move(page)); });
    taken->drawnKey = choice_.answerKey && source.drawsItsKey();
    if (taken->drawnKey) taken->keyPage = source.sheetKeyPage();
    if (choice_.answerCode != AnswerCodePlace::None)
        taken->codes = answerCodeTexts(source.sheetExercises());
    if (choice_.answerKey) taken->answers = source.sheetAnswers();
    taken->answerGridColumns = source.answerGridColumns();
    return [this, k, taken] {
        pages_.addSheet(k, std::move(taken->pages), taken->answers, taken->answerGridColumns,
                        taken->drawnKey ? &taken->keyPage : nullptr, taken->codes);
    };
}

void makeClassSet(SheetSource& source, RandomDraw& random, const ClassSetChoice& choice,
                  const std::function<void(const Page&)>& pageDone) {
    PagesWriter writer(choice, pageDone);
    runSheetSet(source, random, choice, writer);
}

}  // namespace zarvik
