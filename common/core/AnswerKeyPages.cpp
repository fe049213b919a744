#include "common/core/AnswerKeyPages.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zarvik {

namespace {

// A4 with 10 mm margins; all lengths in tenths of a millimetre.
constexpr double kBandWidth = 1900;
constexpr double kBandHeight = 2770;
constexpr double kTitleHeight = 70;
constexpr double kHeadingHeight = 50;
constexpr double kBlockGap = 30;
// Arial 8 pt: a line every 3.5 mm; an average character about 1.6 mm wide.
constexpr int kAnswerPoints = 8;
constexpr double kLineHeight = 35;
constexpr double kCharacterWidth = 16;
constexpr double kColumnGap = 40;
constexpr int kMostColumns = 6;

// In a grid the place tells the problem: "12) 4567 + 89 = 4656" is shown as
// "12) 4656", which a teacher reads at a glance beside the pupil's sheet.
QString gridEntry(const QString& line) {
    const qsizetype equals = line.lastIndexOf(QLatin1String(" = "));
    if (equals < 0) return line;
    const qsizetype number = line.indexOf(QLatin1String(") "));
    const QStringView prefix =
        number >= 0 && number < equals ? QStringView(line).left(number + 2) : QStringView();
    const QStringView answer = QStringView(line).mid(equals + 3);
    QString entry;
    entry.reserve(prefix.size() + answer.size());
    entry.append(prefix);
    entry.append(answer);
    return entry;
}

}  // namespace

QString answerBlockHeading(int sheetNumber, const QString& pupilName) {
    const QString number = QStringLiteral("%1. sayfa").arg(sheetNumber);
    return pupilName.isEmpty() ? number : number + QStringLiteral(": ") + pupilName;
}

AnswerKeyPages::AnswerKeyPages(std::function<void(const Page&)> pageDone)
    : pageDone_(std::move(pageDone)) {}

void AnswerKeyPages::startPage() {
    ++pageNumber_;
    page_ = Page(QStringLiteral("AnswerKey%1").arg(pageNumber_), Paper::A4);
    page_.marginTop = page_.marginBottom = page_.marginLeft = page_.marginRight = 100;
    page_.bandWidth = kBandWidth;
    page_.bandHeight = kBandHeight;
    Cell title;
    title.name = QStringLiteral("Title");
    title.kind = CellKind::RichText;
    title.width = kBandWidth;
    title.height = kTitleHeight;
    title.align = Align::Center;
    title.font = {QStringLiteral("Arial"), 12, true, false};
    title.text = QStringLiteral("Cevap Anahtarı");
    page_.add(title);
    used_ = kTitleHeight;
    cellNumber_ = 0;
    open_ = true;
}

void AnswerKeyPages::flushPage() {
    if (!open_) return;
    pageDone_(page_);
    open_ = false;
}

void AnswerKeyPages::add(const AnswerBlock& block) {
    const bool grid = block.gridColumns > 0;
    QStringList gridEntries;
    if (grid) {
        gridEntries.reserve(block.lines.size());
        for (const QString& line : block.lines)
            gridEntries << gridEntry(line);
    }
    const QStringList& entries = grid ? gridEntries : block.lines;
    qsizetype longest = 1;
    for (const QString& entry : entries)
        longest = std::max(longest, entry.size());
    const double columnWidth = longest * kCharacterWidth + kColumnGap;
    const int columns =
        grid ? block.gridColumns
             : std::clamp(static_cast<int>(kBandWidth / columnWidth), 1, kMostColumns);
    const qsizetype rows = (block.lines.size() + columns - 1) / columns;

    qsizetype row = 0;
    bool first = true;
    const double freshRoom = kBandHeight - kTitleHeight - kHeadingHeight - 10;
    const qsizetype freshRows = static_cast<qsizetype>(std::floor(freshRoom / kLineHeight));
    while (first || row < rows) {
        if (!open_) startPage();
        const bool fresh = used_ <= kTitleHeight;
        const double room = kBandHeight - used_ - kHeadingHeight - 10;
        const qsizetype fitting = static_cast<qsizetype>(std::floor(room / kLineHeight));
        const qsizetype remaining = rows - row;
        // A block that would fit on a page of its own is not split; a longer
        // one goes on in the next page.
        if (!fresh && (fitting < 1 || (remaining > fitting && remaining <= freshRows))) {
            flushPage();
            continue;
        }
        const qsizetype taken = std::min(remaining, std::max<qsizetype>(fitting, 1));
        Cell heading;
        heading.name = QStringLiteral("Heading%1").arg(++cellNumber_);
        heading.kind = CellKind::RichText;
        heading.top = used_;
        heading.width = kBandWidth;
        heading.height = kHeadingHeight;
        heading.frame.bottom = true;
        heading.font = {QStringLiteral("Arial"), 10, true, false};
        heading.text = first ? block.heading : block.heading + QStringLiteral(" (devamı)");
        page_.add(std::move(heading));
        used_ += kHeadingHeight + 10;
        // Answers run down each column, then on to the next column.
        const double width = kBandWidth / columns;
        for (int c = 0; c < columns; ++c) {
            QString lines;
            lines.reserve(taken * (longest + 1));
            qsizetype count = 0;
            for (qsizetype r = row; r < row + taken; ++r) {
                const qsizetype index = grid ? r * columns + c : c * rows + r;
                if (index >= entries.size()) continue;
                if (count++ > 0) lines += u'\n';
                lines += entries[index];
            }
            if (count == 0) continue;
            Cell answers;
            answers.name = QStringLiteral("Answers%1").arg(++cellNumber_);
            answers.kind = CellKind::RichText;
            answers.left = c * width;
            answers.top = used_;
            answers.width = width - kColumnGap / 2;
            answers.height = taken * kLineHeight;
            answers.font = {QStringLiteral("Arial"), kAnswerPoints, false, false};
            answers.text = std::move(lines);
            answers.byCharacters = true;
            page_.add(std::move(answers));
        }
        used_ += taken * kLineHeight + kBlockGap;
        row += taken;
        first = false;
        if (row < rows) flushPage();
    }
}

void AnswerKeyPages::finish() {
    flushPage();
}

}  // namespace zarvik
