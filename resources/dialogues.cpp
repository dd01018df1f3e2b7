// The module's dialog templates.
#include <iterator>

#include "resources/resource.h"
#include "resources/ressourcesModule.h"
#include "rx/acdocman.h"
#include "ui/dlgtemplate.h"
#include "ui/afxwin.h"

namespace {

using K = AcUiControlKind;

const AcUiControlTemplate kProgression[] = {
    {IDC_PROGRESSION_BARRE, K::kProgress, L"", 7, 7, 172, 14, 0},
    {IDC_PROGRESSION_POURCENT, K::kStatic, L" 0 %", 7, 26, 172, 10, 0},
    {IDCANCEL, K::kButton, L"Cancel", 68, 42, 50, 14, 0},
};

const AcUiControlTemplate kNumerotation[] = {
    {IDC_STATIC, K::kStatic, L"Préfixe", 7, 9, 60, 8, 0},
    {IDC_NUM_PREFIXE, K::kEdit, L"", 72, 7, 67, 12, 0},
    {IDC_STATIC, K::kStatic, L"Numéro de départ", 7, 27, 60, 8, 0},
    {IDC_NUM_DEPART, K::kEdit, L"", 72, 25, 67, 12, 0},
    {IDC_STATIC, K::kStatic, L"Suffixe", 7, 45, 60, 8, 0},
    {IDC_NUM_SUFFIXE, K::kEdit, L"", 72, 43, 67, 12, 0},
    {IDC_NUM_EXEMPLE, K::kStatic, L"Exemple:", 7, 65, 132, 10, 0},
    {IDOK, K::kDefButton, L"OK", 22, 93, 50, 14, 0},
    {IDCANCEL, K::kButton, L"Annuler", 78, 93, 50, 14, 0},
};

const AcUiControlTemplate kResultats[] = {
    {IDC_RESULTATS_NAVIGATEUR, K::kWebBrowser, L"", 7, 7, 473, 266, 0},
    {IDC_RESULTATS_SAUVEGARDER, K::kButton, L"Sauvegarder", 7, 281, 60, 14, 0},
    {IDOK, K::kDefButton, L"Fermer", 420, 281, 60, 14, 0},
};

const AcUiDialogTemplate kDialogues[] = {
    {IDD_PROGRESSION, L"", 186, 63, L"MS Shell Dlg", 8, kProgression, std::size(kProgression)},
    {IDD_NUMEROTATION, L"Numérotation", 146, 114, L"MS Shell Dlg", 8, kNumerotation,
     std::size(kNumerotation)},
    {IDD_RESULTATS, L"Résultats des calculs", 487, 302, L"MS Shell Dlg", 8, kResultats,
     std::size(kResultats)},
};

}  // namespace

HINSTANCE instanceModule() {
  static int ancre;
  return reinterpret_cast<HINSTANCE>(&ancre);
}

void enregistrerRessources() {
  AfxRegisterDialogTemplates(instanceModule(), kDialogues, std::size(kDialogues));
}

void retirerRessources() { AfxUnregisterResources(instanceModule()); }

ressourcesCourantes::ressourcesCourantes() { acDocManager->pushResourceHandle(instanceModule()); }

ressourcesCourantes::~ressourcesCourantes() { acDocManager->popResourceHandle(); }
