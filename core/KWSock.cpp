#include "KWSock.h"

#include "BusConnection.h"
#include "KWBusClient.h"
#include "KWText.h"

CKWSock::CKWSock(const char16_t* componentName) {
    if (EqualsNoCase(componentName, u"SockSock"))
        return; // reserved: not on the bus, not counted
    if (!LoadBus())
        return;
    bus_connection::AddOpenComponent();
    m_counted = true;
    CKWStr arguments;
    arguments.AppendAddress(this);
    arguments += u",";
    arguments += componentName != nullptr && *componentName != 0 ? componentName : u"anonymous";
    KWRequest request{kKWModeSend,       this,    0,       0,      0, u"KWOpenSock",
                      arguments.c_str(), nullptr, nullptr, nullptr};
    id = bus_connection::Call(request);
}

CKWSock::~CKWSock() {
    if (!m_counted)
        return; // never opened, so it holds no count that would keep the bus loaded
    KWRequest request{kKWModeSend, this, 0, 0, 0, u"KWCloseSock", u"", nullptr, nullptr, nullptr};
    id = bus_connection::Call(request);
    bus_connection::RemoveOpenComponent();
}
