// The desktop shell: opening documents, folders and addresses in the programs the desktop chooses,
// starting programs, and showing a file in the file manager. Tests replace it with a recorder.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class IKWShell {
public:
    virtual ~IKWShell() = default;
    virtual bool Open(std::u16string_view target) = 0;
    virtual bool Run(std::u16string_view program, const std::vector<std::u16string>& arguments) = 0;
    // Shows the folder that holds file with the file selected where the file manager can.
    virtual bool ShowInFolder(std::u16string_view file) = 0;
};

// The shell in use: the desktop's unless another was set.
IKWShell& KWShell();
void SetKWShell(std::unique_ptr<IKWShell> shell);
