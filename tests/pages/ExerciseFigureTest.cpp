// Exercises drawn by their shape, for every family of the registry: the
// figure holds all its cells and its ink, its texts do not run into each
// other, and the pupil gets room for the answer's handwriting.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "common/core/ExerciseFigure.h"
#include "common/core/Family.h"
#include "common/render/PageRenderer.h"

namespace zarvik {
namespace {

class NoMessages : public MessageSink {
  public:
    void showMessage(const QString&) override {}
};

std::vector<Exercise> exercisesOf(const QStringList& line) {
    NoMessages messages;
    auto source = sheetSourceOf(line, {QStringLiteral("Öğretmen"), QStringLiteral("1/1/2026")},
                                messages);
    RandomDraw random;
    random.seed(1733788800);
    source->setNeeds({false, true, true, false});
    source->prepareNext(random);
    return source->sheetExercises();
}

std::vector<QStringList> commandLines() {
    std::vector<QStringList> lines;
    for (const Family* family : families())
        lines.push_back(QStringList{family->command()} + family->example());
    lines.push_back({"column", "--page", "a5", "--op", "Bölme", "--prop",
                     "İleri seviye bölme (3-4-5. sınıf)", "--answers", "9;8;evet"});
    lines.push_back({"column", "--page", "a4", "--op", "Çarpma", "--prop",
                     "Çok basamaklı sayılarla eldeli", "--answers", "9;8"});
    lines.push_back({"activity", "--kind", "Ritmik Sayma"});
    lines.push_back({"activity", "--kind", "Saat Çizme"});
    lines.push_back({"numbers", "--kind", "Sayı Okuma", "--digits", "9"});
    return lines;
}

bool overlap(const Cell& a, const Cell& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(ExerciseFigure, EveryShapeHoldsItsCellsAndRoomToWrite) {
    for (const QStringList& line : commandLines()) {
        SCOPED_TRACE(line.join(u' ').toStdString());
        const std::vector<Exercise> exercises = exercisesOf(line);
        ASSERT_FALSE(exercises.empty());
        for (const bool answer : {false, true}) {
            for (const Exercise& exercise : exercises) {
                SCOPED_TRACE(exercise.text.toStdString());
                FigureStyle style;
                style.answer = answer;
                const ExerciseFigure figure = exerciseFigure(exercise, style);
                ASSERT_GT(figure.width, 0);
                for (const Cell& cell : figure.cells) {
                    EXPECT_GE(cell.left, 0) << cell.name.toStdString();
                    EXPECT_LE(cell.left + cell.width, figure.width + 0.01);
                    EXPECT_LE(cell.top + cell.height, figure.height + 0.01);
                }
                // Texts never share their place (the two parts of a fraction and
                // its bar are apart too).
                for (size_t i = 0; i < figure.cells.size(); ++i)
                    for (size_t j = i + 1; j < figure.cells.size(); ++j) {
                        const Cell& a = figure.cells[i];
                        const Cell& b = figure.cells[j];
                        if (a.kind == CellKind::RichText && b.kind == CellKind::RichText &&
                            !a.text.isEmpty() && !b.text.isEmpty()) {
                            EXPECT_FALSE(overlap(a, b))
                                << a.name.toStdString() << " " << b.name.toStdString();
                        }
                    }
                if (!answer && exercise.shape != ExerciseShape::Clock) {
                    // 4 mm a character of the answer, on 8 mm lines: as wide, or
                    // as many lines as the width needs.
                    const FigureBox& room = figure.answerRoom;
                    const double needed = kHandwritingAdvance * exercise.answer.size();
                    const double lines = std::max(1.0, std::floor(room.height / kHandwritingLine));
                    EXPECT_GE(room.width * lines, std::min(needed, 2.0 * style.widest) - 1)
                        << room.width << " x " << room.height;
                }
            }
        }
    }
}

// A line's blanks: "___" and longer, "...." and longer, nothing shorter;
// a bare sum gets its spaces and a blank after "=". With the answer each
// blank holds its part of it.
TEST(ExerciseFigure, LineBlanksTakeTheirAnswers) {
    const struct {
        const char16_t* text;
        const char16_t* answer;
        const char16_t* shown;
    } cases[] = {
        {u"12+3=", u"15", u"12 + 3 = 15"},
        {u"45x3=", u"135", u"45 x 3 = 135"},
        {u"7 __ 5 = ___", u"2", u"7 __ 5 = 2"},
        {u"5 ...... 3", u">", u"5 > 3"},
        {u"Bekle... ___", u"x", u"Bekle... x"},
        {u"___ TL ___ kr", u"3 TL 35 kr", u"3 TL 35 kr"},
        {u"___ , _____", u"4, 9", u"4 , 9"},
    };
    FigureStyle style;
    style.answer = true;
    for (const auto& c : cases) {
        Exercise e;
        e.number = 1;
        e.text = QString::fromUtf16(c.text);
        e.answer = QString::fromUtf16(c.answer);
        SCOPED_TRACE(e.text.toStdString());
        const ExerciseFigure figure = exerciseFigure(e, style);
        const auto cell = std::find_if(figure.cells.begin(), figure.cells.end(),
                                       [](const Cell& k) { return k.name == u"AnswerText"; });
        ASSERT_NE(cell, figure.cells.end());
        EXPECT_EQ(cell->text, QString::fromUtf16(c.shown));
    }
    // No blank: the text as it is, the answer under it.
    Exercise plain;
    plain.text = QStringLiteral("Yedi yüz on iki");
    plain.answer = QStringLiteral("712");
    const ExerciseFigure figure = exerciseFigure(plain, style);
    const auto text = std::find_if(figure.cells.begin(), figure.cells.end(),
                                   [](const Cell& k) { return k.name == u"Text"; });
    ASSERT_NE(text, figure.cells.end());
    EXPECT_EQ(text->text, plain.text);
}

QImage painted(const ExerciseFigure& figure, int margin) {
    const double scale = 300 / 254.0;  // 300 dpi
    QImage image(static_cast<int>(figure.width * scale) + 2 * margin,
                 static_cast<int>(figure.height * scale) + 2 * margin, QImage::Format_RGB32);
    image.setDotsPerMeterX(11811);
    image.setDotsPerMeterY(11811);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintFigure(figure, painter, QPointF(margin, margin), scale, Qt::red);
    painter.end();
    return image;
}

// Painted, a figure's ink stays inside it. ZARVIK_FIGURE_PNG=PREFIX keeps
// the pictures, without and with the answer, to look at.
TEST(ExerciseFigure, InkStaysInsideTheFigure) {
    int shown = 0;
    for (const QStringList& line : commandLines()) {
        SCOPED_TRACE(line.join(u' ').toStdString());
        const std::vector<Exercise> exercises = exercisesOf(line);
        for (const bool answer : {false, true}) {
            FigureStyle style;
            style.answer = answer;
            const int margin = 20;
            const QImage image = painted(exerciseFigure(exercises.front(), style), margin);
            if (qEnvironmentVariableIsSet("ZARVIK_FIGURE_PNG"))
                image.save(qEnvironmentVariable("ZARVIK_FIGURE_PNG") +
                           QStringLiteral("-%1.png").arg(++shown, 2, 10, QLatin1Char('0')));
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const bool inside = x >= margin - 3 && y >= margin - 3 &&
                                        x <= image.width() - margin + 3 &&
                                        y <= image.height() - margin + 3;
                    if (!inside) {
                        ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
                    }
                }
        }
    }
}

}  // namespace
}  // namespace zarvik
