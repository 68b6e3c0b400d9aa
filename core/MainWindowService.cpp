#include "MainWindowService.h"

namespace {

IMainWindowService* g_service = nullptr;

} // namespace

IMainWindowService* MainWindowService() { return g_service; }
void SetMainWindowService(IMainWindowService* service) { g_service = service; }
