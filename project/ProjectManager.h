// The project manager: one record per open project, in opening order, with the project's keys and its
// path macro list; project ids from a counter that only grows; one re-entrant lock over the records
// (handlers nest through the bus, so the same thread may take it again).
#pragma once

#include "core/KWStr.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

class CKWDBAccess;

struct KWPathMacroEntry {
    CKWStr name; // "$(Name)", compared as whole text
    CKWStr path;
};

struct CKWProjectRecord {
    int32_t projectId = 0;
    int32_t projectKey = 0; // \DB_Proj\<name>
    int32_t makeEnvKey = 0, srcFileListKey = 0, makeFileListKey = 0, pathMacroKey = 0, searchPathKey = 0;
    std::vector<KWPathMacroEntry> pathMacros; // user macros first, then the built-ins, then /AddDirect ones
};

class CKWProjectManager {
public:
    static CKWProjectManager& Instance();

    std::recursive_mutex& Lock() { return m_lock; }
    int32_t NextProjectId() { return ++m_lastProjectId; }

    // Builds the record of the project whose key is in \DB_Proj: its sub-keys (made when missing), the
    // stored path macros and the built-in ones, and the default folder groups it lacks.
    CKWProjectRecord* AddRecord(int32_t projectKey, int32_t projectId);
    // The database part of a new project (project key with "ProjName", "ProjDir", "ProjId",
    // "ProjSeries", and its settings key in \DB_Dft) and its record; no files, no notifications.
    CKWProjectRecord* CreateSkeleton(const CKWStr& name, const CKWStr& folder, const CKWStr& series);
    // The values of \DB_Proj that name the current project.
    void MakeCurrent(const CKWProjectRecord& record);
    // The record of projectId; 0 or less: the current project.
    CKWProjectRecord* Find(int32_t projectId);
    void Remove(int32_t projectId);
    void Clear();
    const std::vector<std::unique_ptr<CKWProjectRecord>>& Records() const { return m_records; }
    // Reads the path macro list again: the stored user macros, then the built-ins.
    void LoadPathMacros(CKWProjectRecord& record);

    CKWStr NameOf(const CKWProjectRecord& record) const;
    // The project's key in one of the per-project roots (\DB_Dft, \DB_View, ...), 0 when missing.
    int32_t TopIn(int root, int32_t projectId);

    // Folder groups every project gets when its record is built: (group, well-known folder).
    void AddDefaultFolderGroup(const CKWStr& group, const CKWStr& folder);

    // Offers "GetCurrentDBProjTop", "GetCurrentDBDftTop", "GetCurrentDBViewTop", "GetCurrentDBReadTop",
    // "GetCurrentDBWriteTop", "GetCurrentProjName" and "GetCurrentProjId".
    static void RegisterCallbacks(const CKWDBAccess& db);

private:
    std::recursive_mutex m_lock;
    int32_t m_lastProjectId = 0;
    std::vector<std::unique_ptr<CKWProjectRecord>> m_records;
    std::vector<std::pair<CKWStr, CKWStr>> m_defaultFolderGroups;
};
