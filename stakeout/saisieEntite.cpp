#include "stakeout/saisieEntite.h"

#include "db/dbobject.h"
#include "ed/aced.h"
#include "ed/acedsel.h"

namespace {
// ERRNO after a pick that hit nothing (as opposed to Enter).
constexpr int kErrnoRate = 7;
constexpr size_t kTailleSaisie = 512;

int erreurDerniereSaisie() {
  resbuf valeur{};
  return acedGetVar(L"ERRNO", &valeur) == RTNORM && valeur.restype == RTSHORT ? valeur.resval.rint
                                                                              : 0;
}
}  // namespace

CString motCleSaisi() {
  ACHAR texte[kTailleSaisie] = L"";
  acedGetInput(texte, kTailleSaisie);
  return texte;
}

choix choisirEntite(const wchar_t* invite, const wchar_t* motsCles, AcDbObjectId& id,
                    CString& motCle) {
  if (motsCles != nullptr) acedInitGet(0, motsCles);
  ads_name nom;
  ads_point point;
  const int code = acedEntSel(invite, nom, point);
  if (code == RTNORM) return acdbGetObjectId(id, nom) == Acad::eOk ? choix::kEntite : choix::kRate;
  if (code == RTKWORD) {
    motCle = motCleSaisi();
    return choix::kMotCle;
  }
  if (code == RTERROR && erreurDerniereSaisie() == kErrnoRate) return choix::kRate;
  return choix::kFin;
}
