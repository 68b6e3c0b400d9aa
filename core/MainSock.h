// CMainSock: the host's own component "KWX5Main". Its Attach registers the host command table and
// offers the host's notifications; the timers, Esc-key events and small state of the host commands
// live here, and its Detach stops every timer and event.
#pragma once

#include "EscKeyEvents.h"
#include "TimerList.h"

#include "core/KWSock.h"

#include <cstdint>

class CMainSock : public CKWSock {
public:
    CMainSock();
    ~CMainSock() override;

    // The host component while it exists, else null.
    static CMainSock* Instance();

    void Attach() override;
    void Detach() override;
    int32_t Receive(int32_t number, const char16_t* arguments, CKWStr& result, int32_t projectId,
                    int32_t requesterKey) override; // the host serves nothing by number: -1

    // Sends as the host component.
    int32_t Send(const char16_t* command, const char16_t* arguments, CKWStr* result = nullptr);

    CKWStr helpWindowType;        // KWHelp /WinType
    uint32_t activatedWindow = 0; // KWWin /ActivatedWin
    bool reactivatePending = false;
    CKWStr editorKeywords;     // KWEditorKeyword: "<type>:<words>;..."
    CKWTimerList timers;       // KWTimerEvent and the timer callbacks
    CKWEscKeyEvents escEvents; // KWEscKeyDownEvent
};
