// The host's event loop as timers, the message pump and posted bus requests see it. The studio runs
// on Qt's loop; tests use a manual loop whose clock they advance themselves.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

class IKWEventLoop {
public:
    virtual ~IKWEventLoop() = default;
    // A one-shot system timer: after interval milliseconds the loop calls the timer handler with
    // timerId. Arming an armed id restarts it.
    virtual void ArmTimer(int32_t timerId, int32_t interval) = 0;
    virtual void StopTimer(int32_t timerId) = 0;
    // Runs task on a later turn of the loop, after the current work has returned.
    virtual void PostTask(std::function<void()> task) = 0;
    // Dispatches what is waiting now (due timers, posted tasks, other events); answers whether it
    // may have left more waiting, so a pump calls it until it answers false.
    virtual bool DispatchWaiting() = 0;

    void SetTimerHandler(std::function<void(int32_t timerId)> handler) {
        m_timerHandler = std::move(handler);
    }

protected:
    void TimerFired(int32_t timerId) {
        if (m_timerHandler)
            m_timerHandler(timerId);
    }

private:
    std::function<void(int32_t)> m_timerHandler;
};

// The loop in use: Qt's unless another was set.
IKWEventLoop& KWEventLoop();
void SetKWEventLoop(std::unique_ptr<IKWEventLoop> loop);

// Gives the bus a scheduler on this loop, so posted requests run on the loop's next turn.
void ConnectBusToEventLoop();
