// "Tahtada Göster": every window puts the sheet it holds on the board (the
// exercises a reference drawn from the same seed has, in its order, without
// drawing again); the board steps, reveals, times and blanks itself; sizes
// come from the screen. BoardScreen.* runs on a real X screen (Xvfb, see
// tests/CMakeLists.txt) and checks the pixels a pupil sees.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <functional>
#include <ostream>

#include "activities/core/ActivitySheetSource.h"
#include "activities/windows/Zarviketkinlik.h"
#include "app/Startup.h"
#include "app/Zarvikana.h"
#include "column_worksheets/core/ColumnDesign.h"
#include "column_worksheets/core/ColumnSheetSource.h"
#include "column_worksheets/windows/Zarvikaltalta.h"
#include "common/core/ExerciseFigure.h"
#include "common/render/PageRenderer.h"
#include "common/windows/BoardWindow.h"
#include "common/windows/WindowScale.h"
#include "fractions/core/FractionSheetSource.h"
#include "fractions/windows/Zarvikkesir.h"
#include "numbers/core/NumberSheetSource.h"
#include "numbers/windows/Zarviksayilar.h"
#include "text_worksheets/core/TextSheetSource.h"
#include "text_worksheets/windows/Zarvikeski.h"

using namespace zarvik;

namespace {

constexpr int64_t kSeed = 1222833600;
const QString kTeacher = QStringLiteral("Ayşe Öğretmen");

void pick(QWidget& window, const char* name, const QString& text) {
    auto* box = window.findChild<QComboBox*>(QString::fromLatin1(name));
    ASSERT_NE(box, nullptr) << name;
    const int index = box->findText(text);
    ASSERT_GE(index, 0) << qPrintable(text);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void click(QWidget& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    ASSERT_TRUE(button->isEnabled()) << name;
    button->click();
}

struct NoOpener : FileOpener {
    void open(const QString&) override {}
};

// A window, how its sheet is prepared, and the same sheet drawn apart from
// any window from the same seed.
struct Sheet {
    const char* name;
    std::function<std::unique_ptr<WorksheetWindow>(AppContext&)> make;
    std::function<void(WorksheetWindow&)> prepare;
    std::function<ExerciseList(RandomDraw&)> reference;
};

// Test names and failures name the sheet, not its bytes.
void PrintTo(const Sheet& sheet, std::ostream* os) {
    *os << sheet.name;
}

ExerciseList prepared(SheetSource&& source, RandomDraw& random) {
    source.prepareNext(random);
    return source.sheetExercises();
}

struct NoMessages : MessageSink {
    void showMessage(const QString&) override {}
};

NoOpener gOpener;
NoMessages gMessages;
ScriptedQuestions gQuestions;

Sheet columnSheet(const char* name, QString operation, QString property, QStringList answers) {
    return {name,
            [answers](AppContext& context) {
                auto window = std::make_unique<TFormZarvikAltAlta>(context);
                gQuestions = ScriptedQuestions(answers);
                window->setQuestions(&gQuestions);
                return window;
            },
            [=](WorksheetWindow& w) {
                pick(w, "ComboBox1", operation);
                pick(w, "ComboBox2", property);
                w.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(kTeacher);
                click(w, "ButtonHazirla");
            },
            [=](RandomDraw& random) {
                return prepared(ColumnSheetSource(halfPageDesign(),
                                                  {operation, property, kTeacher, "01/10/2008"},
                                                  ScriptedQuestions(answers), nullptr),
                                random);
            }};
}

std::vector<Sheet> sheets() {
    return {
        columnSheet("ColumnMultiplication", "Çarpma", "Çarpım tablosu", {"3"}),
        columnSheet("ColumnDivision", "Bölme", "Temel bölme (2-3. sınıf)", {"9", "9", "e"}),
        {"Fractions",
         [](AppContext& c) { return std::make_unique<TFormZarvikKesir>(c); },
         [](WorksheetWindow& w) {
             // The window seeds the draw from the clock when it is made.
             pick(w, "ComboBox1", "Toplama");
             pick(w, "ComboBox2", "Tam Sayılı Kesir");
             auto* relation = w.findChild<QComboBox*>(QStringLiteral("ComboBox3"));
             pick(w, "ComboBox3", relation->itemText(0));
             click(w, "ButtonKesirHazirla");
         },
         [](RandomDraw& random) {
             const QString relation =
                 QString::fromUtf16(fractions::kRelationTexts[0]);
             return prepared(FractionSheetSource(FractionChoices{"Toplama", "Tam Sayılı Kesir",
                                                                 relation, "", "01/10/2008"}),
                             random);
         }},
        {"Numbers",
         [](AppContext& c) {
             auto window = std::make_unique<TFormZarvikSayilar>(c);
             window->setMessageSink(&gMessages);
             return window;
         },
         [](WorksheetWindow& w) {
             pick(w, "ComboBox1", numberKindTexts()[0]);
             pick(w, "ComboBox2", "Tek Sütun");
             click(w, "ButtonHazirla");
         },
         [](RandomDraw& random) {
             return prepared(NumberSheetSource(NumberChoices{numberKindTexts()[0], "3",
                                                             "Tek Sütun", "", "01/10/2008"},
                                               gMessages, false),
                             random);
         }},
        {"ClockReading",
         [](AppContext& c) { return std::make_unique<TFormZarvikEtkinlik>(c); },
         [](WorksheetWindow& w) { click(w, "ButtonHazirla"); },
         [](RandomDraw& random) {
             // The window starts on the first kind, reading clock faces, with its first values.
             const ActivityKind& kind = activityKinds().front();
             return prepared(
                 ActivitySheetSource(ActivityChoices{kind.name, startValues(kind), "", ""}),
                 random);
         }},
        {"Text",
         [](AppContext& c) {
             auto window = std::make_unique<TFormZarvikEski>(c);
             window->setFileOpener(&gOpener);
             // Its title timer draws too.
             window->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
             return window;
         },
         [](WorksheetWindow& w) {
             w.findChild<QAction*>(QStringLiteral("kidenfazlasayiletoplama1"))->trigger();
             w.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText("12");
             w.findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setEditText("4");
             w.findChild<QComboBox*>(QStringLiteral("ComboBox2"))->setEditText("3");
             w.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
         },
         [](RandomDraw& random) {
             return prepared(TextSheetSource(105, FixedTextFields("12", "4", "3"), {}, {}), random);
         }},
    };
}

// Where the tests run Zarvik.txt is written.
class InTemporaryFolder {
  public:
    InTemporaryFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
    ~InTemporaryFolder() { QDir::setCurrent(previous_); }

  private:
    QTemporaryDir folder_;
    QString previous_;
};

// The window with its sheet prepared from kSeed, its board opened by its button.
struct OnBoard {
    explicit OnBoard(const Sheet& sheet) : context{random} {
        context.today = [] { return QDate(2008, 10, 1); };
        window = sheet.make(context);
        window->show();
        random.seed(kSeed);
        sheet.prepare(*window);
        auto* button = window->findChild<QPushButton*>(QStringLiteral("ButtonTahta"));
        if (!button || !button->isEnabled()) return;
        button->click();
        board = window->findChild<BoardWindow*>();
        if (board) board->endSound = [this] { ++sounds; };
    }

    InTemporaryFolder folder;
    RandomDraw random;
    AppContext context;
    std::unique_ptr<WorksheetWindow> window;
    BoardWindow* board = nullptr;
    int sounds = 0;
};

void expectSameExercises(const ExerciseList& shown, const ExerciseList& expected) {
    ASSERT_EQ(shown.size(), expected.size());
    for (size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].number, expected[i].number) << i;
        EXPECT_EQ(shown[i].text, expected[i].text) << i;
        EXPECT_EQ(shown[i].answer, expected[i].answer) << i;
        EXPECT_EQ(exercisesJson({shown[i]}), exercisesJson({expected[i]})) << i;
    }
}

