// The dialog templates of the traverses: closed and open traverses, bearing calculator, altitude
// transfer.
#include <iterator>

#include "resources/resourcePolygonales.h"
#include "resources/ressourcesModule.h"
#include "ui/afxwin.h"
#include "ui/dlgtemplate.h"

namespace {

using K = AcUiControlKind;

const AcUiControlTemplate kPolygoFermee[] = {
    {IDC_STATIC, K::kGroupBox, L"Station de départ", 7, 7, 226, 62, 0},
    {IDC_STATIC, K::kStatic, L"Nom", 14, 20, 30, 8, 0},
    {IDC_PF_NOM, K::kEdit, L"", 46, 18, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"Nord", 118, 20, 30, 8, 0},
    {IDC_PF_GISEMENT, K::kEdit, L"", 150, 18, 76, 12, 0},
    {IDC_STATIC, K::kStatic, L"X", 14, 38, 10, 8, 0},
    {IDC_PF_X, K::kEdit, L"", 26, 36, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"Y", 90, 38, 10, 8, 0},
    {IDC_PF_Y, K::kEdit, L"", 102, 36, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"Z", 166, 38, 10, 8, 0},
    {IDC_PF_Z, K::kEdit, L"", 178, 36, 48, 12, 0},
    {IDC_STATIC, K::kStatic, L"Angles", 14, 54, 30, 8, 0},
    {IDC_PF_UNITE, K::kComboDropList, L"", 46, 52, 70, 60, 0},
    {IDC_STATIC, K::kStatic, L"Nivellement", 122, 54, 40, 8, 0},
    {IDC_PF_NIVELLEMENT, K::kComboDropList, L"", 164, 52, 62, 60, 0},
    {IDC_STATIC, K::kStatic, L"Station", 7, 76, 50, 8, 0},
    {IDC_PF_STATION, K::kEdit, L"", 7, 86, 50, 12, 0},
    {IDC_STATIC, K::kStatic, L"Angle", 61, 76, 50, 8, 0},
    {IDC_PF_ANGLE, K::kEdit, L"", 61, 86, 50, 12, 0},
    {IDC_STATIC, K::kStatic, L"Distance", 115, 76, 50, 8, 0},
    {IDC_PF_DISTANCE, K::kEdit, L"", 115, 86, 50, 12, 0},
    {IDC_STATIC, K::kStatic, L"Altitude", 169, 76, 50, 8, 0},
    {IDC_PF_ALTITUDE, K::kEdit, L"", 169, 86, 50, 12, 0},
    {IDC_POLY_AJOUTER, K::kButton, L"Ajouter", 240, 85, 50, 14, 0},
    {IDC_PF_LISTE, K::kListView, L"", 7, 104, 226, 120, kCtlShowSelAlways | kCtlNoSortHeader},
    {IDC_POLY_ENLEVER, K::kButton, L"Enlever !", 240, 104, 50, 14, 0},
    {IDC_POLY_CALCULER, K::kButton, L"Calculer !", 240, 124, 50, 14, 0},
    {IDC_POLY_PLACER, K::kButton, L"Placer !!!", 240, 144, 50, 14, 0},
    {IDC_POLY_SAUVEGARDER, K::kButton, L"Sauvegarder", 240, 164, 50, 14, 0},
    {IDC_POLY_CHARGER, K::kButton, L"Charger", 240, 184, 50, 14, 0},
    {IDOK, K::kDefButton, L"Fermer", 240, 210, 50, 14, 0},
};

const AcUiControlTemplate kPolygoOuverte[] = {
    {IDC_STATIC, K::kGroupBox, L"Station de départ", 7, 7, 150, 80, 0},
    {IDC_STATIC, K::kStatic, L"Nom", 14, 20, 30, 8, 0},
    {IDC_PO_DEP_NOM, K::kEdit, L"", 60, 18, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"X", 14, 34, 30, 8, 0},
    {IDC_PO_DEP_X, K::kEdit, L"", 60, 32, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"Y", 14, 48, 30, 8, 0},
    {IDC_PO_DEP_Y, K::kEdit, L"", 60, 46, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"Z", 14, 62, 30, 8, 0},
    {IDC_PO_DEP_Z, K::kEdit, L"", 60, 60, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"Gisement", 14, 74, 40, 8, 0},
    {IDC_PO_DEP_GISEMENT, K::kEdit, L"", 60, 72, 60, 12, 0},
    {IDC_PO_CAL_DEPART, K::kButton, L"Cal", 124, 72, 26, 12, 0},
    {IDC_STATIC, K::kGroupBox, L"Station d'arrivée", 163, 7, 150, 80, 0},
    {IDC_STATIC, K::kStatic, L"Nom", 170, 20, 30, 8, 0},
    {IDC_PO_ARR_NOM, K::kEdit, L"", 216, 18, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"X", 170, 34, 30, 8, 0},
    {IDC_PO_ARR_X, K::kEdit, L"", 216, 32, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"Y", 170, 48, 30, 8, 0},
    {IDC_PO_ARR_Y, K::kEdit, L"", 216, 46, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"Z", 170, 62, 30, 8, 0},
    {IDC_PO_ARR_Z, K::kEdit, L"", 216, 60, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"Gisement", 170, 74, 40, 8, 0},
    {IDC_PO_ARR_GISEMENT, K::kEdit, L"", 216, 72, 60, 12, 0},
    {IDC_PO_CAL_ARRIVEE, K::kButton, L"Cal", 280, 72, 26, 12, 0},
    {IDC_STATIC, K::kStatic, L"Dernier Angle:", 7, 96, 50, 8, 0},
    {IDC_PO_DERNIER_ANGLE, K::kEdit, L"", 60, 94, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"Angles", 130, 96, 30, 8, 0},
    {IDC_PO_UNITE, K::kComboDropList, L"", 160, 94, 70, 60, 0},
    {IDC_STATIC, K::kStatic, L"Nivellement", 236, 96, 40, 8, 0},
    {IDC_PO_NIVELLEMENT, K::kComboDropList, L"", 276, 94, 70, 60, 0},
    {IDC_STATIC, K::kStatic, L"Station", 7, 112, 50, 8, 0},
    {IDC_PO_STATION, K::kEdit, L"", 7, 122, 50, 12, 0},
    {IDC_STATIC, K::kStatic, L"Angle", 61, 112, 50, 8, 0},
    {IDC_PO_ANGLE, K::kEdit, L"", 61, 122, 50, 12, 0},
    {IDC_STATIC, K::kStatic, L"Distance", 115, 112, 50, 8, 0},
    {IDC_PO_DISTANCE, K::kEdit, L"", 115, 122, 50, 12, 0},
    {IDC_STATIC, K::kStatic, L"Altitude", 169, 112, 50, 8, 0},
    {IDC_PO_ALTITUDE, K::kEdit, L"", 169, 122, 50, 12, 0},
    {IDC_POLY_AJOUTER, K::kButton, L"Ajouter", 240, 121, 50, 14, 0},
    {IDC_PO_LISTE, K::kListView, L"", 7, 140, 226, 110, kCtlShowSelAlways | kCtlNoSortHeader},
    {IDC_POLY_ENLEVER, K::kButton, L"Enlever !", 240, 140, 50, 14, 0},
    {IDC_POLY_CALCULER, K::kButton, L"Calculer !", 240, 158, 50, 14, 0},
    {IDC_POLY_PLACER, K::kButton, L"Placer !!!", 240, 176, 50, 14, 0},
    {IDC_POLY_SAUVEGARDER, K::kButton, L"Sauvegarder", 240, 194, 50, 14, 0},
    {IDC_POLY_CHARGER, K::kButton, L"Charger", 240, 212, 50, 14, 0},
    {IDOK, K::kDefButton, L"Fermer", 240, 236, 50, 14, 0},
};

const AcUiControlTemplate kMiseEnPlace[] = {
    {IDC_STATIC, K::kStatic, L"Code des stations", 7, 9, 70, 8, 0},
    {IDC_PMP_CODE, K::kEdit, L"", 80, 7, 50, 12, kCtlNumber},
    {IDC_PMP_ALTITUDES, K::kCheckBox, L"Ne pas placer les altitudes", 7, 25, 123, 14, kCtlPushLike},
    {IDC_PMP_ORIGINELLE, K::kCheckBox, L"Dessiner la polygonale originelle", 7, 45, 130, 10, 0},
    {IDC_PMP_COMPENSEE, K::kCheckBox, L"Dessiner la polygonale compensée", 7, 59, 130, 10, 0},
    {IDOK, K::kDefButton, L"OK", 20, 78, 50, 14, 0},
    {IDCANCEL, K::kButton, L"Annuler", 76, 78, 50, 14, 0},
};

const AcUiControlTemplate kCalcGisement[] = {
    {IDC_STATIC, K::kGroupBox, L"Station", 7, 7, 110, 62, 0},
    {IDC_STATIC, K::kStatic, L"Nom", 14, 20, 20, 8, 0},
    {IDC_CG_STA_NOM, K::kEdit, L"", 40, 18, 70, 12, 0},
    {IDC_STATIC, K::kStatic, L"X", 14, 36, 20, 8, 0},
    {IDC_CG_STA_X, K::kEdit, L"", 40, 34, 70, 12, 0},
    {IDC_STATIC, K::kStatic, L"Y", 14, 52, 20, 8, 0},
    {IDC_CG_STA_Y, K::kEdit, L"", 40, 50, 70, 12, 0},
    {IDC_CG_STA_PRELEVER, K::kButton, L"Prélever du dessin", 14, 72, 96, 12, kCtlHidden},
    {IDC_STATIC, K::kGroupBox, L"Direction", 124, 7, 110, 62, 0},
    {IDC_STATIC, K::kStatic, L"Nom", 131, 20, 20, 8, 0},
    {IDC_CG_DIR_NOM, K::kEdit, L"", 157, 18, 70, 12, 0},
    {IDC_STATIC, K::kStatic, L"X", 131, 36, 20, 8, 0},
    {IDC_CG_DIR_X, K::kEdit, L"", 157, 34, 70, 12, 0},
    {IDC_STATIC, K::kStatic, L"Y", 131, 52, 20, 8, 0},
    {IDC_CG_DIR_Y, K::kEdit, L"", 157, 50, 70, 12, 0},
    {IDC_CG_DIR_PRELEVER, K::kButton, L"Prélever du dessin", 131, 72, 96, 12, kCtlHidden},
    {IDC_STATIC, K::kStatic, L"Gisement calculé:", 7, 92, 62, 8, 0},
    {IDC_CG_GISEMENT, K::kEdit, L"", 72, 90, 70, 12, kCtlReadOnly},
    {IDC_CG_UNITE, K::kStatic, L"Grades", 146, 92, 40, 8, 0},
    {IDOK, K::kDefButton, L"OK", 124, 110, 50, 14, 0},
    {IDCANCEL, K::kButton, L"Cancel", 180, 110, 50, 14, 0},
};

const AcUiControlTemplate kRattachZ[] = {
    {IDC_STATIC, K::kStatic, L"Altitude précédente", 7, 9, 80, 8, 0},
    {IDC_RZ_PRECEDENTE, K::kEdit, L"", 90, 7, 60, 12, 0},
    {IDC_RZ_SELECT, K::kButton, L"Select", 156, 6, 40, 14, 0},
    {IDC_RZ_MODE_NOUVELLE, K::kRadio, L"Nouvelle altitude", 7, 27, 80, 10, kCtlGroup},
    {IDC_RZ_NOUVELLE, K::kEdit, L"", 90, 25, 60, 12, 0},
    {IDC_RZ_MODE_DIFFERENCE, K::kRadio, L"Différence d'altitudes", 7, 43, 80, 10, 0},
    {IDC_RZ_DIFFERENCE, K::kEdit, L"", 90, 41, 60, 12, 0},
    {IDC_STATIC, K::kGroupBox, L"Points à modifier", 7, 60, 189, 38, 0},
    {IDC_RZ_TOUS, K::kRadio, L"Tous les points", 14, 72, 120, 10, kCtlGroup},
    {IDC_RZ_SELECTION, K::kRadio, L"Sélection de points seulement", 14, 84, 150, 10, 0},
    {IDOK, K::kDefButton, L"OK", 90, 106, 50, 14, 0},
    {IDCANCEL, K::kButton, L"Cancel", 146, 106, 50, 14, 0},
};

const AcUiDialogTemplate kDialogues[] = {
    {IDD_CORR_POLYGO_FERMEE, L"Correction de polygonale fermée", 297, 231, L"MS Shell Dlg", 8,
     kPolygoFermee, std::size(kPolygoFermee)},
    {IDD_CORR_POLYGO_OUVERTE, L"Correction Polygonale ouverte", 353, 257, L"MS Shell Dlg", 8,
     kPolygoOuverte, std::size(kPolygoOuverte)},
    {IDD_PARAM_MISE_PLACE, L"Params mise en place", 146, 99, L"MS Shell Dlg", 8, kMiseEnPlace,
     std::size(kMiseEnPlace)},
    {IDD_CALC_GISEMENT, L"Calcul de gisement", 241, 131, L"MS Shell Dlg", 8, kCalcGisement,
     std::size(kCalcGisement)},
    {IDD_RATTACH_Z, L"Rattachement des Altitudes", 203, 127, L"MS Shell Dlg", 8, kRattachZ,
     std::size(kRattachZ)},
};

}  // namespace

void enregistrerDialoguesPolygonales() {
  AfxRegisterDialogTemplates(instanceModule(), kDialogues, std::size(kDialogues));
}
