#include "services/timeline.h"

namespace brainlark
{

Timeline::Timeline(Scheduler& scheduler) : m_scheduler(scheduler), m_generation(std::make_shared<uint64_t>(0)) {}

Timeline::~Timeline()
{
    cancel();
}

void Timeline::add(Step step)
{
    (m_inStep ? m_added : m_steps).push_back(std::move(step));
}

void Timeline::call(std::function<void()> action)
{
    add([action = std::move(action)] {
        action();
        return Result{};
    });
}

void Timeline::wait(int ms)
{
    if (ms > 0)
        add([ms] { return Result{ms, false, false}; });
}

void Timeline::frames(std::function<int()> frame)
{
    add([frame = std::move(frame)] {
        const int ms = frame();
        return ms == Finished ? Result{} : Result{ms, true, false};
    });
}

void Timeline::waitFor(std::function<void(Done done)> start)
{
    add([this, start = std::move(start)] {
        // done may come at once (nothing to wait for) or later from the event loop.
        auto state = std::make_shared<int>(0); // 0 waiting in start, 1 done early, 2 held
        const std::weak_ptr<uint64_t> generation = m_generation;
        const uint64_t mine = *m_generation;
        start([this, state, generation, mine] {
            const auto alive = generation.lock();
            if (!alive || *alive != mine)
                return; // cancelled or gone meanwhile
            if (*state == 0) {
                *state = 1;
                return;
            }
            if (*state == 2) {
                *state = 1;
                run();
            }
        });
        const bool held = *state == 0;
        if (held)
            *state = 2;
        return Result{0, false, held};
    });
}

void Timeline::start(std::function<void()> finished)
{
    // A sequence that still runs lets go of its wait; the steps stay and run from the first one.
    ++*m_generation;
    if (m_wait)
        m_scheduler.cancel(m_wait);
    m_wait = 0;
    m_inStep = false;
    m_finished = std::move(finished);
    m_running = true;
    run();
}

void Timeline::cancel()
{
    ++*m_generation;
    if (m_wait)
        m_scheduler.cancel(m_wait);
    m_wait = 0;
    m_steps.clear();
    m_added.clear();
    m_running = false;
    m_inStep = false;
    m_finished = nullptr;
}

void Timeline::run()
{
    const std::shared_ptr<uint64_t> generation = m_generation; // outlives this object if a step deletes it
    const uint64_t mine = *generation;
    while (!m_steps.empty()) {
        Step step = m_steps.front(); // a copy: the step may clear the list
        m_inStep = true;
        const Result result = step();
        if (*generation != mine)
            return; // the step cancelled or restarted the sequence, or destroyed it
        m_inStep = false;
        if (!result.again)
            m_steps.pop_front();
        while (!m_added.empty()) {
            m_steps.push_front(std::move(m_added.back()));
            m_added.pop_back();
        }
        if (result.hold)
            return;
        if (result.waitMs > 0) {
            m_wait = m_scheduler.after(result.waitMs, Scheduler::Purpose::Pause, [this, mine] {
                m_wait = 0;
                if (*m_generation == mine)
                    run();
            });
            return;
        }
    }
    m_running = false;
    if (std::function<void()> finished = std::move(m_finished)) {
        m_finished = nullptr;
        finished();
    }
}

} // namespace brainlark
