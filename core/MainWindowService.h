// What the host's commands ask of the main window, whichever front end provides it (the window, or
// the console's stand-in). Absent until a front end registers one.
#pragma once

class IMainWindowService {
public:
    virtual ~IMainWindowService() = default;
    // Asks the main window to close as its close button would, after the current work has returned.
    virtual void PostClose() = 0;
    // The staged close has finished: the main window goes for good and the application ends.
    virtual void CloseForGood() = 0;
};

IMainWindowService* MainWindowService();
void SetMainWindowService(IMainWindowService* service);
