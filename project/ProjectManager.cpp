#include "ProjectManager.h"

#include "services/KWCallbacks.h"
#include "services/KWDBAccess.h"
#include "services/KWInstallFolder.h"
#include "services/KWPath.h"

#include <algorithm>

namespace {

const CKWDBAccess& Db() { return CKWDBAccess::Instance(); }

int32_t Child(int32_t parent, const char16_t* name) { return Db().GetKeyIdByName(parent, name, true); }

} // namespace

CKWProjectManager& CKWProjectManager::Instance() {
    static CKWProjectManager manager;
    return manager;
}

CKWStr CKWProjectManager::NameOf(const CKWProjectRecord& record) const {
    return Db().GetKeyName(record.projectKey);
}

CKWProjectRecord* CKWProjectManager::AddRecord(int32_t projectKey, int32_t projectId) {
    std::lock_guard lock(m_lock);
    auto record = std::make_unique<CKWProjectRecord>();
    record->projectId = projectId;
    record->projectKey = projectKey;
    record->makeEnvKey = Child(projectKey, u"MakeEnv");
    record->srcFileListKey = Child(record->makeEnvKey, u"SrcFileList");
    record->makeFileListKey = Child(record->makeEnvKey, u"MakeFileList");
    Child(Child(projectKey, u"View"), u"CustomView");
    record->pathMacroKey = Child(projectKey, u"PathMacro");
    record->searchPathKey = Child(projectKey, u"SearchPath");
    LoadPathMacros(*record);
    m_records.push_back(std::move(record));
    CKWProjectRecord* added = m_records.back().get();
    // The default folder groups the project does not have yet refer to their well-known folder.
    const int32_t settings = Db().GetKeyIdByName(Db().Root(KWRoot::Dft), NameOf(*added).c_str(), true);
    const int32_t groups = Db().GetKeyIdByName(settings, u"FolderGroup", true);
    for (const auto& [group, folder] : m_defaultFolderGroups) {
        if (Db().HasValue(groups, group.c_str()))
            continue;
        CKWStr deferred(u"$$$");
        deferred += folder.View();
        Db().SetValue(groups, group.c_str(), deferred.c_str());
    }
    return added;
}

void CKWProjectManager::LoadPathMacros(CKWProjectRecord& record) {
    std::lock_guard lock(m_lock);
    record.pathMacros.clear();
    for (const int32_t macro : Db().GetKeyIdList(record.pathMacroKey))
        record.pathMacros.push_back({Db().GetKeyName(macro), Db().GetStr(macro, u"Path")});
    const CKWStr name = NameOf(record);
    const CKWStr folder = Db().GetStr(record.projectKey, u"ProjDir");
    const CKWStr install = InstallFolder();
    CKWStr fileName = name;
    fileName += u".kwp5";
    CKWStr pathName = kwpath::WithTrailingSeparator(folder.View());
    pathName += fileName.View();
    const std::pair<const char16_t*, CKWStr> builtIns[] = {
        {u"$(ProjectDir)", kwpath::WithTrailingSeparator(folder.View())},
        {u"$(ProjectPath)", kwpath::WithoutTrailingSeparator(folder.View())},
        {u"$(ProjectExt)", CKWStr(u".kwp5")},
        {u"$(ProjectFileName)", fileName},
        {u"$(ProjectPathName)", pathName},
        {u"$(KWInstallDir)", kwpath::WithTrailingSeparator(install.View())},
        {u"$(KWInstallPath)", kwpath::WithoutTrailingSeparator(install.View())},
    };
    for (const auto& [macro, path] : builtIns)
        record.pathMacros.push_back({CKWStr(macro), path});
}

CKWProjectRecord* CKWProjectManager::CreateSkeleton(const CKWStr& name, const CKWStr& folder,
                                                    const CKWStr& series) {
    std::lock_guard lock(m_lock);
    const int32_t projectKey = Db().GetKeyIdByName(Db().Root(KWRoot::Proj), name.c_str(), true);
    if (projectKey == 0)
        return nullptr;
    const int32_t projectId = NextProjectId();
    Db().SetValue(projectKey, u"ProjName", name.c_str());
    Db().SetValue(projectKey, u"ProjDir", kwpath::WithoutTrailingSeparator(folder.View()).c_str());
    Db().SetInt(projectKey, u"ProjId", projectId);
    Db().SetValue(projectKey, u"ProjSeries", series.c_str());
    Db().GetKeyIdByName(Db().Root(KWRoot::Dft), name.c_str(), true);
    return AddRecord(projectKey, projectId);
}

