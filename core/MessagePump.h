// The message pump that long work runs to stay responsive, with the flags that stop it and that
// record the Esc key. Everything here runs on the main thread; pumps nest (a command started from a
// pump may pump again), a break stops every running pump, and the outermost pump clears it.
#pragma once

#include <functional>
#include <vector>

class CKWMessagePump {
public:
    static CKWMessagePump& Instance();

    // Dispatches what is waiting, then runs the idle handlers, until done or a break is requested.
    void Pump();
    void RequestBreak() { m_breakRequested = true; }
    bool BreakRequested() const { return m_breakRequested; }
    int Depth() const { return m_depth; }

    // Clears the Esc flag, pumps, and answers whether Esc was pressed meanwhile.
    bool CheckEscKey();
    // Esc was pressed in the main window (or Ctrl+C on the console): sets the flag and fires the
    // Esc-key events.
    void EscPressed();

    // An idle handler is called with 0, 1, 2, ... while it answers true (it wants more time).
    void AddIdleHandler(std::function<bool(int count)> handler) {
        m_idleHandlers.push_back(std::move(handler));
    }

private:
    bool m_breakRequested = false;
    bool m_escPressed = false;
    int m_depth = 0;
    std::vector<std::function<bool(int)>> m_idleHandlers;
};
