#pragma once
// One section of a mixed sheet: its family's sheet source, read from the
// section's command line, and the exercises it takes from that family's
// sheets. Each sheet of the section is drawn from the shared draw exactly as
// the family draws it; the section takes them in order until it has its
// count, leaving out a repeat of an exercise it already holds (unless the
// teacher accepts repeats) and, on request, an exercise that does not carry
// or borrow.
//
// How many different exercises a section can give is counted before
// anything is drawn, on sheets drawn from a private draw of its own: the
// family's sheets are drawn until the count is reached, or until so many
// exercises in a row brought nothing new that every different one has shown
// itself (for the 45 one-digit sums that carry, a few hundred draws).

#include <QString>
#include <memory>

#include "common/core/Exercise.h"
#include "common/core/Family.h"
#include "mixed_sheets/core/SheetPreset.h"

namespace zarvik {

// Different exercises a section can give, as far as they were counted.
struct SectionVariety {
    int distinct = 0;
    // Every different exercise has shown itself: distinct is all there is.
    bool complete = false;
};

class MixedSection {
  public:
    // Reads the section's command line with its family's options (a column
    // section without --page takes the sheet's paper, a text section's count
    // is its "Alıştırma sayısı"), then draws a trial sheet from a draw of its
    // own, so that a choice the family refuses only when drawing is refused
    // here. Throws PresetRefused naming the section (index from 0) and field.
    MixedSection(const PresetSection& section, int index, Paper paper, const SheetFooter& footer,
                 MessageSink& messages);
    ~MixedSection();

    const PresetSection& section() const { return section_; }
    // The heading printed over the exercises: the section's own, or the
    // kind's title.
    QString heading() const;

    // Counts different exercises until `wanted` are found (or all there are).
    const SectionVariety& variety(int wanted);

    // Draws the section's exercises from the shared draw; numbered 1.. within
    // the section. Throws as the family's preparation does.
    ExerciseList draw(RandomDraw& random);

  private:
    struct Sampler;

    PresetSection section_;
    int index_;
    QStringList commandLine_;
    QString kindTitle_;
    // Before the source, which tells it and must go first.
    std::unique_ptr<MessageSink> sectionMessages_;
    std::unique_ptr<SheetSource> source_;
    std::unique_ptr<Sampler> sampler_;
    SectionVariety variety_;
};

// The command line a section's family reads: the section's arguments with
// what the sheet gives (column: --page of the sheet's paper; text: --count).
QStringList sectionCommandLine(const PresetSection& section, Paper paper);

// Whether a section of this command line draws additions, subtractions or
// multiplications (seen on a trial sheet from a draw of its own), so that
// "regroup" applies to it.
bool canRegroup(const QStringList& args, Paper paper);

// Two exercises are the same when they have the same shape, text and answer.
QString exerciseIdentity(const Exercise& exercise);

}  // namespace zarvik
