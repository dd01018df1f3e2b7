// Full paths of the module's support files, relative to the installation folder the installer
// recorded in the registry ("chemin" under HKEY_LOCAL_MACHINE\Software\Cartovia\Arpenta5).
#pragma once

// Support files of the installation folder.
#define FICHIER_BLOC_POINT L"biblio\\jaloblk1.dwg"
#define FICHIER_BLOC_STATION L"biblio\\jaloblk3.dwg"
#define FICHIER_CODIFICATION L"defcodif"

// "folder\name", or "folder\subFolder\name". The registry is read at the first call only; the
// result is one shared buffer that the next call overwrites (copy it before calling again). With
// no folder recorded the path is "\name".
const wchar_t* cheminInstallation(const wchar_t* nom, const wchar_t* sousDossier = nullptr);

// Forgets the folder read, as when the module is loaded again (for tests).
void oublierCheminInstallation();
