// The handlers of the host's own commands, wherever they live; the host command table registers them.
// Every handler has the bus's handler form: (mode, arguments, result, project id, requester key).
#pragma once

#include "core/KWRequest.h"

// A command whose feature is not there yet: -1 with an empty result.
int32_t KWNotBuiltCommand(int32_t, const char16_t*, CKWStr& result, int32_t, int32_t);

int32_t KWDebugLayoutCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t KWWinCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t KWGuiCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t KWDoNothingCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t KWStrCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t KWEditorKeywordCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId,
                               int32_t);
int32_t KWExitCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t KWMainDlgCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t KWHelpCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t KWOpenPDFCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t LinkHomepageCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t KWGetVersionCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t KWTimerEventCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t KWEscKeyDownEventCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId,
                                 int32_t);
int32_t KWProcessMessageCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId,
                                int32_t);
int32_t KWDBCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t KWMainPostCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t KWXRunCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t KWStartupIniCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t KWFolderCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t KWPathMacroCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t KWMsgBoxCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);
int32_t KWGuidCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t);

#include "core/KWStr.h"

#include <vector>

// Every dictionary name that KWOpenPDF may look up (document prefixes with each manual family).
std::vector<CKWStr> ManualDictionaryNames();
