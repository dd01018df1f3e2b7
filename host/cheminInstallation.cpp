#include "host/cheminInstallation.h"

#include <cwchar>

#include "os/winreg.h"

namespace {

constexpr int kTailleChemin = 2048;

wchar_t g_dossier[kTailleChemin] = L"";  // at most 2047 characters of the registry's value
bool g_lu = false;                       // the registry has been asked, whatever it answered
wchar_t g_resultat[kTailleChemin] = L"";

void lireRegistre() {
  g_lu = true;
  HKEY cle = nullptr;
  if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, L"Software\\Cartovia\\Arpenta5", 0, KEY_READ, &cle) !=
      ERROR_SUCCESS) {
    return;
  }
  wchar_t valeur[kTailleChemin] = L"";
  DWORD type = REG_NONE;
  DWORD taille = sizeof valeur;
  if (RegQueryValueEx(cle, L"chemin", nullptr, &type, reinterpret_cast<LPBYTE>(valeur), &taille) ==
          ERROR_SUCCESS &&
      type == REG_SZ) {
    valeur[kTailleChemin - 1] = L'\0';
    std::wcsncpy(g_dossier, valeur, kTailleChemin - 1);
    g_dossier[kTailleChemin - 1] = L'\0';
  }
  RegCloseKey(cle);
}

}  // namespace

const wchar_t* cheminInstallation(const wchar_t* nom, const wchar_t* sousDossier) {
  if (!g_lu) lireRegistre();
  wchar_t dossier[kTailleChemin];
  std::wcscpy(dossier, g_dossier);
  size_t longueur = std::wcslen(dossier);
  while (longueur > 0 && dossier[longueur - 1] == L'\\') dossier[--longueur] = L'\0';
  if (nom == nullptr) nom = L"";
  if (sousDossier != nullptr && *sousDossier != L'\0') {
    std::swprintf(g_resultat, kTailleChemin, L"%ls\\%ls\\%ls", dossier, sousDossier, nom);
  } else {
    std::swprintf(g_resultat, kTailleChemin, L"%ls\\%ls", dossier, nom);
  }
  return g_resultat;
}

void oublierCheminInstallation() {
  g_lu = false;
  g_dossier[0] = L'\0';
}
