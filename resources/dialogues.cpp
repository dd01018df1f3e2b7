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

const AcUiControlTemplate kCodification[] = {
    {IDC_STATIC, K::kStatic, L"Code", 7, 9, 50, 8, 0},
    {IDC_CODIF_CODE, K::kEdit, L"", 62, 7, 50, 12, 0},
    {IDC_STATIC, K::kStatic, L"Libellé", 7, 25, 50, 8, 0},
    {IDC_CODIF_LIBELLE, K::kEdit, L"", 62, 23, 130, 12, 0},
    {IDC_STATIC, K::kStatic, L"Layer Block", 7, 41, 50, 8, 0},
    {IDC_CODIF_LAYER_BLOCK, K::kEdit, L"", 62, 39, 130, 12, 0},
    {IDC_STATIC, K::kStatic, L"Layer Altitudes", 7, 57, 50, 8, 0},
    {IDC_CODIF_LAYER_ALTITUDES, K::kEdit, L"", 62, 55, 130, 12, 0},
    {IDC_STATIC, K::kStatic, L"Layer Numéros", 7, 73, 50, 8, 0},
    {IDC_CODIF_LAYER_NUMERO, K::kEdit, L"", 62, 71, 130, 12, 0},
    {IDC_STATIC, K::kStatic, L"Layer Obs", 7, 89, 50, 8, 0},
    {IDC_CODIF_LAYER_OBS, K::kEdit, L"", 62, 87, 130, 12, 0},
    {IDC_STATIC, K::kStatic, L"Layer Code", 7, 105, 50, 8, 0},
    {IDC_CODIF_LAYER_CODE, K::kEdit, L"", 62, 103, 130, 12, 0},
    {IDC_STATIC, K::kStatic, L"Taille", 7, 121, 50, 8, 0},
    {IDC_CODIF_TAILLE, K::kEdit, L"", 62, 119, 50, 12, 0},
    {IDC_STATIC, K::kStatic, L"Precision Altis", 7, 137, 50, 8, 0},
    {IDC_CODIF_PRECISION, K::kEdit, L"", 62, 135, 40, 12, kCtlNumber},
    {IDC_CODIF_PRECISION_SPIN, K::kSpin, L"", 102, 135, 10, 12, kCtlSetBuddyInt},
    {IDC_CODIF_APERCU, K::kPicture, L"", 200, 7, 100, 100, kCtlNotify},
    {IDC_CODIF_SYMBOLE, K::kButton, L"Symbole", 225, 112, 50, 14, 0},
    {IDC_CODIF_CHEMIN, K::kStatic, L"", 7, 155, 293, 8, 0},
    {IDOK, K::kDefButton, L"OK", 194, 170, 50, 14, 0},
    {IDCANCEL, K::kButton, L"Annuler", 250, 170, 50, 14, 0},
};

const AcUiControlTemplate kTableCodification[] = {
    {IDC_TABCODIF_LISTE, K::kListView, L"", 7, 7, 340, 180, kCtlShowSelAlways},
    {IDC_TABCODIF_NOUVEAU, K::kButton, L"Nouveau", 7, 193, 50, 14, 0},
    {IDC_TABCODIF_SUPPRIMER, K::kButton, L"Supprimer", 63, 193, 50, 14, 0},
    {IDOK, K::kDefButton, L"Fermer", 297, 193, 50, 14, 0},
};

const AcUiControlTemplate kPointsDessin[] = {
    {IDC_STATIC, K::kStatic, L"Code", 7, 9, 25, 8, 0},
    {IDC_PTS_CODE, K::kComboDropList, L"", 35, 7, 200, 120, 0},
    {IDC_PTS_LISTE, K::kListView, L"", 7, 25, 332, 180, 0},
    {IDC_PTS_EXPORTER, K::kButton, L"E&xporter", 7, 214, 50, 14, 0},
    {IDC_PTS_TABLEXYZ, K::kButton, L"&Table XYZ", 61, 214, 50, 14, 0},
    {IDC_PTS_PLACER, K::kButton, L"Placer", 115, 214, 50, 14, 0},
    {IDC_PTS_IMPORTER, K::kButton, L"&Importer", 169, 214, 50, 14, 0},
    {IDC_PTS_RAFRAICHIR, K::kButton, L"&Raffraichir", 223, 214, 55, 14, 0},
    {IDOK, K::kDefButton, L"&Fermer", 289, 214, 50, 14, 0},
};

const AcUiDialogTemplate kDialogues[] = {
    {IDD_POINTS_DESSIN, L"Points du dessin", 346, 237, L"MS Shell Dlg", 8, kPointsDessin,
     std::size(kPointsDessin)},
    {IDD_PROGRESSION, L"", 186, 63, L"MS Shell Dlg", 8, kProgression, std::size(kProgression)},
    {IDD_NUMEROTATION, L"Numérotation", 146, 114, L"MS Shell Dlg", 8, kNumerotation,
     std::size(kNumerotation)},
    {IDD_RESULTATS, L"Résultats des calculs", 487, 302, L"MS Shell Dlg", 8, kResultats,
     std::size(kResultats)},
    {IDD_CODIFICATION, L"Codification", 307, 191, L"MS Shell Dlg", 8, kCodification,
     std::size(kCodification)},
    {IDD_TABLE_CODIFICATION, L"Table codification", 354, 214, L"MS Shell Dlg", 8,
     kTableCodification, std::size(kTableCodification)},
};

}  // namespace

HINSTANCE instanceModule() {
  static int ancre;
  return reinterpret_cast<HINSTANCE>(&ancre);
}

void enregistrerRessources() {
  AfxRegisterDialogTemplates(instanceModule(), kDialogues, std::size(kDialogues));
  enregistrerDialoguesEchange();
  enregistrerDialoguesPolygonales();
  enregistrerDialoguesMoindresCarres();
  enregistrerDialoguesImplantation();
  enregistrerDialoguesOutils();
}

void retirerRessources() { AfxUnregisterResources(instanceModule()); }

ressourcesCourantes::ressourcesCourantes() { acDocManager->pushResourceHandle(instanceModule()); }

ressourcesCourantes::~ressourcesCourantes() { acDocManager->popResourceHandle(); }
