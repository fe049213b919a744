#pragma once
// "Tahtada Göster": a prepared sheet's exercises, full screen, on a classroom
// board read from the back row. Every exercise is drawn by its shape
// (exerciseFigure, paintFigure), so any family and any new kind shows here
// with no code of its own. Sizes come from the screen's real size: digits
// 28 mm tall before the teacher's zoom, nothing under 9 mm, every control at
// least 12 mm square. Touch first: big buttons only, no lists, no typing;
// keys too (arrows, Space, Enter, Esc, F).

#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "common/core/Board.h"
#include "common/core/Exercise.h"
#include "common/core/ExerciseFigure.h"

class QLabel;
class QPushButton;
class QScreen;
class QTimer;
class QVariantAnimation;

namespace zarvik {

class BoardWindow : public QWidget {
    Q_OBJECT
  public:
    explicit BoardWindow(QWidget* parent = nullptr);
    ~BoardWindow() override;

    // A sheet from its first screen, every answer hidden, the clock stopped.
    void setExercises(ExerciseList exercises, const QString& title);
    // Full screen on that screen (nullptr: the one it is on).
    void showOnScreen(QScreen* screen);

    // The screen's size in millimetres as the board takes it; empty: what
    // the screen reports (96 dpi when it reports nothing).
    void setScreenMillimetres(const QSizeF& size);
    double pixelsPerMm() const;

    const ExerciseList& exercises() const { return exercises_; }
    const BoardDrill& drill() const { return drill_; }
    const BoardTimer& timer() const { return timer_; }
    BoardTiming timing() const { return timing_; }
    int timeSeconds() const;
    double zoom() const;
    bool sideBySide() const { return sideBySide_; }
    bool curtainDown() const { return curtainDown_; }

    // The exercises on the screen now: which, and where the view draws them.
    struct Shown {
        int index;
        QRectF box;  // the exercise's figure, in the view's coordinates
    };
    std::vector<Shown> shown() const;
    // Pixels a tenth of a millimetre of the figures on the screen take.
    double shownScale() const;
    QWidget* view() const;

    // Played when a timed drill ends: the system's sound where it has one.
    std::function<void()> endSound;

    // What the buttons and keys do.
    void next();
    void previous();
    void revealNext();
    void toggleRevealAll();
    void toggleSideBySide();
    void setPerScreen(int n);
    void zoomIn();
    void zoomOut();
    void nextTime();
    void toggleTiming();
    void startOrPause();
    void dropCurtain();
    void liftCurtain();
    void toggleFullScreen();
    // Moves the drill's clock on; the window's own timer calls it with the
    // real time passed, tests with theirs.
    void advanceClock(int64_t ms);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

  private:
    class View;
    class Curtain;
    struct Item;

    void buildControls();
    void applySizes();
    void layoutControls();
    void refresh();
    void updateTexts();
    const ExerciseFigure& figure(int index, bool answered);
    void startPeriodForScreen();
    void finishDrill();
    void stopClock();
    void tick();

    ExerciseList exercises_;
    QString title_;
    std::vector<std::optional<ExerciseFigure>> plain_;
    std::vector<std::optional<ExerciseFigure>> answered_;
    BoardDrill drill_;
    BoardTimer timer_;
    BoardTiming timing_ = BoardTiming::PerExercise;
    int timeChoice_[2] = {1, 3};  // into boardTimes(): 10 s an exercise, 5 min a set
    int zoomStep_ = 0;
    bool sideBySide_ = false;
    bool curtainDown_ = false;
    QSizeF screenMm_;
    double digitHeight_ = 0;  // tenths of a millimetre, as the figures are built

    View* view_ = nullptr;
    Curtain* curtain_ = nullptr;
    QLabel* position_ = nullptr;
    QLabel* clock_ = nullptr;
    QLabel* perScreenLabel_ = nullptr;
    std::vector<QPushButton*> topButtons_;
    std::vector<QWidget*> bottomControls_;
    QPushButton* revealButton_ = nullptr;
    QPushButton* allButton_ = nullptr;
    QPushButton* besideButton_ = nullptr;
    QPushButton* countButtons_[board::kMostPerScreen] = {};
    QPushButton* timingButton_ = nullptr;
    QPushButton* timeButton_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* fullScreenButton_ = nullptr;
    QTimer* ticker_ = nullptr;
    QElapsedTimer lastTick_;
    int controlHeight_ = 48;
    int fontPixels_ = 20;
};

// The system's "done" sound through a player that is installed, else the
// plain system beep (which may be silent).
void playBoardEndSound();

}  // namespace zarvik
