#pragma once
// Running the sheets of a set, one loop for every family and output: the
// source prepares sheet 1..N from the shared draw and each writer takes what
// it needs of it (pages, exercises, listing), then the key at the end.
// zarvik-cli's outputs and the windows' class sets are writers.

#include <functional>
#include <memory>
#include <vector>

#include "common/core/SheetSource.h"

namespace zarvik {

class SheetWriter {
  public:
    virtual ~SheetWriter() = default;
    // What this writer asks of every sheet.
    virtual SheetNeeds needs() const = 0;
    // Before sheet k is prepared: a text sheet's bytes flow while it is drawn.
    virtual void beforeSheet(int /*k*/, SheetSource& /*source*/) {}
    // Sheet k is prepared.
    virtual void addSheet(int k, SheetSource& source) = 0;
    // A writer whose addSheet() splits into taking the sheet from the source
    // and writing what it took says so; the loop then draws and lays out the
    // next sheets on a second thread while this one is written (painting a
    // page costs more than drawing it). take() runs on that thread, touching
    // only the source and what it returns; the step it returns runs on the
    // loop's thread, in order, and writes the sheet. Such a writer has no
    // beforeSheet().
    virtual bool takesApart() const { return false; }
    virtual std::function<void()> take(int k, SheetSource& source);
    // Every sheet is done: the key, then the output is made whole.
    virtual void finish() = 0;
};

// Several writers as one, in the order given.
class SheetWriters : public SheetWriter {
  public:
    void add(std::unique_ptr<SheetWriter> writer) { writers_.push_back(std::move(writer)); }
    bool empty() const { return writers_.empty(); }
    SheetNeeds needs() const override;
    void beforeSheet(int k, SheetSource& source) override;
    void addSheet(int k, SheetSource& source) override;
    void finish() override;
    bool takesApart() const override;
    std::function<void()> take(int k, SheetSource& source) override;

  private:
    std::vector<std::unique_ptr<SheetWriter>> writers_;
};

// Sheets 1..choice.sheets into the writer, then its finish(). sheetDone is
// told after each sheet (progress; it may throw to stop the run); the first
// sheet is done before any other is drawn. The sheets and the draw are the
// same whether or not the writer takes them apart; a run stopped by an error
// leaves the draw as it was after the last sheet written.
void runSheetSet(SheetSource& source, RandomDraw& random, const ClassSetChoice& choice,
                 SheetWriter& writer, const std::function<void(int k)>& sheetDone = {});

// Whether the loop may draw ahead on a second thread (on by default). A
// program that keeps to one heap for every thread, as under an address-space
// limit, turns it off at start: two threads on one heap wait on each other.
void allowDrawingAhead(bool allowed);

}  // namespace zarvik