class BoardFromWindow : public ::testing::TestWithParam<Sheet> {};

TEST_P(BoardFromWindow, ShowsTheHeldSheetWithoutDrawingAgain) {
    OnBoard on(GetParam());
    ASSERT_NE(on.board, nullptr);
    EXPECT_TRUE(on.board->isVisible());
    EXPECT_TRUE(on.board->isFullScreen());
    RandomDraw same;
    same.seed(kSeed);
    const ExerciseList expected = GetParam().reference(same);
    ASSERT_FALSE(expected.empty());
    expectSameExercises(on.board->exercises(), expected);
    // The board drew nothing: the next draw is the reference's next.
    EXPECT_EQ(on.random.draw(1'000'000), same.draw(1'000'000));
    // Every exercise has a figure on the board, and two steps show the third.
    ASSERT_EQ(on.board->shown().size(), 1u);
    on.board->next();
    on.board->next();
    ASSERT_EQ(on.board->shown().size(), 1u);
    EXPECT_EQ(on.board->shown()[0].index, std::min<int>(2, int(expected.size()) - 1));
    EXPECT_GT(on.board->shown()[0].box.width(), 0);
}

INSTANTIATE_TEST_SUITE_P(, BoardFromWindow, ::testing::ValuesIn(sheets()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BoardButton, EnabledOnlyWithASheetAndOpensItsBoardOnce) {
    InTemporaryFolder folder;
    RandomDraw random;
    AppContext context{random};
    TFormZarvikKesir window(context);
    auto* button = window.findChild<QPushButton*>(QStringLiteral("ButtonTahta"));
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isEnabled());
    pick(window, "ComboBox1", "Çarpma");
    pick(window, "ComboBox2", "Basit Kesir");
    click(window, "ButtonKesirHazirla");
    EXPECT_TRUE(button->isEnabled());
    button->click();
    button->click();
    EXPECT_EQ(window.findChildren<BoardWindow*>().size(), 1);
    // A new operation disables "Bak", and the board button with it.
    pick(window, "ComboBox1", "Bölme");
    EXPECT_FALSE(button->isEnabled());
}

