// The sheet loop with a writer that takes its sheets apart, so that the next
// sheets are drawn on a second thread while one is written: the same sheets
// and the same draw as one sheet after another, and a run stopped by an error
// leaves the draw where the sheets written left it.

#include <gtest/gtest.h>

#include <stdexcept>

#include "common/core/SheetSet.h"
#include "mixed_sheets/core/MixedSheetSource.h"
#include "mixed_sheets/core/PresetLibrary.h"

using namespace zarvik;

namespace {

class NoMessages : public MessageSink {
  public:
    void showMessage(const QString&) override {}
};

// What each sheet's pages say, and its key, in the order written.
class Gather : public SheetWriter {
  public:
    Gather(bool apart, int failAt) : apart_(apart), failAt_(failAt) {}
    SheetNeeds needs() const override { return {true, false, true, false}; }
    void addSheet(int k, SheetSource& source) override { take(k, source)(); }
    bool takesApart() const override { return apart_; }
    std::function<void()> take(int k, SheetSource& source) override {
        QStringList sheet;
        source.sheetPages([&](Page&& page) {
            for (const Cell& cell : page.cells())
                sheet << cell.name + u'=' + cell.text;
        });
        sheet << source.sheetAnswers();
        return [this, k, sheet] {
            if (k == failAt_) throw std::runtime_error("disk full");
            written << sheet.join(u'\n');
        };
    }
    void finish() override {}

    QStringList written;

  private:
    bool apart_;
    int failAt_;
};

// The shipped preset's source, failing to draw sheet `failAt`.
class Source : public MixedSheetSource {
  public:
    Source(NoMessages& messages, int failAt)
        : MixedSheetSource(readPresetFile(presetPath(QStringLiteral("3-sinif-12-hafta"))), {},
                           messages),
          failAt_(failAt) {}
    void prepareNext(RandomDraw& random) override {
        if (++drawn_ == failAt_) {
            random.draw(10);
            throw InputRefused(QStringLiteral("çizilemedi"));
        }
        MixedSheetSource::prepareNext(random);
    }

  private:
    int failAt_;
    int drawn_ = 0;
};

struct Outcome {
    QStringList written;
    QString error;
    uint32_t low;
    uint32_t high;
};

Outcome run(bool apart, int sheets, int failWriting = 0, int failDrawing = 0) {
    NoMessages messages;
    Source source(messages, failDrawing);
    RandomDraw random;
    random.seed(1733788800);
    ClassSetChoice choice;
    choice.sheets = sheets;
    choice.answerKey = true;
    Gather writer(apart, failWriting);
    QString error;
    try {
        runSheetSet(source, random, choice, writer);
    } catch (const Error& e) {
        error = e.message();
    } catch (const std::runtime_error& e) {
        error = QString::fromUtf8(e.what());
    }
    return {writer.written, error, random.low(), random.high()};
}

void expectSame(const Outcome& apart, const Outcome& inTurn) {
    EXPECT_EQ(apart.written, inTurn.written);
    EXPECT_EQ(apart.error, inTurn.error);
    EXPECT_EQ(apart.low, inTurn.low);
    EXPECT_EQ(apart.high, inTurn.high);
}

}  // namespace

TEST(SheetSet, SheetsTakenApartAreTheSheetsInTurn) {
    const Outcome apart = run(true, 9);
    ASSERT_EQ(apart.written.size(), 9);
    EXPECT_NE(apart.written[1], apart.written[2]);
    expectSame(apart, run(false, 9));
}

TEST(SheetSet, AStoppedRunLeavesTheDrawAsTheSheetsInTurnWould) {
    // A sheet that cannot be written, with sheets drawn ahead of it.
    for (const int at : {2, 5, 9}) {
        SCOPED_TRACE(at);
        const Outcome apart = run(true, 9, at);
        EXPECT_EQ(apart.written.size(), at - 1);
        EXPECT_EQ(apart.error, QStringLiteral("disk full"));
        expectSame(apart, run(false, 9, at));
    }
    // A sheet that cannot be drawn: the sheets before it are written first.
    const Outcome apart = run(true, 9, 0, 6);
    EXPECT_EQ(apart.written.size(), 5);
    EXPECT_EQ(apart.error, QStringLiteral("çizilemedi"));
    expectSame(apart, run(false, 9, 0, 6));
}
