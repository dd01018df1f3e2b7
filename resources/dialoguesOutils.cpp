// The dialog templates of the drawing tools (grid, label thinning and the other drawing tools).
#include <iterator>

#include "resources/resource.h"
#include "resources/resourceOutils.h"
#include "resources/ressourcesModule.h"
#include "ui/afxwin.h"
#include "ui/dlgtemplate.h"

namespace {

using K = AcUiControlKind;

const AcUiControlTemplate kCarroyage[] = {
    {IDC_STATIC, K::kStatic, L"Pas sur X du carroyage", 7, 9, 90, 8, 0},
    {IDC_CARROYAGE_PAS_X, K::kEdit, L"", 100, 7, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"Pas sur Y du carroyage", 7, 25, 90, 8, 0},
    {IDC_CARROYAGE_PAS_Y, K::kEdit, L"", 100, 23, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"Taille des croix", 7, 41, 90, 8, 0},
    {IDC_CARROYAGE_CROIX, K::kEdit, L"", 100, 39, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"Taille des textes ", 7, 57, 90, 8, 0},
    {IDC_CARROYAGE_TEXTES, K::kEdit, L"", 100, 55, 60, 12, 0},
    {IDC_CARROYAGE_INTERNES, K::kCheckBox, L"Ecritures externes", 7, 73, 100, 10, 0},
    {IDC_STATIC, K::kStatic, L"Format", 7, 91, 90, 8, 0},
    {IDC_CARROYAGE_FORMAT, K::kComboDropList, L"", 100, 89, 60, 80, 0},
    {IDC_CARROYAGE_SELECTION, K::kButton, L"Sélectionner régions à carroyer", 7, 109, 153, 14, 0},
    {IDC_CARROYAGE_NOMBRE, K::kStatic, L"0 régions choisies", 7, 127, 153, 8, 0},
    {IDOK, K::kDefButton, L"OK", 50, 143, 50, 14, 0},
    {IDCANCEL, K::kButton, L"Cancel", 110, 143, 50, 14, 0},
};

const AcUiControlTemplate kAllegerDessin[] = {
    {IDC_STATIC, K::kStatic, L"Indiquez les criteres d'allègement du dessin.", 7, 7, 260, 8, 0},
    {IDC_STATIC, K::kGroupBox, L"Criteres", 7, 20, 260, 40, 0},
    {IDC_ALLEGER_DENSITE, K::kRadio, L"Densité de points / surface", 14, 31, 240, 10, kCtlGroup},
    {IDC_ALLEGER_SURFACE, K::kRadio, L"Surface occupée par les elements graphiques sur le dessin",
     14, 44, 240, 10, 0},
    {IDC_STATIC, K::kGroupBox, L"Parametres", 7, 64, 260, 48, 0},
    {IDC_STATIC, K::kStatic, L"Densité maximale", 14, 77, 80, 8, 0},
    {IDC_ALLEGER_DENSITE_MAX, K::kEdit, L"", 100, 75, 50, 12, 0},
    {IDC_STATIC, K::kStatic, L"%", 154, 77, 10, 8, 0},
    {IDC_STATIC, K::kStatic, L"Action préférée", 14, 95, 80, 8, 0},
    {IDC_ALLEGER_ACTION, K::kComboDropList, L"", 100, 93, 160, 80, 0},
    {IDC_STATIC, K::kGroupBox, L"Délestage", 7, 116, 260, 62, 0},
    {IDC_STATIC, K::kStatic,
     L"Les points en trop seront délestés vers un layer, et ce layer sera automatiquement gelé "
     L"et caché. Selectionnez le layer a utiliser, ou saisir un nom de layer à créer",
     14, 127, 246, 30, 0},
    {IDC_ALLEGER_LAYER, K::kComboDropDown, L"", 14, 160, 160, 80, 0},
    {IDOK, K::kDefButton, L"OK", 156, 184, 50, 14, 0},
    {IDCANCEL, K::kButton, L"Cancel", 217, 184, 50, 14, 0},
};

const AcUiDialogTemplate kDialogues[] = {
    {IDD_CARROYAGE, L"Dessin de carroyage", 167, 164, L"MS Shell Dlg", 8, kCarroyage,
     std::size(kCarroyage)},
    {IDD_ALLEGER_DESSIN, L"Alléger le dessin", 274, 205, L"MS Shell Dlg", 8, kAllegerDessin,
     std::size(kAllegerDessin)},
};

}  // namespace

void enregistrerDialoguesOutils() {
  AfxRegisterDialogTemplates(instanceModule(), kDialogues, std::size(kDialogues));
}