void press(QWidget& widget, int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &down);
}

TEST(BoardDrillOnScreen, KeysStepRevealTimeAndCurtain) {
    OnBoard on(sheets()[0]);
    ASSERT_NE(on.board, nullptr);
    BoardWindow& b = *on.board;
    // As dense as a 65" 4K board: 2.67 pixels a millimetre.
    b.setScreenMillimetres(QSizeF(b.screen()->geometry().size()) / 2.67);
    const int count = int(b.exercises().size());
    press(b, Qt::Key_4);
    EXPECT_EQ(b.shown().size(), 4u);
    press(b, Qt::Key_Right);
    EXPECT_EQ(b.shown().front().index, 4);
    // Space reveals one answer at a time; the figure then holds its answer.
    press(b, Qt::Key_Space);
    EXPECT_TRUE(b.drill().revealed(4));
    EXPECT_FALSE(b.drill().revealed(5));
    // Side by side: the question keeps its size and place when the answer comes.
    b.toggleSideBySide();
    const QRectF question = b.shown()[1].box;
    press(b, Qt::Key_Space);
    EXPECT_EQ(b.shown()[1].box, question);
    press(b, Qt::Key_Left);
    EXPECT_EQ(b.shown().front().index, 0);

    // The timer: 3-2-1, then each screen its time, moving on by itself; at
    // the end every answer shows from the first screen, with the sound.
    press(b, Qt::Key_Return);
    EXPECT_EQ(b.timer().countdownNumber(), 3);
    b.advanceClock(3000);
    EXPECT_EQ(b.timer().phase(), BoardTimer::Phase::Running);
    EXPECT_EQ(b.timer().periodMs(), int64_t{b.timeSeconds()} * 4 * 1000);
    b.advanceClock(b.timer().periodMs());
    EXPECT_EQ(b.shown().front().index, 4);
    press(b, Qt::Key_Return);  // pause
    b.advanceClock(1'000'000);
    EXPECT_EQ(b.shown().front().index, 4);
    press(b, Qt::Key_Return);
    for (int screen = 1; screen < (count + 3) / 4; ++screen)
        b.advanceClock(b.timer().periodMs());
    EXPECT_EQ(b.timer().phase(), BoardTimer::Phase::Finished);
    EXPECT_EQ(on.sounds, 1);
    EXPECT_TRUE(b.drill().allRevealed());
    EXPECT_EQ(b.shown().front().index, 0);

    // The curtain blanks everything; any key or touch rolls it away.
    press(b, Qt::Key_B);
    EXPECT_TRUE(b.curtainDown());
    press(b, Qt::Key_Right);
    EXPECT_FALSE(b.curtainDown());
    EXPECT_EQ(b.shown().front().index, 0);

    // Zoom: + makes the figures larger until they fill the screen.
    press(b, Qt::Key_1);
    const double before = b.shownScale();
    press(b, Qt::Key_Minus);
    EXPECT_LT(b.shownScale(), before);
    // F and Esc leave full screen; Esc again closes the board.
    press(b, Qt::Key_F);
    EXPECT_FALSE(b.isFullScreen());
    press(b, Qt::Key_Escape);
    EXPECT_FALSE(b.isVisible());
}

