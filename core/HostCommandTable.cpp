// The host's command table: the 54 commands of "KWX5Main" in their registration order, with kind,
// handler (or command number) and usage text, and the 27 notifications it offers.
#include "HostCommandTable.h"

#include "HostCommands.h"

const std::vector<KWHostCommand>& HostCommands() {
    static const std::vector<KWHostCommand> commands = {
        {u"KWDebugLayout", 1, &KWDebugLayoutCommand, 0, u"ToolBarCustomize"},
        {u"ToolBarCustomize", 1, nullptr, kKWCommandNumberBase + 1, u"ToolBarCustomize"},
        {u"KWProcessMessage", 1, &KWProcessMessageCommand, 0,
         u"KWProcessMessage\nKWProcessMessage /Break\nKWProcessMessage /EscCheck"},
        {u"KWTimerEvent", 1, &KWTimerEventCommand, 0,
         u"KWTimerEvent [/Repeat,] <id number>, <interval [ms]>, <callback message name>\nKWTimerEvent <id "
         u"number>, /stop\nKWTimerEvent <id number>, /enable\nKWTimerEvent <id number>, "
         u"/disable\nKWTimerEvent <id number> => <status>,<interval>,<callback message "
         u"name>[,/repeat]\nKWTimerEvent => <id number>,<status>,<interval>,<callback message "
         u"name>[,/repeat]"},
        {u"KWEscKeyDownEvent", 1, &KWEscKeyDownEventCommand, 0,
         u"KWEscKeyDownEvent <id number>, <callback message name>[,<param>]\nKWEscKeyDownEvent <id number>, "
         u"/stop\nKWEscKeyDownEvent <id number>, /enable\nKWEscKeyDownEvent <id number>, "
         u"/disable\nKWEscKeyDownEvent <id number> => <status>,<callback message name>\nKWEscKeyDownEvent => "
         u"<id number>,<status>,<callback message name>"},
        {u"KWMainMenu", 1, &KWNotBuiltCommand, 0, u"KWMainMenu"},
        {u"KWMainMenuOpenProject", 1, &KWNotBuiltCommand, 0, u"KWMainMenuOpenProject <file name>"},
        {u"KWProject", 1, &KWNotBuiltCommand, 0,
         u"KWProject => <current project name>, <project file path name>, <project ID>, <series "
         u"name>\nKWProject /CurProj => <current project name>\nKWProject /CurProjSeries => <series "
         u"name>\nKWProject /ID => <current project ID>\nKWProject [/Win,] /Create, <project "
         u"name>,/Path=<project file path>,/Series=<Series>,/Template=<template "
         u"name>[,/Overwrite]\nKWProject [/Win,] /CreateAdd, <project name>,/Path=<project file "
         u"path>,/Series=<Series>,/Template=<template name>[,/Overwrite]\nKWProject [/Win,] /Open, <project "
         u"file path name>\nKWProject [/Win,] /Add, <project file path name>\nKWProject [/Win,] /Reopen [, "
         u"<project name>]\nKWProject [/Win,] /Save [, <project name>] [,/Path=<project file "
         u"path>]\nKWProject [/Win,] /SaveAs [,<project name>] ,/New=<new project name> [,/Path=<project "
         u"file path>]\nKWProject [/Win,] /Remove [, <project name>] [,/DeleteFile]\nKWProject [/Win,] "
         u"/Change, <project name>\nKWProject [/Win,] /Close [,<project name>]\nKWProject [/Win,] /GetList "
         u"=> <project name>,<project file path name>\nKWProject [/Win,] /Start\nKWProject "
         u"/CreateSkeleton,<project name>,/Path=<project file path>,/Series=<Series> => <project name>, "
         u"<project id>, <project keyid>\nKWProject /CreateCheck, <project name>,/Path=<project file "
         u"path>[,/NoConflictCheck] => {true | false | overwrite | <message>}\nKWProject /GetPath, <project "
         u"name> => <path>"},
        {u"KWProjectGroup", 1, &KWNotBuiltCommand, 0,
         u"KWProjectGroup => <project group name>, <project group file path name>\nKWProjectGroup [/Win,] "
         u"/Create, {/Default | <project group name>},/Path=<path>\nKWProjectGroup [/Win,] /Open [, <project "
         u"group file name and path>]\nKWProjectGroup [/Win,] /Reopen [, <project group file name and "
         u"path>]\nKWProjectGroup [/Win,] /Save [,/Path=<path>]\nKWProjectGroup [/Win,] /SaveAs [,<project "
         u"group name> [,/Path=<path>]]\nKWProjectGroup [/Win,] /Close\nKWProjectGroup [/Win,] "
         u"/Start\nKWProjectGroup /ProjectList => <project name>\\\nKWProjectGroup /LoadSetting,<project "
         u"group file name>\nKWProjectGroup /SaveNew => <project group name>, <project group file path "
         u"name>\nKWProjectGroup /GetInfo, <name> => <information>\nKWProjectGroup /SetInfo, <name>, "
         u"<information>\nKWProjectGroup /SaveAll\nKWProjectGroup /GetBuildAllProjectList => <project "
         u"name>,<project name>,...\nKWProjectGroup /SetBuildAllProjectList [,/Refresh], <project "
         u"name>,<project name>,..."},
        {u"KWMsgBox", 2, &KWMsgBoxCommand, 0, u"KWMsgBox"},
        {u"KWFolder", 2, &KWFolderCommand, 0,
         u"KWFolder [{Project | ProjectGroup | User | Appdata | MyAppdata | Install | Bin | CCBin | "
         u"CCInclude | CCLib}]"},
        {u"KWDB", 1, &KWDBCommand, 0,
         u"KWDB /SAVE, [{/ProjDir | /Conf},] <key name>,<file name>\nKWDB /LOAD, <key name>,<file "
         u"name>\nKWDB /KEY, <key name> => <value name>=<value>\n<value name>=<value>...\nKWDB /KEYS, [{/ID "
         u"| /ID16},] <key name> => <key name>\n<value name>=<value>\n<value name>=<value>...\nKWDB /VALUE, "
         u"<key name>,<value name> => <value>\nKWDB /VALUE, <key name>,<value name>,<new value>\nKWDB "
         u"/ADDKEY, <key name>\nKWDB /DELETEKEY, <key name>\nKWDB /ADDVALUE, <key name>,<value "
         u"name>,<value>\nKWDB /DELETEVALUE, <key name>,<value name>\nKWDB /SetProjectValue, <key "
         u"name>,<value name>,<value data>\nKWDB /GetProjectValue, <key name>,<value name> => <value "
         u"data>\nKWDB /SetDftValue, <key name>,<value name>,<value data>\nKWDB /GetDftValue, <key "
         u"name>,<value name> => <value data>\nKWDB /SetProjectGroupValue, <key name>,<value name>,<value "
         u"data>\nKWDB /GetProjectGroupValue, <key name>,<value name> => <value data>\nKWDB /SetConfValue, "
         u"<key name>,<value name>,<value data>\nKWDB /GetConfValue, <key name>,<value name> => <value "
         u"data>"},
        {u"KWWin", 1, &KWWinCommand, 0,
         u"KWWin /Show,<name>\n/Hide,<name>\n/GetMainHandle => <HWND>\n/GetInstance => "
         u"<HINSTANCE>\n/GetAppIcon => <HICON>\n/ActivatedWin,<HWND>\n/Memory\n/MemoryUsed => <bytes of "
         u"memory used>MB\n/OpenExplorer,<dir>\n/OpenExplorerSelect,<filepathname>"},
        {u"KWGui", 1, &KWGuiCommand, 0,
         u"KWGui /OpenDialog,<xml name>,<dialog "
         u"name>\n/ShowView,<name>\n/HideView,<name>\n/CheckPhase,<valid phase>,<valid "
         u"phase>,...\n/CancelLastDockWin"},
        {u"KWWinPerspective", 1, &KWNotBuiltCommand, 0, u"KWWinPerspective"},
        {u"KWDebug", 1, &KWDoNothingCommand, 0, u"KWDebug"},
        {u"KWShortcut", 1, &KWNotBuiltCommand, 0, u"KWShortcut"},
        {u"KWFont", 1, &KWNotBuiltCommand, 0, u"KWFont"},
        {u"KWStr", 1, &KWStrCommand, 0,
         u"KWStr <name or eng> => <str>\nKWStr /Id, <id> => <str>\nKWStr /Name, <name> => <str>\nKWStr /Eng, "
         u"<eng> => <str>\nKWStr /MultiLineByName, <name> => <str>\n<str>\n<str>\n...\nKWStr /MultiLineById, "
         u"<id> => <str>\n<str>\n<str>\n...\nKWStr /GetNameByStr, <str> => <name>\nKWStr /GetNameByid, <id> "
         u"=> <name>\nKWStr /GetNameByEng, <eng> => <name>\nKWStr /GetIdByStr, <str> => <id>\nKWStr "
         u"/GetIdByName, <name> => <id>\nKWStr /GetIdByEng, <eng> => <id>\nKWStr /GetLang => "
         u"{Jpn,Eng,Chn}\nKWStr /SetLang, {Jpn,Eng,Chn}\nKWStr /TimeStampDataToStr, <data> => yyyy/mm/dd "
         u"hh:mm"},
        {u"KWPrjSrcFile", 1, &KWNotBuiltCommand, 0,
         u"KWPrjSrcFile /New, [/Logical=<logical folder name>,] [/Type={c|ecp|cpp|h|asm|txt|other},] "
         u"[/Folderid=<folder id>,] [/ProjId=<project id>,] [<filename (with path)] => <fileid>, "
         u"<filename>\nKWPrjSrcFile /Add, [/Logical=<logical folder name>,] [/NoCheck,] "
         u"[/Type={c|ecp|cpp|asm|other},] [/ProjId=<project id>,] <filename> => <fileid>\n=> "
         u"<fileid>,<filekey>\nKWPrjSrcFile /AddPsidList, <filepsid>, <filepsid>,...\nKWPrjSrcFile /Delete, "
         u"{/Psid=<filepsid> | /Dsid=<filedsid> | <filename>}\nKWPrjSrcFile /DeleteAll [/ProjId=<project "
         u"id>]\nKWPrjSrcFile /Rename, [/ProjId=<project id>,] {/Psid=<filepsid> | /Dsid=<filedsid> | <old "
         u"filename>}, <new filename>\nKWPrjSrcFile /Name, [/ProjId=<project id>,] {/Psid=<filepsid> | "
         u"/Dsid=<filedsid>} [,/F] => "
         u"<filename>\n/List\n/ListBuildTgt\n/ListPsid\n/ListDsid\n/PathList\n/GetPathList\nKWPrjSrcFile "
         u"/GetFullPath, [/ProjId=<project id>,] {/Psid=<psid> | /DB=<keyid of psid> | <filename>} => <full "
         u"path>\nKWPrjSrcFile /AddLogicalFolder, [/ProjId=<project id>,] [/Other,] [<parent folderid>,] "
         u"<folder name> => <filder id>, <folder "
         u"key>\n/DeleteLogicalFolder\n/RenameLogicalFolder\n/MoveLogicalFolder\n/ChangeLogicalFolder\n/"
         u"GetLogicalFolderName\nKWPrjSrcFile /CheckBuildTarget, [/ProjId=<project id>,] {/Psid=<filepsid> | "
         u"/Dsid=<filedsid> | <filename>} => {true | false}\nKWPrjSrcFile /ChangeProjectDir, "
         u"[/ProjId=<project id>,] <old dir>, <new dir>"},
        {u"KWFileEncode", 1, &KWNotBuiltCommand, 0,
         u"KWFileEncode /Default, [/BOM,] [{/CRLF | /CR | /LF},] { auto | fix }, {<Encode Number> | <Encode "
         u"Name>}\nKWFileEncode /Default => { auto | fix }, <Encode Name> [,BOM] [,{/CRLF | /CR | "
         u"/LF}]\nKWFileEncode /GetNumber, {/Psid=<filepsid> | /Dsid=<filedsid> | <file name>} => <Encode "
         u"Number>\nKWFileEncode /Set, [/BOM,] [{/CRLF | /CR | /LF},] {/Psid=<filepsid> | <file name>}, "
         u"{<Encode Number> | <Encode Name>}\nKWFileEncode /GetCodePageList\nKWFileEncode /GetText, <file "
         u"name> => <text>\nKWFileEncode /GetTextPt, <file name>\nKWFileEncode /Reset\nKWFileEncode "
         u"/GetHexFile, <file name>, <hex output file>"},
        {u"KWPathMacro", 1, &KWPathMacroCommand, 0,
         u"KWPathMacro /Add, <macroname>,<path>\nKWPathMacro /Change, <macroname>,<path>\nKWPathMacro "
         u"/Delete, <macroname>\nKWPathMacro /GetPath, <macroname> => <path>\nKWPathMacro /GetMacroname, "
         u"<path> => <macroname>\nKWPathMacro /Abs, <filename with macro>[, <base path>] => <absolute file "
         u"path name>\nKWPathMacro /M, <macroname>, <filename>[, <base path>] => <filename with "
         u"macro>\nKWPathMacro /Rel, <filename>[, <base path>] => <relative file path name>\nKWPathMacro "
         u"/Expand, <name with macro>[,<name with macro>,...] => <expanded name>[,...]\nKWPathMacro /Define "
         u"[,<separator>] => <macroname>=<path>"},
        {u"KWSearchPath", 1, &KWNotBuiltCommand, 0,
         u"KWSearchPath => 1: <path>\nKWSearchPath /Add, <path> [\\t<path>\\t...]\nKWSearchPath "
         u"/Reset\nKWSearchPath /Delete, {<path> | <number>}\nKWSearchPath /Up, <number>\nKWSearchPath "
         u"/Down, <number>\nKWSearchPath /Change, <number>, <path>\nKWSearchPath <number> => <path>"},
        {u"SPATH", 2, &KWNotBuiltCommand, 0, u"SPATH => 1: <path>\nSPATH <path>"},
        {u"SPATHC", 2, &KWNotBuiltCommand, 0, u"SPATHC *\nSPATHC <list of spath number>"},
        {u"KWSearchFile", 1, &KWNotBuiltCommand, 0,
         u"KWSearchFile /GetFullPath, [/ProjId=<project id>,] <filename> => <full path "
         u"filename>\nKWSearchFile /GetFullPathWithProjID, <filename> => <projID>, <full path filename>"},
        {u"KWEditorKeyword", 1, &KWEditorKeywordCommand, 0,
         u"KWEditorKeyword /GetAll => "
         u"<type>:<word>,<word>,....;<type>:<word>,<word>,...;<type>:<word>,...\n/Get,<type> => "
         u"<word>,<word>,....\n/SetAll, <type>:<word>,...;...\n/Set,<type>:<word>,<word>,...."},
        {u"KWSetMainTitle", 1, &KWNotBuiltCommand, 0, u"KWSetMainTitle"},
        {u"KWStatusBar", 1, &KWNotBuiltCommand, 0, u"KWStatusBar"},
        {u"KWExit", 1, &KWExitCommand, 0, u"KWExit\nKWExit /Silent"},
        {u"KWToolBar", 1, &KWNotBuiltCommand, 0, u"KWToolBar"},
        {u"KWToolBarImage", 1, &KWNotBuiltCommand, 0, u"KWToolBarImage"},
        {u"KWStartupIni", 1, &KWStartupIniCommand, 0, u"/GetAll\n/Get,<key name>\n/InitLang"},
        {u"KWMainPost", 0, &KWMainPostCommand, 0,
         u"KWMainPost {/PreCloseProject | /PauseCloseProject | /CloseProject | /PreCloseApp | /CloseApp | "
         u"/PostCloseApp} [,<project name>]"},
        {u"KWCWin", 2, &KWDoNothingCommand, 0, u"KWCWin"},
        {u"KWRunApp", 1, &KWNotBuiltCommand, 0, u"KWRunApp <application name>, <parameter>"},
        {u"KWPlugin", 1, &KWNotBuiltCommand, 0,
         u"KWPlugin /add, <title>, <file path name>\nKWPlugin /delete, <num>\nKWPlugin /enable, "
         u"<num>\nKWPlugin /disable, <num>\nKWPlugin /getlist => <num>\\t[on]\\t<title>\\t<file path "
         u"name>\\n<num>\\t[on]\\t<title>\\t<file path name>\\n...\nKWPlugin /run, <file path name>, "
         u"<command>, <parameter>"},
        {u"KWExtTool", 1, &KWNotBuiltCommand, 0,
         u"KWExtTool /add, {on | off}, <file path name>\nKWExtTool /set, <num>, {on | off}, <title>, "
         u"<option>, <file path name>\nKWExtTool /delete, <num>\nKWExtTool /enable, <num>\nKWExtTool "
         u"/disable, <num>\nKWExtTool /run, <num>\nKWExtTool /getlist => <num>\\t{on | "
         u"off}\\t<title>\\t<option>\\t<file path name>\\n<num>\\t{on | off}\\t<title>\\t<option>\\t<file "
         u"path name>..."},
        {u"KWMainDlg", 1, &KWMainDlgCommand, 0, u"KWMainDlg /Plugin\n/ExtTool\n/VersionWin"},
        {u"KWHelp", 1, &KWHelpCommand, 0,
         u"KWHelp /WinType=<win type>\n/WinType => <win type>\n/Topic=<*.chm>[::/<*.htm>] [,/WinType=<win "
         u"type>]\n/Sync=<*.chm>::/<*.htm> [,/WinType=<win type>]\n/Lookup=<*.chm>, <keyword> "
         u"[,/WinType=<win type>]"},
        {u"KWOpenPDF", 1, &KWOpenPDFCommand, 0, u"KWOpenPDF <file name>\nKWOpenPDF @@@@INST"},
        {u"LinkHomepage", 1, &LinkHomepageCommand, 0,
         u"LinkHomepage /LinkHomepage\n/LinkDownload\n/SupportHomepage"},
        {u"KWINet", 1, &KWNotBuiltCommand, 0, u"/GetText, <url>\n/GetFile, <url>[, <save file name>]"},
        {u"KWDipFile", 1, &KWNotBuiltCommand, 0, u"KWDipFile"},
        {u"KWWebFile", 1, &KWNotBuiltCommand, 0,
         u"/CheckFile, <filename>\n/CheckAndLoadFile, <filename>\n/GetFileInfo, <filename>"},
        {u"KWWebNews", 1, &KWNotBuiltCommand, 0,
         u"/UpdateCheck\n/UpdateCheck2\n/ShowDialog\n/UseKW\n/Msg,<title>,<msg>"},
        {u"KWSupportLog", 1, &KWNotBuiltCommand, 0,
         u"KWSupportLog\nKWSupportLog /Log\nKWSupportLog /Start\nKWSupportLog /Stop\nKWSupportLog "
         u"/PatchList\n"},
        {u"KWStdFileExt", 1, &KWNotBuiltCommand, 0,
         u"KWStdFileExt /Get, /Type={C | CPP | Include | Library} => <ext>,<ext>,...\nKWStdFileExt /Set, "
         u"/Type={C | CPP | Include | Library}, <ext>,<ext>,...\nKWStdFileExt => C:<ext>,<ext>,..."},
        {u"KWDbgWin", 1, &KWNotBuiltCommand, 0, u"KWDbgWin"},
        {u"KWSampleFile", 1, &KWNotBuiltCommand, 0,
         u"/GetList,[<type>],[<series>],[<subtype>],[<body>]\n/"
         u"Create,[<type>],[<series>],[<subtype>],[<body>],\"<path>\"\n/Dir\n/InstallDir"},
        {u"KWGetVersion", 1, &KWGetVersionCommand, 0, u"KWGetVersion"},
        {u"KWGuid", 1, &KWGuidCommand, 0, u"KWGuid [/Gen] => <GUID>"},
        {u"KWXRun", 1, &KWXRunCommand, 0, u"KWXRun end\nKWXRun exit[,<exit code>]\nKWXRun puts,<string>"},
        {u"KWStrDiff", 1, &KWNotBuiltCommand, 0, u"KWStrDiff"},
    };
    return commands;
}

