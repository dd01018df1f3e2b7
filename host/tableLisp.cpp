#include "host/tableLisp.h"

#include "codification/commandesCodification.h"
#include "codification/lispCodification.h"
#include "exchange/commandesEchange.h"
#include "host/lispUtilitaires.h"
#include "lisp/acedads.h"
#include "points/lispChoixPoint.h"
#include "points/lispPoints.h"
#include "rx/acedfunc.h"
#include "stakeout/lispImplantation.h"
#include "tools/commandesOutils.h"

namespace {

const fonctionLisp kFonctions[] = {
    {L"calctailleblock", lispCalcTailleBlock},
    {L"add_pt", lispAddPt},
    {L"analyse", lispAnalyse},
    {L"attrvisibility", lispAttrVisibility},
    {L"c:projpoly", lispProjPoly},
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
    {L"superpos", lispSuperpos},
    {L"sxd", lispSxd},
    {L"wait_user", lispWaitUser},
    {L"tpcdaddpt", lispTpcdAddPt},
    {L"loadcodept", lispLoadCodePt},
    {L"addcodept", lispAddCodePt},
    {L"resetcodespts", lispResetCodesPts},
    {L"choixpoint", lispChoixPoint},
    {L"chgreppts", lispChgRepPts},
    {L"updarxttxt", lispUpdArxtTxt},
    {L"c:decrireblock", lispDecrireBlock},
    {L"c:tablegendes", lispTableGendes},
    {L"c:gererLeves", lispGererLeves},
    {L"C:pointsParDecalage", lispPointsParDecalage},
    {L"C:ZoomLeve", lispZoomLeve},
    {L"selectionnerCode", lispSelectionnerCode},
    {L"c:TopJndre", lispTopJndre},
    {L"JALOTEXT", lispJaloText},
    {L"c:DISSOCBLOCK", lispDissocBlock},
    {L"c:IMPLANT2", lispImplant2},
    {L"c:JLDEPORTPNTS", lispJlDeportPnts},
    {L"c:JLAJUSTERZ", lispJlAjusterZ},
    {L"c:JALOVERSION", lispJaloVersion},
    {L"c:AllegerDessin", lispAllegerDessin},
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
