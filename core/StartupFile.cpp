#include "StartupFile.h"

#include "HostCommands.h"
#include "MainSock.h"

#include "core/KWText.h"
#include "core/KWTokenList.h"
#include "core/KWUnicode.h"
#include "project/ProjectManager.h"
#include "services/KWDBAccess.h"
#include "services/KWInstallFolder.h"
#include "services/KWRegistry.h"
#include "services/KWStrDic.h"
#include "services/KWUtf16File.h"

#include <QFileInfo>

namespace {

bool IsWebAddress(const CKWStr& text) {
    return StartsWithNoCase(text.c_str(), u"http://") || StartsWithNoCase(text.c_str(), u"https://");
}

// Adds a sub-key named kind with "Name" = file under the list key.
void AddListEntry(const char16_t* listPath, const char16_t* kind, const CKWStr& file) {
    const CKWDBAccess& db = CKWDBAccess::Instance();
    const int32_t list = db.GetKeyId(listPath, true);
    db.SetValue(db.AddKey(list, kind), u"Name", file.c_str());
}

void RemoveListEntry(const char16_t* listPath, const CKWStr& file) {
    const CKWDBAccess& db = CKWDBAccess::Instance();
    const int32_t list = db.GetKeyId(listPath);
    for (const int32_t entry : db.GetKeyIdList(list)) {
        const CKWStr name = db.GetStr(entry, u"Name");
        if (EqualsNoCase(name.c_str(), file.c_str()) ||
            EndsWithNoCase(name.c_str(), (u"/" + file.Text()).c_str()))
            db.DeleteKey(entry);
    }
}

bool FileExists(const CKWStr& path) { return QFileInfo(QString::fromStdString(path.ToUtf8())).isFile(); }

} // namespace

std::string StartupFilePath() { return InstallFolder().ToUtf8() + "conf/KWStartup.ini"; }

std::optional<CKWStartupFile> CKWStartupFile::Read(const std::string& path) {
    const auto text = ReadUtf16File(path);
    if (!text)
        return std::nullopt;
    return Parse(*text);
}

CKWStartupFile CKWStartupFile::Parse(std::u16string_view text) {
    CKWStartupFile file;
    const std::u16string whole(text);
    const CKWTokenList lines(whole.c_str(), u'\n', true, true, true);
    for (int i = 0; i < lines.Count(); ++i) {
        std::u16string_view line = lines.GetToken(i);
        line = TrimBlanks(line.substr(0, line.find(u'#')));
        const std::size_t colon = line.find(u':');
        if (colon == std::u16string_view::npos)
            continue;
        const std::u16string_view key = TrimBlanks(line.substr(0, colon));
        if (key.empty())
            continue;
        file.m_entries.push_back({CKWStr(key), CKWStr(TrimBlanks(line.substr(colon + 1))), CKWStr(line)});
    }
    return file;
}

CKWStr CKWStartupFile::Value(const char16_t* key) const {
    CKWStr found;
    for (const KWStartupEntry& entry : m_entries)
        if (EqualsNoCase(entry.key.c_str(), key))
            found = entry.value;
    return found;
}

void CKWStartupFile::Apply(const CKWStr& installFolder) const {
    const CKWDBAccess& db = CKWDBAccess::Instance();
    const int32_t app = db.Root(KWRoot::App);
    for (const KWStartupEntry& entry : m_entries) {
        const char16_t* key = entry.key.c_str();
        if (EqualsNoCase(key, u"DLL")) {
            CKWStr file(installFolder);
            file += u"Bin/";
            file += entry.value.View();
            if (FileExists(file))
                AddListEntry(u"\\DB_Startup\\DLLList", u"DLL", file);
        } else if (EqualsNoCase(key, u"Plugin")) {
            for (const char16_t* folder : {u"Plugin/", u"Bin/"}) {
                CKWStr file(installFolder);
                file += folder;
                file += entry.value.View();
                if (FileExists(file)) {
                    AddListEntry(u"\\DB_Startup\\PluginList", u"Plugin", file);
                    break;
                }
            }
        } else if (EqualsNoCase(key, u"UnPlugin")) {
            RemoveListEntry(u"\\DB_Startup\\PluginList", entry.value);
        } else if (EqualsNoCase(key, u"XML")) {
            AddListEntry(u"\\DB_Startup\\XMLList", u"XML", entry.value);
        } else if (EqualsNoCase(key, u"Ver") || EqualsNoCase(key, u"ProductName") ||
                   EqualsNoCase(key, u"Copyright") || EqualsNoCase(key, u"BuildTime") ||
                   EqualsNoCase(key, u"UseKW")) {
            db.SetValue(app, key, entry.value.c_str());
        } else if (EqualsNoCase(key, u"LogURL") || EqualsNoCase(key, u"NewsURL") ||
                   EqualsNoCase(key, u"WebFileURL")) {
            if (IsWebAddress(entry.value))
                db.SetValue(app, key, entry.value.c_str());
        } else if (EqualsNoCase(key, u"PhaseList")) {
            db.SetValue(app, u"PhaseList", entry.value.c_str());
            const CKWTokenList phases(entry.value.c_str(), 0, u',');
            db.SetValue(app, u"CurPhase", phases.GetToken(0));
            db.SetValue(app, u"StartupPhase", phases.GetToken(0));
        } else if (EqualsNoCase(key, u"HelpWinType")) {
            if (CMainSock* host = CMainSock::Instance())
                host->helpWindowType = entry.value;
        } else if (EqualsNoCase(key, u"FolderIni")) {
            const CKWTokenList pair(entry.value.c_str(), 0, u',');
            if (pair.Count() == 2)
                CKWProjectManager::Instance().AddDefaultFolderGroup(CKWStr(pair.GetToken(0)),
                                                                    CKWStr(pair.GetToken(1)));
        } else if (EqualsNoCase(key, u"KWEditorKeyword")) {
            if (CMainSock* host = CMainSock::Instance())
                host->editorKeywords = entry.value;
        }
    }
}

CKWStr ApplyLanguage(const CKWStartupFile& file) {
    CKWStr conf(kKWProductRegistryKey);
    conf += u"\\Conf";
    CKWStr language = CKWRegistry::GetString(conf.c_str(), u"KWLang");
    if (language.IsEmpty())
        language = file.Language();
    if (language.IsEmpty())
        language = u"Eng";
    const CKWDBAccess& db = CKWDBAccess::Instance();
    db.SetValue(db.Root(KWRoot::App), u"Lang", language.c_str());
    db.SetValue(db.Root(KWRoot::App), u"CurLang", language.c_str());
    CKWStrDic::Instance().LoadFile(InstallFolder().ToUtf8() + "conf/KWStrDic.tsv", language.View());
    return language;
}

int32_t KWStartupIniCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t, int32_t) {
    result.Clear();
    const auto file = CKWStartupFile::Read(StartupFilePath());
    if (!file)
        return -10;
    const CKWTokenList tokens(arguments, 0, u',');
    if (tokens.TokenIs(0, u"/GetAll") || tokens.TokenIs(0, u"/Get")) {
        const bool all = tokens.TokenIs(0, u"/GetAll");
        for (const KWStartupEntry& entry : file->Entries()) {
            if (!all && !EqualsNoCase(entry.key.c_str(), tokens.GetToken(1)))
                continue;
            if (!result.IsEmpty())
                result += u"\n";
            result += entry.line.View();
        }
    } else if (tokens.TokenIs(0, u"/InitLang")) {
        ApplyLanguage(*file);
    }
    return 0;
}
