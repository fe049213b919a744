#include "common/core/SheetSet.h"

#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <stdexcept>

namespace zarvik {

std::function<void()> SheetWriter::take(int, SheetSource&) {
    throw std::logic_error("SheetWriter::take on a writer that does not take sheets apart");
}

SheetNeeds SheetWriters::needs() const {
    SheetNeeds all;
    for (const auto& writer : writers_) {
        const SheetNeeds needs = writer->needs();
        all.pages = all.pages || needs.pages;
        all.exercises = all.exercises || needs.exercises;
        all.answers = all.answers || needs.answers;
        all.listing = all.listing || needs.listing;
    }
    return all;
}

void SheetWriters::beforeSheet(int k, SheetSource& source) {
    for (const auto& writer : writers_)
        writer->beforeSheet(k, source);
}

void SheetWriters::addSheet(int k, SheetSource& source) {
    for (const auto& writer : writers_)
        writer->addSheet(k, source);
}

void SheetWriters::finish() {
    for (const auto& writer : writers_)
        writer->finish();
}

bool SheetWriters::takesApart() const {
    for (const auto& writer : writers_)
        if (!writer->takesApart()) return false;
    return !writers_.empty();
}

std::function<void()> SheetWriters::take(int k, SheetSource& source) {
    std::vector<std::function<void()>> steps;
    steps.reserve(writers_.size());
    for (const auto& writer : writers_)
        steps.push_back(writer->take(k, source));
    return [steps = std::move(steps)] {
        for (const auto& step : steps)
            step();
    };
}

namespace {

// Sheets first..last drawn and taken on a second thread, at most two ahead
// of the one being written here.
class DrawAhead {
  public:
    DrawAhead(SheetSource& source, RandomDraw& random, SheetWriter& writer, int first, int last)
        : source_(source), random_(random), writer_(writer), first_(first), last_(last) {
        ready_.reserve(kAhead + 1);  // pushed without allocating
        spent_.reserve(kAhead + 2);
    }

    // False when no thread could be started: nothing was drawn.
    bool start() {
        pthread_attr_t attributes;
        if (pthread_attr_init(&attributes) != 0) return false;
        pthread_attr_setstacksize(&attributes, 4 << 20);
        // Signals from outside stay with the loop's thread, whose handlers
        // know the output; a fault is the thread's own.
        sigset_t all, before;
        sigfillset(&all);
        for (const int fault : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGSYS})
            sigdelset(&all, fault);
        pthread_sigmask(SIG_BLOCK, &all, &before);
        started_ = pthread_create(&thread_, &attributes, &DrawAhead::run, this) == 0;
        pthread_sigmask(SIG_SETMASK, &before, nullptr);
        pthread_attr_destroy(&attributes);
        return started_;
    }

    ~DrawAhead() {
        if (!started_) return;
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        changed_.notify_all();
        pthread_join(thread_, nullptr);
        // A run given up leaves the draw where the sheets written left it.
        if (!tookFailed_ && !ready_.empty()) random_ = ready_.front().before;
    }

    // Writes sheet k, the next in order; rethrows what taking it threw.
    void write(int k) {
        Taken taken;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return !ready_.empty(); });
            if (ready_.front().error) {
                // The draw stays where the failed sheet left it, as it would
                // have drawn it here.
                tookFailed_ = true;
                std::rethrow_exception(ready_.front().error);
            }
            taken = std::move(ready_.front());
            ready_.erase(ready_.begin());
        }
        changed_.notify_all();
        if (taken.k != k) throw std::logic_error("DrawAhead: sheets out of order");
        taken.write();
        // What the drawing thread made, it frees: memory handed back to
        // another thread's heap waits on that heap's lock.
        std::lock_guard lock(mutex_);
        spent_.push_back(std::move(taken.write));
    }

  private:
    static constexpr size_t kAhead = 2;

    struct Taken {
        int k = 0;
        RandomDraw before;  // the draw before this sheet's
        std::function<void()> write;
        std::exception_ptr error;
    };

    static void* run(void* self) {
        static_cast<DrawAhead*>(self)->work();
        return nullptr;
    }

    void work() {
        std::vector<std::function<void()>> spent;
        spent.reserve(kAhead + 2);
        for (int k = first_; k <= last_; ++k) {
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] { return stop_ || ready_.size() < kAhead; });
                if (stop_) return;
                spent.swap(spent_);
            }
            spent.clear();
            Taken taken;
            taken.k = k;
            taken.before = random_;
            try {
                source_.prepareNext(random_);
                taken.write = writer_.take(k, source_);
            } catch (...) {
                taken.error = std::current_exception();
            }
            const bool failed = static_cast<bool>(taken.error);
            {
                std::lock_guard lock(mutex_);
                ready_.push_back(std::move(taken));
            }
            changed_.notify_all();
            if (failed) return;
        }
    }

    SheetSource& source_;
    RandomDraw& random_;
    SheetWriter& writer_;
    const int first_;
    const int last_;
    pthread_t thread_{};
    bool started_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Taken> ready_;
    std::vector<std::function<void()>> spent_;  // written, for the drawing thread to free
    bool stop_ = false;
    bool tookFailed_ = false;
};

std::atomic<bool> drawingAhead{true};

}  // namespace

void allowDrawingAhead(bool allowed) {
    drawingAhead = allowed;
}

void runSheetSet(SheetSource& source, RandomDraw& random, const ClassSetChoice& choice,
                 SheetWriter& writer, const std::function<void(int k)>& sheetDone) {
    source.setNeeds(writer.needs());
    source.setPupilNames(choice.names);
    const auto oneSheet = [&](int k) {
        writer.beforeSheet(k, source);
        source.prepareNext(random);
        writer.addSheet(k, source);
        if (sheetDone) sheetDone(k);
    };
    if (choice.sheets >= 1) oneSheet(1);
    bool done = choice.sheets <= 1;
    if (!done && drawingAhead && writer.takesApart()) {
        DrawAhead ahead(source, random, writer, 2, choice.sheets);
        if (ahead.start()) {
            for (int k = 2; k <= choice.sheets; ++k) {
                ahead.write(k);
                if (sheetDone) sheetDone(k);
            }
            done = true;
        }
    }
    if (!done)
        for (int k = 2; k <= choice.sheets; ++k)
            oneSheet(k);
    writer.finish();
}

}  // namespace zarvik