const std::vector<KWHostNotification>& HostNotifications() {
    static const std::vector<KWHostNotification> notifications = {
        {u"KWNotifyOpenApp", u"KWNotifyOpenApp"},
        {u"KWNotifyInitApp", u"KWNotifyInitApp"},
        {u"KWNotifyPostInitApp", u"KWNotifyPostInitApp"},
        {u"KWNotifyOpenProject", u"KWNotifyOpenProject <project name>, <project id>, <project key id>"},
        {u"KWNotifyInitProject", u"KWNotifyInitProject <project name>, <project id>, <project key id>"},
        {u"KWNotifyPostInitProject",
         u"KWNotifyPostInitProject <project name>, <project id>, <project key id>"},
        {u"KWNotifyOpenProjectGroup", u"KWNotifyOpenProjectGroup <project group name>"},
        {u"KWNotifyPreChangeProject", u"KWNotifyPreChangeProject"},
        {u"KWNotifyChangeProject",
         u"KWNotifyChangeProject <new project name>, <new project id>, <new project key id>, <old project "
         u"name>, <old project id>, <old project key id>"},
        {u"KWNotifySaveProject", u"KWNotifySaveProject <project name>, <project id>, <project key id>"},
        {u"KWNotifySaveAsProject", u"KWNotifySaveAsProject <new project name>, <old project name>, <project "
                                   u"id>, <projectKeyId>, <path>"},
        {u"KWNotifyCloseQueryProject",
         u"KWNotifyCloseQueryProject <project name>, <project id>, <project key id>"},
        {u"KWNotifyPreCloseProject",
         u"KWNotifyPreCloseProject <project name>, <project id>, <project key id>"},
        {u"KWNotifyPauseCloseProject",
         u"KWNotifyPauseCloseProject <project name>, <project id>, <project key id>"},
        {u"KWNotifyCloseProject", u"KWNotifyCloseProject <project name>, <project id>, <project key id>"},
        {u"KWNotifyCloseAllProject", u"KWNotifyCloseAllProject"},
        {u"KWNotifyPreCloseApp", u"KWNotifyPreCloseApp"},
        {u"KWNotifyCloseApp", u"KWNotifyCloseApp"},
        {u"KWNotifyPostCloseApp", u"KWNotifyPostCloseApp"},
        {u"KWNotifyChangeProjectSrc", u"KWNotifyChangeProjectSrc {/Add, /Delete, /DeleteAll, /ChangeEncode, "
                                      u"/ChangeLineEnd},<project id> [, <file name>\\n<file name>\\n...]"},
        {u"KWNotifyAppFocus", u"KWNotifyAppFocus"},
        {u"KWNotifyChangePhase", u"KWNotifyChangePhase <phase name>"},
        {u"KWNotifyMainMenuFocus", u"KWNotifyMainMenuFocus"},
        {u"KWNotifyShortcutAdjusted", u"KWNotifyShortcutAdjusted"},
        {u"KWNotifyFontAdjusted", u"KWNotifyFontAdjusted"},
        {u"KWNotifySupportLog", u"KWNotifySupportLog {/Start | /Stop}, <dir>"},
        {u"KWNotifyCloseAllThread", u"KWNotifyCloseAllThread"},
    };
    return notifications;
}
