#include "host/tableLisp.h"

#include "codification/commandesCodification.h"
#include "codification/lispCodification.h"
#include "host/lispUtilitaires.h"
#include "host/nonDisponible.h"
#include "lisp/acedads.h"
#include "points/lispChoixPoint.h"
#include "points/lispPoints.h"
#include "rx/acedfunc.h"

namespace {

// The functions whose work comes with later parts of the module say so when called.
#define LISP_A_VENIR(nom) [] { annoncerNonDisponible(nom); }

const fonctionLisp kFonctions[] = {
    {L"calctailleblock", lispCalcTailleBlock},
    {L"add_pt", lispAddPt},
    {L"analyse", lispAnalyse},
    {L"attrvisibility", lispAttrVisibility},
    {L"c:projpoly", LISP_A_VENIR(L"c:projpoly")},
    {L"c:vcode", lispVCode},
    {L"ename_pt", lispEnamePt},
    {L"getsegtype", lispGetSegType},
    {L"k_getpt", lispKGetPt},
    {L"maxnum", lispMaxNum},
    {L"modif-attrib", lispModifAttrib},
    {L"reg_pts", lispRegPts},
    {L"select_all", lispSelectAll},
    {L"seloncode", lispSelonCode},
    {L"selonnum", lispSelonNum},
    {L"jldelfile", lispJlDelFile},
    {L"superpos", LISP_A_VENIR(L"superpos")},
    {L"sxd", lispSxd},
    {L"wait_user", lispWaitUser},
    {L"tpcdaddpt", lispTpcdAddPt},
    {L"loadcodept", lispLoadCodePt},
    {L"addcodept", lispAddCodePt},
    {L"resetcodespts", lispResetCodesPts},
    {L"choixpoint", lispChoixPoint},
    {L"chgreppts", lispChgRepPts},
    {L"updarxttxt", lispUpdArxtTxt},
    {L"c:decrireblock", LISP_A_VENIR(L"c:decrireblock")},
    {L"c:tablegendes", LISP_A_VENIR(L"c:tablegendes")},
    {L"c:gererLeves", LISP_A_VENIR(L"c:gererLeves")},
    {L"C:pointsParDecalage", LISP_A_VENIR(L"C:pointsParDecalage")},
    {L"C:ZoomLeve", lispZoomLeve},
    {L"selectionnerCode", lispSelectionnerCode},
    {L"c:TopJndre", lispTopJndre},
    {L"JALOTEXT", lispJaloText},
    {L"c:DISSOCBLOCK", LISP_A_VENIR(L"c:DISSOCBLOCK")},
    {L"c:IMPLANT2", LISP_A_VENIR(L"c:IMPLANT2")},
    {L"c:JLDEPORTPNTS", LISP_A_VENIR(L"c:JLDEPORTPNTS")},
    {L"c:JLAJUSTERZ", LISP_A_VENIR(L"c:JLAJUSTERZ")},
    {L"c:JALOVERSION", lispJaloVersion},
    {L"c:AllegerDessin", LISP_A_VENIR(L"c:AllegerDessin")},
};

constexpr int kNombreFonctions = static_cast<int>(sizeof kFonctions / sizeof kFonctions[0]);
static_assert(kNombreFonctions == 40, "the function codes are the positions of this table");

}  // namespace

const fonctionLisp* tableLisp(int* nombre) {
  if (nombre != nullptr) *nombre = kNombreFonctions;
  return kFonctions;
}

void definirFonctionsLisp() {
  for (int code = 0; code < kNombreFonctions; ++code) {
    if (acedDefun(kFonctions[code].nom, code) != RTNORM) return;
  }
}

void retirerFonctionsLisp() {
  for (int code = 0; code < kNombreFonctions; ++code) acedUndef(kFonctions[code].nom, code);
}

void appelerFonctionLisp() {
  acedRetVoid();
  const int code = acedGetFunCode();
  if (code >= 0 && code < kNombreFonctions) kFonctions[code].fonction();
}
