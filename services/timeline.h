#pragma once

#include <deque>
#include <functional>
#include <memory>

#include "services/scheduler.h"

namespace brainlark
{

/// A sequence on the screen — feedback, an animation, a transition, a slideshow card — as a list of steps
/// run one after the other from the main event loop. Whoever starts one returns at once; between two
/// steps the program takes input as usual, and cancel() stops the sequence so that nothing of it runs
/// afterwards. Steps added while a step runs come right after it, in the order they were added, so a
/// step can unfold into smaller ones (an animation into its frames).
class Timeline
{
public:
    /// A frame step's answer when it has drawn its last frame.
    static constexpr int Finished = -1;
    using Done = std::function<void()>;

    explicit Timeline(Scheduler& scheduler);
    ~Timeline();
    Timeline(const Timeline&) = delete;
    Timeline& operator=(const Timeline&) = delete;

    /// Runs action.
    void call(std::function<void()> action);
    /// Waits ms milliseconds (nothing for 0 or less).
    void wait(int ms);
    /// Runs frame again and again, waiting what it returns after each run, until it returns Finished.
    void frames(std::function<int()> frame);
    /// Hands start a callback and waits until it is called (a sound that ends).
    void waitFor(std::function<void(Done done)> start);

    /// Runs the steps; finished is called when the last one is done (never after cancel()).
    void start(std::function<void()> finished = {});
    /// Stops at once: no step of the sequence runs any more and finished is not called.
    void cancel();
    bool isRunning() const { return m_running; }

private:
    struct Result {
        int waitMs = 0;
        bool again = false;
        bool hold = false;
    };
    using Step = std::function<Result()>;
    void add(Step step);
    void run();

    Scheduler& m_scheduler;
    std::deque<Step> m_steps;
    std::deque<Step> m_added; // steps added by the step that runs now
    std::function<void()> m_finished;
    std::shared_ptr<uint64_t> m_generation; // changes on cancel; shared with pending callbacks
    Scheduler::Id m_wait = 0;
    bool m_running = false;
    bool m_inStep = false;
};

} // namespace brainlark
