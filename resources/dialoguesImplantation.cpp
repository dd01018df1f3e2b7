// The dialog templates of the stake-out: the stake-out dialog, its numbering and interpolation
// parameters and its graphics parameters.
#include <iterator>

#include "resources/resourceImplantation.h"
#include "resources/ressourcesModule.h"
#include "ui/afxwin.h"
#include "ui/dlgtemplate.h"

namespace {

using K = AcUiControlKind;

const AcUiControlTemplate kImplantation[] = {
    {IDC_STATIC, K::kGroupBox, L"Points a implanter", 4, 4, 452, 210, 0},
    {IDC_IMPL_LISTE, K::kListView, L"", 10, 16, 440, 170, kCtlShowSelAlways},
    {IDC_IMPL_NUMEROTATION, K::kButton, L"&Numérotation", 10, 192, 60, 14, 0},
    {IDC_IMPL_AJOUTER, K::kButton, L"&Ajouter", 76, 192, 50, 14, 0},
    {IDC_IMPL_ENLEVER, K::kButton, L"&Enlever", 132, 192, 50, 14, 0},
    {IDC_IMPL_LOCALISER, K::kButton, L"&Localiser", 188, 192, 50, 14, 0},
    {IDC_IMPL_MISE_EN_STATION, K::kButton, L"&Mise en station", 244, 192, 66, 14, 0},
    {IDC_IMPL_OBSTACLES, K::kButton, L"&Gérer obstacles", 316, 192, 66, 14, 0},
    {IDC_STATIC, K::kGroupBox, L"Visibilité", 4, 218, 220, 34, 0},
    {IDC_IMPL_VERIFIER, K::kCheckBox, L"&Vérifier visibilité", 10, 232, 80, 10, 0},
    {IDC_STATIC, K::kStatic, L"H.Min", 96, 233, 24, 8, 0},
    {IDC_IMPL_HMIN, K::kEdit, L"", 122, 231, 36, 12, 0},
    {IDC_STATIC, K::kStatic, L"H.Stat", 162, 233, 24, 8, 0},
    {IDC_IMPL_HSTAT, K::kEdit, L"", 186, 231, 32, 12, 0},
    {IDC_STATIC, K::kGroupBox, L"Résultats", 230, 218, 226, 34, 0},
    {IDC_IMPL_DESSINER, K::kCheckBox, L"&Dessiner", 236, 232, 50, 10, 0},
    {IDC_IMPL_EXPORTER, K::kCheckBox, L"E&xporter", 290, 232, 50, 10, 0},
    {IDC_IMPL_SCHEMATISER, K::kCheckBox, L"&Schématiser", 344, 232, 60, 10, 0},
    {IDC_IMPL_APERCU, K::kButton, L"Aperçu", 4, 258, 60, 14, 0},
    {IDC_IMPL_CONFIG, K::kButton, L"Config Graphiques", 70, 258, 70, 14, 0},
    {IDOK, K::kDefButton, L"Générer résultats", 320, 258, 70, 14, 0},
    {IDCANCEL, K::kButton, L"Annuler", 396, 258, 60, 14, 0},
};

const AcUiControlTemplate kParamsImplantation[] = {
    {IDC_PARIMPL_CODE_LIBELLE, K::kStatic, L"Code des stations", 7, 9, 60, 8, 0},
    {IDC_PARIMPL_CODE, K::kComboDropList, L"", 70, 7, 110, 100, 0},
    {IDC_STATIC, K::kStatic, L"Num départ", 7, 27, 60, 8, 0},
    {IDC_PARIMPL_DEPART, K::kEdit, L"", 70, 25, 50, 12, 0},
    {IDC_STATIC, K::kStatic, L"Préfixe", 7, 43, 60, 8, 0},
    {IDC_PARIMPL_PREFIXE, K::kEdit, L"", 70, 41, 50, 12, 0},
    {IDC_STATIC, K::kStatic, L"Suffixe", 7, 59, 60, 8, 0},
    {IDC_PARIMPL_SUFFIXE, K::kEdit, L"", 70, 57, 50, 12, 0},
    {IDC_PARIMPL_INCREMENT, K::kCheckBox, L"Incrémenation Automatique du préfixe", 7, 75, 170, 10,
     0},
    {IDC_STATIC, K::kGroupBox, L"Clothoides", 7, 90, 173, 50, 0},
    {IDC_PARIMPL_CLO_PAS, K::kRadio, L"Interpolation par pas", 13, 102, 110, 10, kCtlGroup},
    {IDC_PARIMPL_CLO_ERREUR, K::kRadio, L"Implantation suivt erreur max", 13, 113, 110, 10, 0},
    {IDC_STATIC, K::kStatic, L"Dist / Err max", 13, 126, 50, 8, 0},
    {IDC_PARIMPL_CLO_VALEUR, K::kEdit, L"", 70, 124, 50, 12, 0},
    {IDC_STATIC, K::kGroupBox, L"Arcs", 7, 144, 173, 50, 0},
    {IDC_PARIMPL_ARC_PAS, K::kRadio, L"Interpolation par pas", 13, 156, 110, 10, kCtlGroup},
    {IDC_PARIMPL_ARC_ERREUR, K::kRadio, L"Implantation suivt erreur max", 13, 167, 110, 10, 0},
    {IDC_STATIC, K::kStatic, L"Dist / Err max", 13, 180, 50, 8, 0},
    {IDC_PARIMPL_ARC_VALEUR, K::kEdit, L"", 70, 178, 50, 12, 0},
    {IDC_PARIMPL_DROITES, K::kCheckBox, L"Interpoler sur alignements droits", 7, 200, 130, 10, 0},
    {IDC_STATIC, K::kStatic, L"Distance", 13, 214, 50, 8, 0},
    {IDC_PARIMPL_DISTANCE, K::kEdit, L"", 70, 212, 50, 12, 0},
    {IDOK, K::kDefButton, L"Continuer", 40, 232, 60, 14, 0},
    {IDCANCEL, K::kButton, L"Annuler", 106, 232, 60, 14, 0},
};

const AcUiControlTemplate kParamsDessinImplantation[] = {
    {IDC_STATIC, K::kGroupBox, L"&Représentation graphique", 7, 7, 170, 100, 0},
    {IDC_STATIC, K::kStatic, L"Taille textes", 13, 21, 80, 8, 0},
    {IDC_PARDESS_TEXTES, K::kEdit, L"", 110, 19, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"Taille croix . points", 13, 37, 80, 8, 0},
    {IDC_PARDESS_CROIX_POINTS, K::kEdit, L"", 110, 35, 60, 12, 0},
    {IDC_PARDESS_NUMEROS, K::kCheckBox, L"Placer Numéros points", 13, 53, 150, 10, 0},
    {IDC_PARDESS_IMPLANTATIONS, K::kCheckBox, L"Implantations des points", 13, 67, 150, 10, 0},
    {IDC_PARDESS_TEXTES_ANGLES, K::kCheckBox, L"Textes angles et distances", 13, 81, 150, 10, 0},
    {IDC_STATIC, K::kGroupBox, L"Représentation des mises en station", 183, 7, 170, 100, 0},
    {IDC_PARDESS_STATIONS, K::kCheckBox, L"Mises en station", 189, 21, 150, 10, 0},
    {IDC_STATIC, K::kStatic, L"Largeur &Fleche", 189, 37, 80, 8, 0},
    {IDC_PARDESS_LARGEUR_FLECHE, K::kEdit, L"", 286, 35, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"Longueur de la f&leche", 189, 53, 80, 8, 0},
    {IDC_PARDESS_LONGUEUR_FLECHE, K::kEdit, L"", 286, 51, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"Taille croix. Stations", 189, 69, 80, 8, 0},
    {IDC_PARDESS_CROIX_STATIONS, K::kEdit, L"", 286, 67, 60, 12, 0},
    {IDC_STATIC, K::kGroupBox, L"Couleurs", 7, 111, 170, 92, 0},
    {IDC_STATIC, K::kStatic, L"Point non vérifié", 13, 125, 80, 8, 0},
    {IDC_PARDESS_NON_VERIFIE, K::kColorCombo, L"", 100, 123, 70, 100, 0},
    {IDC_STATIC, K::kStatic, L"Point non visible", 13, 140, 80, 8, 0},
    {IDC_PARDESS_NON_VISIBLE, K::kColorCombo, L"", 100, 138, 70, 100, 0},
    {IDC_STATIC, K::kStatic, L"Point visible", 13, 155, 80, 8, 0},
    {IDC_PARDESS_VISIBLE, K::kColorCombo, L"", 100, 153, 70, 100, 0},
    {IDC_STATIC, K::kStatic, L"Mise en station - Obs", 13, 170, 80, 8, 0},
    {IDC_PARDESS_STATION_OBS, K::kColorCombo, L"", 100, 168, 70, 100, 0},
    {IDC_STATIC, K::kStatic, L"Mise en station - Ref", 13, 185, 80, 8, 0},
    {IDC_PARDESS_STATION_REF, K::kColorCombo, L"", 100, 183, 70, 100, 0},
    {IDC_STATIC, K::kGroupBox, L"Mise en groupe des résulats", 183, 111, 170, 92, 0},
    {IDC_PARDESS_NE_PAS_GROUPER, K::kRadio, L"Ne pas grouper", 189, 125, 150, 10, kCtlGroup},
    {IDC_PARDESS_GROUPER_STATION, K::kRadio, L"Grouper par mise en station", 189, 140, 150, 10, 0},
    {IDC_PARDESS_TOUT_GROUPER, K::kRadio, L"Tout grouper", 189, 155, 150, 10, 0},
    {IDOK, K::kDefButton, L"OK", 243, 209, 50, 14, 0},
    {IDCANCEL, K::kButton, L"Cancel", 303, 209, 50, 14, 0},
};

const AcUiDialogTemplate kDialogues[] = {
    {IDD_IMPLANTATION, L"Implantation", 460, 276, L"MS Shell Dlg", 8, kImplantation,
     std::size(kImplantation)},
    {IDD_PARAMS_IMPLANTATION, L"Paramètres d'implantation", 187, 252, L"MS Shell Dlg", 8,
     kParamsImplantation, std::size(kParamsImplantation)},
    {IDD_PARAMS_DESSIN_IMPLANTATION, L"Parametres graphiques pour les implémentation", 360, 230,
     L"MS Shell Dlg", 8, kParamsDessinImplantation, std::size(kParamsDessinImplantation)},
};

}  // namespace

void enregistrerDialoguesImplantation() {
  AfxRegisterDialogTemplates(instanceModule(), kDialogues, std::size(kDialogues));
}
