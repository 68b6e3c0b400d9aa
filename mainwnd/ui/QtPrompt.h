// The prompt with Qt's dialogs: built message boxes, the file dialogs and the folder chooser.
#pragma once

#include "services/KWPrompt.h"

class CKWQtPrompt : public IKWPrompt {
public:
    std::optional<KWMessageBoxAnswer> AskMessageBox(const KWMessageBoxRequest& request) override;
    std::vector<CKWStr> AskFiles(const KWFileRequest& request) override;
    CKWStr AskFolder(const CKWStr& caption, const CKWStr& folder) override;
};