TEST(BoardDrillOnScreen, ControlsAreLargeTouchTargetsOnlyAndFitTheScreen) {
    OnBoard on(sheets()[2]);
    ASSERT_NE(on.board, nullptr);
    BoardWindow& b = *on.board;
    // A 65" board: 1439 mm across the screen's pixels.
    b.setScreenMillimetres({1439, 809});
    const double mm = b.pixelsPerMm();
    const QRect screen = b.rect();
    std::vector<QRect> taken;
    for (QWidget* w : b.findChildren<QWidget*>()) {
        if (w->isHidden() || w == b.view() || w->objectName() == "BoardCurtain") continue;
        EXPECT_FALSE(qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w)) << "typing";
        EXPECT_TRUE(screen.contains(w->geometry())) << qPrintable(w->objectName());
        for (const QRect& other : taken)
            EXPECT_FALSE(other.intersects(w->geometry())) << qPrintable(w->objectName());
        taken.push_back(w->geometry());
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            EXPECT_GE(button->height(), 12 * mm - 1) << qPrintable(button->objectName());
            EXPECT_GE(button->width(), 12 * mm - 1) << qPrintable(button->objectName());
            // Captions at least 9 mm: a capital stands 0.7 of the pixel size.
            EXPECT_GE(button->font().pixelSize() * 0.7, 9 * mm * 0.95);
        }
    }
}

// The launcher's own scale: every window of the run grows with it, and the
// fields keep captions a screen reader and the on-screen keyboard use.
TEST(ProgramScale, LauncherMenuScalesEveryWindowForTheRun) {
    InTemporaryFolder folder;
    RandomDraw random;
    AppContext context{random};
    context.today = [] { return QDate(2008, 10, 1); };  // no update reminder
    StartedWindows started(context);
    auto* fractionWindow = started.windows().find<TFormZarvikKesir>();
    ASSERT_NE(fractionWindow, nullptr);
    const QSize before = fractionWindow->size();
    auto* edit = fractionWindow->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    const QRect editBefore = edit->geometry();
    auto* twice = started.windows().ana->findChild<QAction*>(QStringLiteral("Olcek200"));
    ASSERT_NE(twice, nullptr);
    EXPECT_EQ(twice->text(), QStringLiteral("%200"));
    twice->trigger();
    EXPECT_EQ(fractionWindow->size(), before * 2);
    EXPECT_EQ(edit->geometry(), QRect(editBefore.topLeft() * 2, editBefore.size() * 2));
    started.windows().ana->findChild<QAction*>(QStringLiteral("Olcek100"))->trigger();
    EXPECT_EQ(fractionWindow->size(), before);
    EXPECT_EQ(programScale(), 1);

    for (const auto& [button, window] : started.windows().families) {
        window->show();
        for (QWidget* field : window->findChildren<QWidget*>()) {
            const bool list = qobject_cast<QComboBox*>(field);
            // An editable list's or a spin box's own line edit is named with it.
            const bool text = qobject_cast<QLineEdit*>(field) &&
                              !qobject_cast<QComboBox*>(field->parentWidget()) &&
                              !qobject_cast<QAbstractSpinBox*>(field->parentWidget());
            if (!list && !text) continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(field);
            ASSERT_NE(a, nullptr);
            EXPECT_EQ(a->role(), list ? QAccessible::ComboBox : QAccessible::EditableText);
            const auto labels = a->relations(QAccessible::Label);
            EXPECT_TRUE(!labels.isEmpty() || !a->text(QAccessible::Name).isEmpty())
                << qPrintable(window->objectName()) << " " << qPrintable(field->objectName());
        }
        window->hide();
    }
}

}  // namespace

namespace {

// Lets the X server draw what the board painted.
void settle(QWidget& window) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3000 &&
           !(window.windowHandle() && window.windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(30);
    }
}

double grey(QRgb pixel) {
    return 0.299 * qRed(pixel) + 0.587 * qGreen(pixel) + 0.114 * qBlue(pixel);
}

// How many pixels of the screenshot at `at` differ from the figure painted there.
int differingPixels(const QImage& shot, const QPointF& at, const ExerciseFigure& figure,
                    double scale) {
    const QRect area = QRectF(at, QSizeF(figure.width * scale, figure.height * scale))
                           .toAlignedRect()
                           .intersected(shot.rect());
    QImage expected(area.size(), QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        paintFigure(figure, painter, at - QPointF(area.topLeft()), scale, QColor(0xC0, 0, 0));
    }
    int differing = 0;
    for (int y = 0; y < area.height(); ++y) {
        const auto* want = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        const auto* got = reinterpret_cast<const QRgb*>(shot.constScanLine(area.top() + y)) + area.left();
        for (int x = 0; x < area.width(); ++x)
            if (std::abs(grey(want[x]) - grey(got[x])) > 64) ++differing;
    }
    return differing;
}

