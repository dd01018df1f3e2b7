// The dialog templates of the least-squares network: its dialog, weight formulas, variables,
// weights table.
#include <iterator>

#include "resources/resource.h"
#include "resources/resourceMoindresCarres.h"
#include "resources/ressourcesModule.h"
#include "ui/afxwin.h"
#include "ui/dlgtemplate.h"

namespace {

using K = AcUiControlKind;

const AcUiControlTemplate kMoindresCarres[] = {
    {IDC_MC_AFFICHAGE, K::kEdit, L"", 7, 7, 381, 100, kCtlReadOnly | kCtlMultiline},
    {IDC_MC_JOURNAL, K::kRichEdit, L"", 7, 112, 381, 160, kCtlReadOnly | kCtlMultiline},
    {IDC_MC_DONNEES, K::kButton, L"Données", 7, 280, 40, 14, 0},
    {IDC_MC_POIDS, K::kButton, L"Poids", 50, 280, 36, 14, 0},
    {IDC_MC_PLACER_CANEVAS, K::kButton, L"Placer Canevas", 89, 280, 52, 14, 0},
    {IDC_MC_PLACER, K::kButton, L"Placer !!!", 144, 280, 40, 14, 0},
    {IDC_MC_SOLUTION, K::kButton, L"Solution", 187, 280, 38, 14, 0},
    {IDC_MC_ITERER, K::kButton, L"Itérer", 228, 280, 32, 14, kCtlDisabled},
    {IDC_MC_ALTITUDES, K::kButton, L"Altitudes", 263, 280, 38, 14, 0},
    {IDC_MC_EFFACER, K::kButton, L"&Clear", 304, 280, 32, 14, 0},
    {IDOK, K::kDefButton, L"Fermer", 348, 280, 40, 14, 0},
};

const AcUiControlTemplate kPoidsObservations[] = {
    {IDC_POIDS_LISTE, K::kListView, L"", 7, 7, 330, 180, kCtlShowSelAlways},
    {IDC_STATIC, K::kStatic, L"Poids (vider pour calcul selon formules)", 7, 195, 140, 8, 0},
    {IDC_POIDS_VALEUR, K::kEdit, L"", 150, 193, 60, 12, 0},
    {IDC_POIDS_FIXER, K::kButton, L"Fi&xer", 215, 192, 40, 14, 0},
    {IDC_POIDS_FORMULES, K::kButton, L"&Formules", 7, 212, 50, 14, 0},
    {IDOK, K::kDefButton, L"Fermer", 287, 212, 50, 14, 0},
};

const AcUiControlTemplate kFormulesPoids[] = {
    {IDC_STATIC, K::kStatic, L"Angles", 7, 9, 40, 8, 0},
    {IDC_FORMULE_ANGLES, K::kEdit, L"", 50, 7, 220, 12, 0},
    {IDC_FORMULE_VERIFIER_ANGLES, K::kButton, L"Vérifer", 275, 6, 40, 14, 0},
    {IDC_STATIC, K::kStatic, L"Gisements", 7, 27, 40, 8, 0},
    {IDC_FORMULE_GISEMENTS, K::kEdit, L"", 50, 25, 220, 12, 0},
    {IDC_FORMULE_VERIFIER_GISEMENTS, K::kButton, L"Vérifer", 275, 24, 40, 14, 0},
    {IDC_STATIC, K::kStatic, L"Distances", 7, 45, 40, 8, 0},
    {IDC_FORMULE_DISTANCES, K::kEdit, L"", 50, 43, 220, 12, 0},
    {IDC_FORMULE_VERIFIER_DISTANCES, K::kButton, L"Vérifer", 275, 42, 40, 14, 0},
    {IDC_STATIC, K::kStatic, L"Constantes", 7, 62, 60, 8, 0},
    {IDC_FORMULE_CONSTANTES, K::kListView, L"", 7, 72, 250, 90, kCtlSingleSel | kCtlShowSelAlways},
    {IDC_FORMULE_AJOUTER, K::kButton, L"Ajouter", 262, 72, 53, 14, 0},
    {IDC_FORMULE_SUPPRIMER, K::kButton, L"Supprimer", 262, 90, 53, 14, 0},
    {IDC_FORMULE_MODIFIER, K::kButton, L"Modifier", 262, 108, 53, 14, 0},
    {IDC_FORMULE_IMPORTER, K::kButton, L"Importer", 262, 126, 53, 14, 0},
    {IDC_STATIC, K::kStatic, L"d1", 7, 170, 30, 8, 0},
    {IDC_FORMULE_D1, K::kEdit, L"", 40, 168, 45, 12, 0},
    {IDC_STATIC, K::kStatic, L"d2", 90, 170, 30, 8, 0},
    {IDC_FORMULE_D2, K::kEdit, L"", 123, 168, 45, 12, 0},
    {IDC_STATIC, K::kStatic, L"d3", 173, 170, 30, 8, 0},
    {IDC_FORMULE_D3, K::kEdit, L"", 206, 168, 45, 12, 0},
    {IDC_STATIC, K::kStatic, L"angle(gr)", 7, 186, 32, 8, 0},
    {IDC_FORMULE_ANGLE, K::kEdit, L"", 40, 184, 45, 12, 0},
    {IDC_FORMULE_CALCULER, K::kButton, L"Calculer", 262, 168, 53, 14, 0},
    {IDC_STATIC, K::kStatic, L"Poids Angle (1)", 7, 204, 55, 8, 0},
    {IDC_FORMULE_POIDS_ANGLE1, K::kEdit, L"", 65, 202, 45, 12, kCtlReadOnly},
    {IDC_STATIC, K::kStatic, L"Poids Angle (2)", 115, 204, 55, 8, 0},
    {IDC_FORMULE_POIDS_ANGLE2, K::kEdit, L"", 173, 202, 45, 12, kCtlReadOnly},
    {IDC_STATIC, K::kStatic, L"Poids dist", 222, 204, 35, 8, 0},
    {IDC_FORMULE_POIDS_DIST, K::kEdit, L"", 260, 202, 55, 12, kCtlReadOnly},
    {IDC_FORMULE_MESSAGE, K::kStatic, L"", 7, 222, 308, 10, 0},
    {IDC_FORMULE_ENREGISTRER, K::kButton, L"Enregistrer", 7, 238, 50, 14, 0},
    {IDC_FORMULE_CHARGER, K::kButton, L"Charger", 62, 238, 50, 14, 0},
    {IDOK, K::kDefButton, L"Fermer", 265, 238, 50, 14, 0},
};

const AcUiControlTemplate kDefinirVariable[] = {
    {IDC_STATIC, K::kStatic, L"Nom:", 7, 9, 45, 8, 0},
    {IDC_VARIABLE_NOM, K::kEdit, L"", 55, 7, 120, 12, 0},
    {IDC_STATIC, K::kStatic, L"Valeur:", 7, 27, 45, 8, 0},
    {IDC_VARIABLE_VALEUR, K::kEdit, L"", 55, 25, 120, 12, 0},
    {IDC_STATIC, K::kStatic, L"Commentaire:", 7, 45, 45, 8, 0},
    {IDC_VARIABLE_COMMENTAIRE, K::kEdit, L"", 55, 43, 120, 12, 0},
    {IDOK, K::kDefButton, L"OK", 70, 63, 50, 14, 0},
    {IDCANCEL, K::kButton, L"Cancel", 125, 63, 50, 14, 0},
};

const AcUiDialogTemplate kDialogues[] = {
    {IDD_MOINDRES_CARRES, L"Moindres carrés", 395, 301, L"MS Shell Dlg", 8, kMoindresCarres,
     std::size(kMoindresCarres)},
    {IDD_POIDS_OBSERVATIONS, L"Poids des observations", 344, 233, L"MS Shell Dlg", 8,
     kPoidsObservations, std::size(kPoidsObservations)},
    {IDD_FORMULES_POIDS, L"Formules poids des observations", 322, 259, L"MS Shell Dlg", 8,
     kFormulesPoids, std::size(kFormulesPoids)},
    {IDD_DEFINIR_VARIABLE, L"Définir une variable", 182, 84, L"MS Shell Dlg", 8, kDefinirVariable,
     std::size(kDefinirVariable)},
};

}  // namespace

void enregistrerDialoguesMoindresCarres() {
  AfxRegisterDialogTemplates(instanceModule(), kDialogues, std::size(kDialogues));
}
