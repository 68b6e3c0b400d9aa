// An event loop for tests whose clock moves only when the test says so: timers become due as time is
// advanced and run in the order they fall due, without sleeping.
#pragma once

#include "core/EventLoop.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>

class CManualEventLoop : public IKWEventLoop {
public:
    void ArmTimer(int32_t timerId, int32_t interval) override {
        m_due[timerId] = {m_now + interval, ++m_armed};
    }
    void StopTimer(int32_t timerId) override { m_due.erase(timerId); }
    void PostTask(std::function<void()> task) override { m_tasks.push_back(std::move(task)); }

    // One waiting task, or one timer that is due now.
    bool DispatchWaiting() override {
        if (!m_tasks.empty()) {
            const auto task = std::move(m_tasks.front());
            m_tasks.pop_front();
            task();
            return true;
        }
        const auto due = NextDue(m_now);
        if (due == m_due.end())
            return false;
        const int32_t timerId = due->first;
        m_due.erase(due);
        TimerFired(timerId);
        return true;
    }

    // Moves the clock forward, running waiting tasks and every timer as it falls due.
    void Advance(int64_t milliseconds) {
        const int64_t target = m_now + milliseconds;
        for (;;) {
            while (!m_tasks.empty())
                DispatchWaiting();
            const auto due = NextDue(target);
            if (due == m_due.end())
                break;
            m_now = due->second.at;
            DispatchWaiting();
        }
        m_now = target;
    }

    // Moves the clock without running anything, so that a pump finds the timers due.
    void MoveClock(int64_t milliseconds) { m_now += milliseconds; }
    int64_t Now() const { return m_now; }
    bool Armed(int32_t timerId) const { return m_due.count(timerId) != 0; }

private:
    struct Due {
        int64_t at;
        int64_t order;
    };
    std::map<int32_t, Due>::iterator NextDue(int64_t limit) {
        auto best = m_due.end();
        for (auto it = m_due.begin(); it != m_due.end(); ++it)
            if (it->second.at <= limit &&
                (best == m_due.end() ||
                 std::pair(it->second.at, it->second.order) < std::pair(best->second.at, best->second.order)))
                best = it;
        return best;
    }

    int64_t m_now = 0;
    int64_t m_armed = 0;
    std::map<int32_t, Due> m_due;
    std::deque<std::function<void()>> m_tasks;
};
