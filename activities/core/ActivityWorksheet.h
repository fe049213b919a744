#pragma once
// One activity sheet as the window and zarvik-cli hold it: the kind, the
// drawn items and their page. prepare() checks the choices and draws into a
// fresh sheet; only when that succeeded does it replace the page, so an error
// leaves the previous sheet exactly as it was. A class set calls prepare()
// once per sheet and takes page() and answers() after each.

#include <QString>
#include <QStringList>

#include "activities/core/ActivityKinds.h"
#include "common/core/Page.h"
#include "common/core/RandomDraw.h"

namespace zarvik {

struct ActivityChoices {
    QString kind;
    // One item per option of the kind, in the table's order.
    ActivityValues values;
    QString teacher;
    QString date;
};

class ActivityWorksheet {
  public:
    ActivityWorksheet();

    // Throws InputRefused (with the valid names or values listed) for a kind
    // or value not in the table, and the generator's errors, changing nothing.
    void prepare(const ActivityChoices& choices, RandomDraw& random);

    bool prepared() const { return kind_ != nullptr; }
    const ActivityKind* kind() const { return kind_; }
    const ActivitySheet& sheet() const { return sheet_; }
    const Page& page() const { return page_; }
    // The teacher's copy: for clock faces the page with every hand drawn.
    Page keyPage() const;
    QStringList answers() const { return activityAnswerLines(sheet_); }
    QString teacherCaption() const;
    QString dateCaption() const;

  private:
    const ActivityKind* kind_ = nullptr;
    ActivitySheet sheet_;
    QString teacher_;
    QString date_;
    Page page_;
};

// Faces the pupil draws the hands on, and pictures: the key shows them drawn,
// page by page.
bool drawsKey(const ActivityWorksheet& worksheet);

// The checks of prepare(), for zarvik-cli to report before drawing: throws
// InputRefused naming the valid kinds, or the option's valid items.
const ActivityKind& checkedActivityKind(const QString& name);
void checkActivityValues(const ActivityKind& kind, const ActivityValues& values);

}  // namespace zarvik
