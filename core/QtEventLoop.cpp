// Qt's event loop: one-shot timers on a hidden receiver object, tasks as queued calls.
#include "EventLoop.h"

#include <QCoreApplication>
#include <QObject>
#include <QTimerEvent>

#include <map>

namespace {

class CKWQtEventLoop : public QObject, public IKWEventLoop {
public:
    void ArmTimer(int32_t timerId, int32_t interval) override {
        StopTimer(timerId);
        const int qtId = startTimer(interval < 0 ? 0 : interval);
        if (qtId == 0)
            return; // no event loop in this process (no application object)
        m_byQtId[qtId] = timerId;
        m_byTimerId[timerId] = qtId;
    }

    void StopTimer(int32_t timerId) override {
        const auto it = m_byTimerId.find(timerId);
        if (it == m_byTimerId.end())
            return;
        killTimer(it->second);
        m_byQtId.erase(it->second);
        m_byTimerId.erase(it);
    }

    void PostTask(std::function<void()> task) override {
        QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
    }

    bool DispatchWaiting() override {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return false; // processEvents already dispatched everything that was waiting
    }

protected:
    void timerEvent(QTimerEvent* event) override {
        const auto it = m_byQtId.find(event->timerId());
        if (it == m_byQtId.end())
            return;
        const int32_t timerId = it->second;
        StopTimer(timerId); // every system timer is one-shot
        TimerFired(timerId);
    }

private:
    std::map<int, int32_t> m_byQtId;
    std::map<int32_t, int> m_byTimerId;
};

} // namespace

std::unique_ptr<IKWEventLoop> MakeQtEventLoop() { return std::make_unique<CKWQtEventLoop>(); }
