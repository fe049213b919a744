#pragma once
// One problem sheet as the window and zarvik-cli hold it: the checked
// choices, the drawn problems, their exercises and pages. prepare() draws
// into a fresh sheet and replaces the held one only when everything
// succeeded, so an error leaves the previous sheet as it was.

#include <QString>
#include <vector>

#include "common/core/Exercise.h"
#include "common/core/Page.h"
#include "common/core/RandomDraw.h"
#include "word_problems/core/ProblemDraw.h"

namespace zarvik {

class ProblemWorksheet {
  public:
    // Throws InputRefused for a choice the tables do not offer.
    void prepare(const ProblemChoices& choices, const Cast& cast, RandomDraw& random);

    bool prepared() const { return prepared_; }
    const ProblemSheet& sheet() const { return sheet_; }
    const ExerciseList& exercises() const { return exercises_; }
    const std::vector<Page>& pages() const { return pages_; }
    QString title() const;
    QString instruction() const;
    QString teacherCaption() const;
    const QString& dateCaption() const { return date_; }

  private:
    bool prepared_ = false;
    ProblemSheet sheet_;
    ExerciseList exercises_;
    std::vector<Page> pages_;
    QString teacher_;
    QString date_;
};

// The instruction under the title: "3. sınıf: Problemleri okuyunuz; …".
QString problemInstruction(const ProblemSheet& sheet);

}  // namespace zarvik
