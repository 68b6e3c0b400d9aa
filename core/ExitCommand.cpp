// KWExit: close the application, quietly with /Silent.
#include "HostCommands.h"
#include "MainWindowService.h"

#include "core/KWText.h"
#include "core/KWTokenList.h"
#include "services/KWDBAccess.h"

int32_t KWExitCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t, int32_t) {
    result.Clear();
    const CKWDBAccess& db = CKWDBAccess::Instance();
    // The whole argument text, blanks around it aside, must be the word.
    const CKWTokenList whole(arguments, 1, u',');
    db.SetInt(db.Root(KWRoot::App), u"KWCloseQuietly",
              whole.Count() == 1 && whole.TokenIs(0, u"/Silent") ? 1 : 0);
    if (IMainWindowService* mainWindow = MainWindowService())
        mainWindow->PostClose();
    return 0;
}
