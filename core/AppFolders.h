// The application's folders and the user's identity, written at start-up.
#pragma once

// Writes "InstallPath", "UserDir" (with its "project" sub-folder made), "AppDataDir", "MyAppDataDir",
// "AppName" and "CompanyName" into \DB_APP. Folder values end in "/".
void WriteApplicationFolders();
// Makes sure the registry holds "UserName" and "UPID" under the product's "Conf" key.
void EstablishUserIdentity();
