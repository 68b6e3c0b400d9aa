#include "MessagePump.h"

#include "EventLoop.h"
#include "MainSock.h"

CKWMessagePump& CKWMessagePump::Instance() {
    static CKWMessagePump pump;
    return pump;
}

void CKWMessagePump::Pump() {
    ++m_depth;
    while (!m_breakRequested && KWEventLoop().DispatchWaiting()) {
    }
    for (const auto& handler : m_idleHandlers)
        for (int count = 0; !m_breakRequested && handler(count); ++count) {
        }
    if (--m_depth == 0)
        m_breakRequested = false;
}

bool CKWMessagePump::CheckEscKey() {
    m_escPressed = false;
    Pump();
    return m_escPressed;
}

void CKWMessagePump::EscPressed() {
    m_escPressed = true;
    if (CMainSock* host = CMainSock::Instance())
        host->escEvents.Fire();
}
