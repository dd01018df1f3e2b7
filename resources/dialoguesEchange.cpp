// The dialog templates of point exchange: import and export, coordinate form, tables, block
// descriptions, point tables.
#include <iterator>

#include "resources/resourceEchange.h"
#include "resources/ressourcesModule.h"
#include "ui/dlgtemplate.h"
#include "ui/afxwin.h"

namespace {

using K = AcUiControlKind;

const AcUiControlTemplate kImportation[] = {
    {IDC_IMP_POLY2D_ANCIENNES, K::kCheckBox, L"Importer polylines 2d (anciennes polylines)", 7, 7, 180, 10, 0},
    {IDC_IMP_MAILLAGES, K::kCheckBox, L"Importer Maillages 3D", 7, 19, 180, 10, 0},
    {IDC_IMP_POLY3D, K::kCheckBox, L"Importer Polylignes 3D", 7, 31, 180, 10, 0},
    {IDC_IMP_BLOCS_3D, K::kCheckBox, L"Importer Blocs en 3D", 7, 43, 180, 10, 0},
    {IDC_IMP_BLOCS_ARPENTA, K::kCheckBox, L"Importer Blocs Arpenta", 7, 55, 180, 10, 0},
    {IDC_IMP_BLOCS_ATTRIBUTS, K::kCheckBox, L"Importer blocs avec attributs", 7, 67, 180, 10, 0},
    {IDC_IMP_FACETTES, K::kCheckBox, L"Importer facettes 3D", 7, 79, 180, 10, 0},
    {IDC_IMP_LIGNES, K::kCheckBox, L"Importer extrémités des lignes", 7, 91, 180, 10, 0},
    {IDC_IMP_POLY2D, K::kCheckBox, L"Importer Polylines 2D", 7, 103, 180, 10, 0},
    {IDC_IMP_POINTS, K::kCheckBox, L"Importer Points", 7, 115, 180, 10, 0},
    {IDC_IMP_POLYFACES, K::kCheckBox, L"Importer Maillages de facettes (POLYFACEMESH)", 7, 127, 180, 10, 0},
    {IDC_IMP_TEXTES, K::kCheckBox, L"Importer textes", 7, 139, 180, 10, 0},
    {IDC_IMP_TOUS, K::kButton, L"&Tous", 195, 7, 50, 14, 0},
    {IDC_IMP_AUCUN, K::kButton, L"&Aucun", 195, 25, 50, 14, 0},
    {IDC_STATIC, K::kStatic, L"Attribut numéro", 7, 157, 60, 8, 0},
    {IDC_IMP_TAG_NUMERO, K::kEdit, L"", 70, 155, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"Attribut altitude", 7, 173, 60, 8, 0},
    {IDC_IMP_TAG_ALTITUDE, K::kEdit, L"", 70, 171, 60, 12, 0},
    {IDC_STATIC, K::kStatic, L"Attribut code", 7, 189, 60, 8, 0},
    {IDC_IMP_TAG_CODE, K::kEdit, L"", 70, 187, 60, 12, 0},
    {IDC_IMP_CONFIGURER, K::kButton, L"configurer", 140, 171, 50, 14, 0},
    {IDC_IMP_LIBELLE_X, K::kStatic, L"Decalage X", 7, 207, 60, 8, 0},
    {IDC_IMP_DECALAGE_X, K::kEdit, L"", 70, 205, 60, 12, 0},
    {IDC_IMP_LIBELLE_Y, K::kStatic, L"Decalaye Y", 7, 223, 60, 8, 0},
    {IDC_IMP_DECALAGE_Y, K::kEdit, L"", 70, 221, 60, 12, 0},
    {IDC_IMP_PRELEVER, K::kButton, L"Prélever", 140, 213, 50, 14, 0},
    {IDOK, K::kDefButton, L"OK", 140, 243, 50, 14, 0},
    {IDCANCEL, K::kButton, L"Annuler", 195, 243, 50, 14, 0},
};

const AcUiControlTemplate kParamsTableCoord[] = {
    {IDC_STATIC, K::kStatic, L"Taille des textes", 7, 9, 70, 8, 0},
    {IDC_TC_HAUTEUR, K::kEdit, L"", 80, 7, 50, 12, 0},
    {IDC_STATIC, K::kGroupBox, L"Infos", 7, 25, 130, 110, 0},
    {IDC_TC_NUMEROS, K::kCheckBox, L"Placer &numéros", 13, 37, 115, 10, 0},
    {IDC_TC_X, K::kCheckBox, L"Placer coordonnée &X", 13, 49, 115, 10, 0},
    {IDC_TC_Y, K::kCheckBox, L"Placer coordonnée Y", 13, 61, 115, 10, 0},
    {IDC_TC_Z, K::kCheckBox, L"Placer coordonnée Z", 13, 73, 115, 10, 0},
    {IDC_TC_CODE, K::kCheckBox, L"Placer code point", 13, 85, 115, 10, 0},
    {IDC_TC_LIBELLE, K::kCheckBox, L"Placer libellé du code", 13, 97, 115, 10, 0},
    {IDC_TC_INFOS_TOUT, K::kButton, L"&Tout", 13, 113, 50, 14, 0},
    {IDC_TC_INFOS_STD, K::kButton, L"&Std", 70, 113, 50, 14, 0},
    {IDC_STATIC, K::kStatic, L"Précision X,Y", 145, 9, 55, 8, 0},
    {IDC_TC_PRECISION_XY, K::kComboDropList, L"", 200, 7, 50, 80, 0},
    {IDC_STATIC, K::kStatic, L"Précision Z", 145, 25, 55, 8, 0},
    {IDC_TC_PRECISION_Z, K::kComboDropList, L"", 200, 23, 50, 80, 0},
    {IDC_STATIC, K::kGroupBox, L"Encadrement", 145, 43, 110, 92, 0},
    {IDC_TC_SEP_COLONNES, K::kCheckBox, L"Séparer Colonnes", 151, 55, 95, 10, 0},
    {IDC_TC_SEP_ENTETE, K::kCheckBox, L"Séparer entete", 151, 67, 95, 10, 0},
    {IDC_TC_SEP_LIGNES, K::kCheckBox, L"Séparer Lignes", 151, 79, 95, 10, 0},
    {IDC_TC_ENCADRER, K::kCheckBox, L"Encadrer", 151, 91, 95, 10, 0},
    {IDC_TC_CADRE_TOUT, K::kButton, L"&Tout", 151, 113, 45, 14, 0},
    {IDC_TC_CADRE_STD, K::kButton, L"&Std", 201, 113, 45, 14, 0},
    {IDOK, K::kDefButton, L"OK", 145, 143, 50, 14, 0},
    {IDCANCEL, K::kButton, L"Annuler", 205, 143, 50, 14, 0},
};

const AcUiControlTemplate kFormulaireXYZ[] = {
    {IDC_FXYZ_LISTE, K::kListView, L"", 7, 7, 386, 220, 0},
};

const AcUiControlTemplate kCommentaireBlock[] = {
    {IDC_STATIC, K::kStatic, L"Nom du block:", 7, 9, 55, 8, 0},
    {IDC_CB_NOM, K::kEdit, L"", 65, 7, 120, 12, kCtlReadOnly},
    {IDC_CB_CHOISIR, K::kButton, L"Choisir", 190, 6, 50, 14, 0},
    {IDC_STATIC, K::kGroupBox, L"Infos", 7, 25, 233, 32, 0},
    {IDC_STATIC, K::kStatic, L"Taille X", 13, 39, 30, 8, 0},
    {IDC_CB_TAILLE_X, K::kEdit, L"", 45, 37, 70, 12, kCtlReadOnly},
    {IDC_STATIC, K::kStatic, L"Taille Y", 125, 39, 30, 8, 0},
    {IDC_CB_TAILLE_Y, K::kEdit, L"", 157, 37, 70, 12, kCtlReadOnly},
    {IDC_STATIC, K::kStatic, L"Description", 7, 65, 50, 8, 0},
    {IDC_CB_DESCRIPTION, K::kComboDropDown, L"", 65, 63, 120, 80, 0},
    {IDC_CB_MODIFIER, K::kButton, L"Modifier", 190, 62, 50, 14, 0},
    {IDOK, K::kDefButton, L"Fermer", 190, 85, 50, 14, 0},
};

const AcUiControlTemplate kTableLegendes[] = {
    {IDC_STATIC, K::kStatic, L"Blocs utilisés dans le dessin:", 7, 7, 150, 8, 0},
    {IDC_LEG_LISTE, K::kListView, L"", 7, 18, 300, 120, 0},
    {IDC_STATIC, K::kStatic, L"Sélectionner:", 7, 145, 50, 8, 0},
    {IDC_LEG_TOUS, K::kButton, L"Tous", 60, 142, 45, 14, 0},
    {IDC_LEG_AUCUN, K::kButton, L"Aucun", 110, 142, 45, 14, 0},
    {IDC_LEG_INVERSER, K::kButton, L"Inverser", 160, 142, 45, 14, 0},
    {IDC_LEG_UTILISES, K::kButton, L"Utilisés", 210, 142, 45, 14, 0},
    {IDC_STATIC, K::kStatic, L"Taille des textes", 7, 165, 80, 8, 0},
    {IDC_LEG_TAILLE_TEXTES, K::kEdit, L"", 90, 163, 50, 12, 0},
    {IDC_STATIC, K::kStatic, L"Taille des blocs", 7, 181, 80, 8, 0},
    {IDC_LEG_TAILLE_BLOCS, K::kEdit, L"", 90, 179, 50, 12, 0},
    {IDC_STATIC, K::kStatic, L"Distance entre lignes", 7, 197, 80, 8, 0},
    {IDC_LEG_DISTANCE, K::kEdit, L"", 90, 195, 50, 12, 0},
    {IDC_LEG_LAYERS, K::kCheckBox, L"Créer une légende pour les layers", 150, 163, 157, 10, 0},
    {IDC_LEG_LIBELLE_LONGUEUR, K::kStatic, L"Longueur du trait", 150, 181, 70, 8, 0},
    {IDC_LEG_LONGUEUR, K::kEdit, L"", 225, 179, 50, 12, 0},
    {IDC_LEG_GROUPER, K::kCheckBox, L"Grouper les éléments de la légende", 150, 197, 157, 10, 0},
    {IDOK, K::kDefButton, L"OK", 200, 217, 50, 14, 0},
    {IDCANCEL, K::kButton, L"Annuler", 257, 217, 50, 14, 0},
};

const AcUiControlTemplate kTablesPoints[] = {
    {IDC_TP_LISTE, K::kListView, L"", 7, 7, 170, 120, 0},
    {IDC_TP_COURANTE, K::kStatic, L"Table:", 7, 132, 170, 8, 0},
    {IDC_TP_NOM, K::kEdit, L"", 7, 145, 170, 12, 0},
    {IDC_TP_CREER, K::kButton, L"Créer", 185, 7, 55, 14, 0},
    {IDC_TP_FUSIONNER, K::kButton, L"Fusionner", 185, 25, 55, 14, 0},
    {IDC_TP_SUPPRIMER, K::kButton, L"Supprimer", 185, 43, 55, 14, 0},
    {IDC_TP_RENOMMER, K::kButton, L"Renommer", 185, 61, 55, 14, 0},
    {IDC_TP_COURANT, K::kButton, L"Courant", 185, 79, 55, 14, 0},
    {IDOK, K::kDefButton, L"Fermer", 185, 144, 55, 14, 0},
};

const AcUiMenuItemTemplate kMenuFormulaireXYZ[] = {
    {L"Table", ID_TABLE_CHARGER, L"Charger ...", 0},
    {L"Table", ID_TABLE_SAUVEGARDER, L"&Sauvegarder", 0},
    {L"Table", ID_TABLE_FUSIONNER, L"Fusionner", 0},
    {L"Table", ID_TABLE_FIN, L"Fin", 0},
    {L"&Points", ID_POINTS_PLACER, L"&PLacer dans le dessin", 0},
    {L"&Points", ID_POINTS_RENUMEROTER, L"&Renumeroter", 0},
};

const AcUiDialogMenuTemplate kMenus[] = {
    {IDR_MENU_FORMULAIRE_XYZ, IDD_FORMULAIRE_XYZ, kMenuFormulaireXYZ, std::size(kMenuFormulaireXYZ)},
};

const AcUiDialogTemplate kDialogues[] = {
    {IDD_FORMULAIRE_XYZ, L"Points en XYZ", 400, 234, L"MS Shell Dlg", 8, kFormulaireXYZ, std::size(kFormulaireXYZ)},
    {IDD_IMPORT_POINTS, L"Importation", 252, 264, L"MS Shell Dlg", 8, kImportation, std::size(kImportation)},
    {IDD_TABLE_LEGENDES, L"Table des légendes", 314, 238, L"MS Shell Dlg", 8, kTableLegendes, std::size(kTableLegendes)},
    {IDD_TABLES_POINTS, L"Tables de points", 247, 165, L"MS Shell Dlg", 8, kTablesPoints, std::size(kTablesPoints)},
    {IDD_COMMENTAIRE_BLOCK, L"Infos block", 247, 106, L"MS Shell Dlg", 8, kCommentaireBlock,
     std::size(kCommentaireBlock)},
    {IDD_PARAMS_TABLE_COORD, L"Params mise en place", 262, 164, L"MS Shell Dlg", 8, kParamsTableCoord,
     std::size(kParamsTableCoord)},
};

}  // namespace

void enregistrerDialoguesEchange() {
  AfxRegisterDialogTemplates(instanceModule(), kDialogues, std::size(kDialogues));
  AfxRegisterDialogMenus(instanceModule(), kMenus, std::size(kMenus));
}
