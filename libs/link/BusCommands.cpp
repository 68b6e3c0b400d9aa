// The commands the bus serves itself: opening and closing components, registrations, component
// libraries, the listing of commands, and the posted-request scheduler.
#include "Bus.h"

#include "core/KWSock.h"
#include "core/KWStr.h"
#include "core/KWText.h"
#include "core/KWTokenList.h"
#include "core/KWUnicode.h"

#include <dlfcn.h>

namespace kwlink {

namespace {

constexpr uint32_t kMaxNotificationOffset = 0x3FFFFFFF;

bool IsCommandNumber(uintptr_t value) { return value >= kKWCommandNumberBase && value <= UINT32_MAX; }

// Function addresses arrive as text. One that lies in no loaded program or library is refused, so
// that a mistyped registration fails instead of crashing the process when the command is used.
bool IsCodeAddress(uintptr_t value) {
    Dl_info info{};
    return value != 0 && dladdr(reinterpret_cast<void*>(value), &info) != 0;
}

std::u16string_view FirstLine(std::u16string_view text) {
    text = text.substr(0, text.find(u'\n'));
    if (!text.empty() && text.back() == u'\r')
        text.remove_suffix(1);
    return text;
}

std::string LibraryFileName(const char16_t* arguments) {
    const CKWTokenList tokens(arguments, 1, u',');
    return Utf16ToUtf8(tokens.GetToken(0));
}

struct BuiltIn {
    const char16_t* name;
    BuiltInHandler handler;
    const char16_t* help;
};

} // namespace

void Bus::RegisterBuiltIns() {
    const BuiltIn builtIns[] = {
        {u"KWOpenSock", &Bus::OpenSock, u"KWOpenSock 0x<component address>,<name>\n=> the new component id"},
        {u"KWCloseSock", &Bus::CloseSock, u"KWCloseSock\nCloses the sending component."},
        {u"KWRegSvcCmd", &Bus::RegSvcCmd,
         u"KWRegSvcCmd <name>,0x<handler or number>,<kind>,<group>,<help>\n=> 1 when registered"},
        {u"KWRegSvcNotification", &Bus::RegSvcNotification,
         u"KWRegSvcNotification <name>,0x<number>,1,<group>,<help>\n=> 1 when registered"},
        {u"KWRegNotificationNum", &Bus::RegNotificationNum,
         u"KWRegNotificationNum <name>,0x<number>\n=> 0 when subscribed"},
        {u"KWSetProjectIDPointer", &Bus::SetProjectIDPointer,
         u"KWSetProjectIDPointer <decimal address of the current project id>"},
        {u"KWAddDLLComponent", &Bus::AddDLLComponent,
         u"KWAddDLLComponent <library file>\nLoads a component library and opens its components."},
        {u"KWRemoveDLLComponent", &Bus::RemoveDLLComponent,
         u"KWRemoveDLLComponent <library file>\nCloses a component library's components and unloads it."},
        {u"KWEndAddDLLComponent", &Bus::EndAddDLLComponent,
         u"KWEndAddDLLComponent\nSays that the start-up libraries have been added."},
        {u"KWCloseAllSock", &Bus::CloseAllSock, u"KWCloseAllSock\nCloses every component and library."},
        {u"KWListCmd", &Bus::ListCmd,
         u"KWListCmd [<prefix>]\n=> <name>\\t<group>\\t<kind>\\t<first help line>, one line per command\n"
         u"KWListCmd /Help,<name>\n=> the command's whole help text"},
        {u"KWSetPostScheduler", &Bus::SetPostScheduler,
         u"KWSetPostScheduler 0x<function>\nThe bus calls the function once when posted requests wait; "
         u"0 removes it."},
        {u"KWRunPosted", &Bus::RunPosted, u"KWRunPosted\nRuns the posted requests that were waiting."},
    };
    for (const BuiltIn& builtIn : builtIns) {
        Command command;
        command.name = builtIn.name;
        command.builtIn = builtIn.handler;
        command.group = u"KWLink";
        command.help = builtIn.help;
        m_registry.Register(std::move(command));
    }
}

// The component is the record's sender; the address in the text is not trusted, since the bus will
// call the object it opens.
int32_t Bus::OpenSock(const Request& request, CKWStr&) {
    const CKWTokenList tokens(request.arguments, 2, u',');
    CKWSock* object = request.sender;
    if (object == nullptr)
        return -10;
    const int32_t library = m_attaching.empty() ? 0 : m_attaching.back();
    const int32_t id = m_components.Open(object, tokens.GetToken(1), library);
    object->name = m_components.Find(id)->name;
    return id;
}

int32_t Bus::CloseSock(const Request& request, CKWStr&) {
    if (const int32_t id = m_components.IdOf(request.sender); id != 0)
        CloseComponent(id);
    return 0;
}

int32_t Bus::RegSvcCmd(const Request& request, CKWStr&) {
    if (request.senderId != 0 && OpenComponentOf(request) == 0)
        return 0; // a closed component registers nothing
    const CKWTokenList tokens(request.arguments, 5, u',');
    const uintptr_t value = ParseAddress(tokens.GetToken(1));
    Command command;
    command.name = tokens.GetToken(0);
    command.owner = request.senderId;
    if (value == 0)
        return 0;
    if (IsCommandNumber(value)) {
        if (command.owner == 0)
            return 0; // a numbered command needs a component to receive it
        command.number = uint32_t(value);
    } else if (IsCodeAddress(value)) {
        command.handler = reinterpret_cast<KWCmdHandler>(value);
    } else {
        return 0;
    }
    command.kind = ParseLong(tokens.GetToken(2), 10, nullptr);
    command.group = tokens.GetToken(3);
    command.help = tokens.GetToken(4);
    return m_registry.Register(std::move(command)) ? 1 : 0;
}

int32_t Bus::RegSvcNotification(const Request& request, CKWStr&) {
    const CKWTokenList tokens(request.arguments, 5, u',');
    const std::u16string_view name = tokens.GetToken(0);
    const uintptr_t value = ParseAddress(tokens.GetToken(1));
    if (name.empty() || (request.senderId != 0 && OpenComponentOf(request) == 0))
        return 0;
    const uint32_t number = IsCommandNumber(value) ? uint32_t(value - kKWCommandNumberBase) : uint32_t(value);
    m_registry.Offer(name, request.senderId, number, tokens.GetToken(3), tokens.GetToken(4));
    return 1;
}

int32_t Bus::RegNotificationNum(const Request& request, CKWStr&) {
    const CKWTokenList tokens(request.arguments, 2, u',');
    const std::u16string_view name = tokens.GetToken(0);
    const uintptr_t value = ParseAddress(tokens.GetToken(1));
    const int32_t subscriber = OpenComponentOf(request);
    if (name.empty() || subscriber == 0 || !IsCommandNumber(value) ||
        value - kKWCommandNumberBase >= kMaxNotificationOffset)
        return -10;
    m_registry.Subscribe(name, Subscription{subscriber, uint32_t(value)});
    return 0;
}

int32_t Bus::SetProjectIDPointer(const Request& request, CKWStr&) {
    m_currentProjectId = reinterpret_cast<const int32_t*>(ParseAddress(request.arguments));
    return 0;
}

int32_t Bus::AddDLLComponent(const Request& request, CKWStr& result) {
    const std::string fileName = LibraryFileName(request.arguments);
    const std::string path = LibraryLoader::Resolve(fileName);
    if (path.empty()) {
        result = CKWStr::FromUtf8("No such component library: " + fileName);
        return -10;
    }
    if (m_libraries.FindByPath(path) != nullptr)
        return 0; // added already
    std::string error;
    const auto library = m_libraries.Load(path, error);
    if (!library) {
        result = CKWStr::FromUtf8(error);
        return -10;
    }
    m_attaching.push_back(library->id);
    int32_t code;
    try {
        code = library->attach();
    } catch (...) {
        code = -1;
    }
    m_attaching.pop_back();
    if (code < 0) {
        UnloadLibrary(library->id, true);
        result = CKWStr::FromUtf8("The component library refused to attach: " + path);
        return code;
    }
    return 0;
}

int32_t Bus::RemoveDLLComponent(const Request& request, CKWStr& result) {
    const std::string fileName = LibraryFileName(request.arguments);
    const ComponentLibrary* library = m_libraries.FindByPath(LibraryLoader::Resolve(fileName));
    if (library == nullptr) {
        result = CKWStr::FromUtf8("No such component library is loaded: " + fileName);
        return -10;
    }
    UnloadLibrary(library->id, true);
    return 0;
}

int32_t Bus::EndAddDLLComponent(const Request&, CKWStr&) { return 0; }

int32_t Bus::CloseAllSock(const Request&, CKWStr&) {
    DetachComponents(m_components.Ids());
    const std::vector<int32_t> libraries = m_libraries.Ids();
    for (auto it = libraries.rbegin(); it != libraries.rend(); ++it)
        UnloadLibrary(*it, false);
    for (const int32_t id : m_components.Ids())
        CloseComponent(id);
    m_registry.RemoveComponent(0); // anonymous registrations
    m_posted.clear();
    return 0;
}

int32_t Bus::ListCmd(const Request& request, CKWStr& result) {
    const CKWTokenList tokens(request.arguments, 0, u',');
    if (tokens.TokenIs(0, u"/Help")) {
        const Command* command = m_registry.Find(tokens.GetToken(1));
        if (command == nullptr)
            return -10;
        result = command->help;
        return 0;
    }
    result.Clear();
    for (const Command* command : m_registry.List(tokens.GetToken(0))) {
        if (!result.IsEmpty())
            result += u'\n';
        result += command->name;
        result += u'\t';
        result += command->group;
        result += u'\t';
        result.AppendInt(command->kind);
        result += u'\t';
        result += FirstLine(command->help);
    }
    return 0;
}

int32_t Bus::SetPostScheduler(const Request& request, CKWStr&) {
    const uintptr_t value = ParseAddress(CKWTokenList(request.arguments, 1, u',').GetToken(0));
    if (value != 0 && !IsCodeAddress(value))
        return -10;
    m_scheduler = reinterpret_cast<void (*)()>(value);
    m_turnRequested = false;
    if (!m_posted.empty() || m_libraries.HasUnloaded())
        RequestTurn();
    return 0;
}

int32_t Bus::RunPosted(const Request&, CKWStr&) {
    m_turnRequested = false;
    m_inTurn = m_depth == 1;
    RunQueued(m_posted.size()); // those posted while these run wait for the next turn
    if (!m_posted.empty())
        RequestTurn();
    return 0;
}

} // namespace kwlink