void CKWProjectManager::MakeCurrent(const CKWProjectRecord& record) {
    const int32_t root = Db().Root(KWRoot::Proj);
    Db().SetValue(root, u"CurProj", NameOf(record).c_str());
    Db().SetValue(root, u"CurProjDir", Db().GetStr(record.projectKey, u"ProjDir").c_str());
    Db().SetInt(root, u"CurProjId", record.projectId);
    Db().SetInt(root, u"CurProjKey", record.projectKey);
    Db().SetValue(root, u"CurProjSeries", Db().GetStr(record.projectKey, u"ProjSeries").c_str());
}

CKWProjectRecord* CKWProjectManager::Find(int32_t projectId) {
    std::lock_guard lock(m_lock);
    if (projectId <= 0)
        projectId = Db().GetInt(Db().Root(KWRoot::Proj), u"CurProjId", 0);
    const auto it = std::find_if(m_records.begin(), m_records.end(),
                                 [&](const auto& record) { return record->projectId == projectId; });
    return it == m_records.end() ? nullptr : it->get();
}

void CKWProjectManager::Remove(int32_t projectId) {
    std::lock_guard lock(m_lock);
    std::erase_if(m_records, [&](const auto& record) { return record->projectId == projectId; });
}

void CKWProjectManager::Clear() {
    std::lock_guard lock(m_lock);
    m_records.clear();
}

int32_t CKWProjectManager::TopIn(int root, int32_t projectId) {
    const CKWProjectRecord* record = Find(projectId);
    if (record == nullptr)
        return 0;
    if (KWRoot(root) == KWRoot::Proj)
        return record->projectKey;
    return Db().GetKeyIdByName(Db().Root(KWRoot(root)), NameOf(*record).c_str());
}

void CKWProjectManager::AddDefaultFolderGroup(const CKWStr& group, const CKWStr& folder) {
    m_defaultFolderGroups.emplace_back(group, folder);
}

namespace {

template <KWRoot root>
int32_t TopCallback(int32_t projectId) {
    return CKWProjectManager::Instance().TopIn(int(root), projectId);
}

const char16_t* CurrentNameCallback() {
    static CKWStr name;
    const CKWProjectRecord* record = CKWProjectManager::Instance().Find(0);
    name = record != nullptr ? CKWProjectManager::Instance().NameOf(*record) : CKWStr();
    return name.c_str();
}

int32_t CurrentIdCallback() {
    const CKWProjectRecord* record = CKWProjectManager::Instance().Find(0);
    return record != nullptr ? record->projectId : 0;
}

void Offer(const CKWDBAccess& db, const char16_t* name, KWGetCurrentDBTopProc function) {
    db.SetCallbackFunc(name, reinterpret_cast<void*>(function));
}

} // namespace

void CKWProjectManager::RegisterCallbacks(const CKWDBAccess& db) {
    Offer(db, u"GetCurrentDBProjTop", &TopCallback<KWRoot::Proj>);
    Offer(db, u"GetCurrentDBDftTop", &TopCallback<KWRoot::Dft>);
    Offer(db, u"GetCurrentDBViewTop", &TopCallback<KWRoot::View>);
    Offer(db, u"GetCurrentDBReadTop", &TopCallback<KWRoot::Read>);
    Offer(db, u"GetCurrentDBWriteTop", &TopCallback<KWRoot::Write>);
    db.SetCallbackFunc(u"GetCurrentProjName",
                       reinterpret_cast<void*>(static_cast<KWGetCurrentProjNameProc>(&CurrentNameCallback)));
    db.SetCallbackFunc(u"GetCurrentProjId",
                       reinterpret_cast<void*>(static_cast<KWGetCurrentProjIdProc>(&CurrentIdCallback)));
}
