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

  private:
    std::vector<std::unique_ptr<SheetWriter>> writers_;
};

// Sheets 1..choice.sheets into the writer, then its finish(). sheetDone is
// told after each sheet (progress; it may throw to stop the run).
void runSheetSet(SheetSource& source, RandomDraw& random, const ClassSetChoice& choice,
                 SheetWriter& writer, const std::function<void(int k)>& sheetDone = {});

}  // namespace zarvik