// The height of the ink in a column of the screenshot's rectangle: dark rows.
int inkHeight(const QImage& shot, const QRect& rect) {
    int top = -1, bottom = -1;
    const QRect r = rect.intersected(shot.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (grey(shot.pixel(x, y)) < 128) {
                if (top < 0) top = y;
                bottom = y;
                break;
            }
    return top < 0 ? 0 : bottom - top + 1;
}

// Checks what the screen shows now against the sheet's exercises drawn apart:
// the same figures (with their answers where revealed), digits tall enough.
void expectScreenShows(BoardWindow& b, const ExerciseList& expected, double leastDigit,
                       const QString& shotPath) {
    settle(b);
    QScreen* screen = b.screen();
    const QImage shot = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    if (!shotPath.isEmpty()) shot.save(shotPath);
    const double scale = b.shownScale();
    ASSERT_FALSE(b.shown().empty());
    for (const BoardWindow::Shown& shown : b.shown()) {
        const QPointF at = b.view()->mapToGlobal(shown.box.topLeft()) -
                           QPointF(screen->geometry().topLeft());
        FigureStyle style;
        style.answer = b.drill().revealed(shown.index);
        const ExerciseFigure figure = exerciseFigure(expected[size_t(shown.index)], style);
        const int pixels = int(figure.width * scale * figure.height * scale);
        const int differing = differingPixels(shot, at, figure, scale);
        // The sheet's exercise, with its numbers, is what the screen shows...
        EXPECT_LE(differing, pixels / 2000 + 20) << shown.index;
        // ...and any other exercise of the sheet would not be.
        const size_t other = (size_t(shown.index) + 1) % expected.size();
        EXPECT_GT(differingPixels(shot, at, exerciseFigure(expected[other], style), scale),
                  5 * differing + 100);
        for (const Cell& cell : figure.cells) {
            if (!QRegularExpression(QStringLiteral("^[0-9]+$")).match(cell.text).hasMatch())
                continue;
            const QRect box = QRectF(at + QPointF(cell.left, cell.top) * scale,
                                     QSizeF(cell.width, cell.height) * scale)
                                  .toAlignedRect();
            EXPECT_GE(inkHeight(shot, box), leastDigit - 1) << qPrintable(cell.name);
            break;
        }
    }
}

TEST(BoardScreen, ShowsTheSheetsNumbersLargeEnoughForTheBackRow) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "runs under Xvfb";
    QScreen* screen = QGuiApplication::primaryScreen();
    // The 4K run stands for a 65" board (1439 x 809 mm: Xvfb reports 96 dpi
    // whatever it is told); the other is a laptop's screen as it reports itself.
    const bool board = screen->geometry().width() >= 3840;
    const QSizeF board65(1439, 809);
    EXPECT_NEAR(std::hypot(board65.width(), board65.height()) / 25.4, 65, 0.1);
    const QString shots = qEnvironmentVariable("ZARVIK_BOARD_SHOTS");
    for (const Sheet& sheet : sheets()) {
        SCOPED_TRACE(sheet.name);
        OnBoard on(sheet);
        ASSERT_NE(on.board, nullptr);
        BoardWindow& b = *on.board;
        if (board) b.setScreenMillimetres(board65);
        if (std::string_view(sheet.name) == "Text") b.setPerScreen(2);
        settle(b);
        ASSERT_EQ(b.geometry(), screen->geometry());
        RandomDraw same;
        same.seed(kSeed);
        const ExerciseList expected = sheet.reference(same);
        ASSERT_GT(expected.size(), size_t(2 * b.drill().perScreen()));
        // Digits at least 28 mm tall on the board (74.7 pixels on a 65" 4K
        // screen), never under 9 mm on a small one.
        const double least = (board ? 28 : 9) * b.pixelsPerMm();
        const auto shotPath = [&](const char* step) {
            return shots.isEmpty() ? QString()
                                   : QStringLiteral("%1/%2-%3-%4.png")
                                         .arg(shots, QString::fromLatin1(sheet.name))
                                         .arg(screen->geometry().width())
                                         .arg(QString::fromLatin1(step));
        };
        expectScreenShows(b, expected, least, shotPath("first"));
        // A step, and the answer of the screen's first exercise.
        b.next();
        b.revealNext();
        ASSERT_TRUE(b.drill().revealed(b.drill().first()));
        expectScreenShows(b, expected, least, shotPath("answer"));
        // The timer: 3-2-1, then its time runs out and the board moves on by itself.
        b.previous();
        b.startOrPause();
        b.advanceClock(BoardTimer::kCountdownMs);
        b.advanceClock(b.timer().periodMs());
        ASSERT_EQ(b.timer().phase(), BoardTimer::Phase::Running);
        EXPECT_EQ(b.drill().screen(), 1);
        EXPECT_FALSE(b.drill().revealed(b.drill().first()));
        expectScreenShows(b, expected, least, shotPath("timed"));
    }
}

}  // namespace
