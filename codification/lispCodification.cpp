#include "codification/lispCodification.h"

#include "codification/attributCode.h"
#include "codification/globalCodification.h"
#include "db/acutads.h"
#include "db/dbobject.h"
#include "ed/aced.h"
#include "ed/acedsel.h"
#include "host/lispArguments.h"
#include "lisp/acedads.h"

namespace {

// What selectionnerCode keeps for the whole run of the host.
struct choixCode {
  int dernier = 1;
  bool parDesignation = false;
};

choixCode& choix() {
  static choixCode etat;
  return etat;
}

enum class reponse { kCode, kTous, kAutreMode, kEncore, kAnnule };

reponse demanderNumero(int& code) {
  CString invite;
  invite.Format(L"\nCode à utiliser / Tous / Sel [%d]", choix().dernier);
  acedInitGet(RSG_NOZERO | RSG_NONEG, L"S T");
  int valeur = 0;
  switch (acedGetInt(invite, &valeur)) {
    case RTNORM:
      code = valeur;
      return reponse::kCode;
    case RTNONE:
      code = choix().dernier;
      return reponse::kCode;
    case RTKWORD: {
      wchar_t motCle[32] = L"";
      acedGetInput(motCle, 32);
      return CString(motCle).CompareNoCase(L"T") == 0 ? reponse::kTous : reponse::kAutreMode;
    }
    default:
      return reponse::kAnnule;
  }
}

reponse designerBloc(int& code) {
  acedInitGet(0, L"C T");
  ads_name entite;
  ads_point point;
  switch (acedEntSel(L"\nCode a utiliser / Tous / Code :", entite, point)) {
    case RTNORM:
      if (AcDbObjectId id;
          acdbGetObjectId(id, entite) != Acad::eOk || !lireAttributCode(id, code)) {
        acutPrintf(L"\nCe n'est pas un block Arpenta");
        return reponse::kEncore;
      }
      return code > 0 ? reponse::kCode : reponse::kEncore;
    case RTKWORD: {
      wchar_t motCle[32] = L"";
      acedGetInput(motCle, 32);
      return CString(motCle).CompareNoCase(L"T") == 0 ? reponse::kTous : reponse::kAutreMode;
    }
    case RTERROR:
      return reponse::kEncore;  // nothing under the pick
    default:
      return reponse::kAnnule;
  }
}

}  // namespace

void lispLoadCodePt() {
  tableCodification* table = globalCodification();
  table->sortByCode();
  resbuf* tete = nullptr;
  resbuf* queue = nullptr;
  auto ajouter = [&](resbuf* rb) {
    (queue == nullptr ? tete : queue->rbnext) = rb;
    queue = rb;
    return rb;
  };
  for (int i = 0; i < table->count(); ++i) {
    const codifPoint& codif = table->getAt(i);
    ajouter(acutNewRb(RTLB));
    ajouter(acutNewRb(RTLONG))->resval.rlong = codif.code;
    ajouter(acutNewRb(RTDOTE));
    ajouter(acutNewRb(RTSTR))->resval.rstring = acutNewString(codif.libelle);
    ajouter(acutNewRb(RTLE));
  }
  acedRetList(tete);
  acutRelRb(tete);
}

void lispAddCodePt() {
  argumentsLisp args;
  if (args.type() != RTSHORT && args.type() != RTLONG) {
    acedRetNil();
    return;
  }
  int code = args.type() == RTSHORT ? args.courant()->resval.rint
                                    : static_cast<int>(args.courant()->resval.rlong);
  args.suivant();
  if (args.type() != RTSTR) {
    acedRetNil();
    return;
  }
  CString libelle = args.courant()->resval.rstring;
  libelle.Trim(L" \t");
  if (code < kCodeMin || code > kCodeMax) code = 1;
  if (libelle.IsEmpty()) libelle.Format(L"Code %d", code);
  tableCodification* table = globalCodification();
  if (table->indexOfCode(code) < 0) {
    codifPoint nouveau;
    nouveau.code = code;
    nouveau.libelle = libelle;
    table->Add(nouveau);
  }
  acedRetNil();
}

void lispResetCodesPts() {
  globalCodification()->RemoveAll();
  acedRetNil();
}

int selectionnerCode(int& code) {
  for (;;) {
    const reponse r = choix().parDesignation ? designerBloc(code) : demanderNumero(code);
    switch (r) {
      case reponse::kCode:
        choix().dernier = code;
        return RTNORM;
      case reponse::kTous:
        code = kTousLesCodes;
        return RTNORM;
      case reponse::kAutreMode:
        choix().parDesignation = !choix().parDesignation;
        break;
      case reponse::kEncore:
        break;
      case reponse::kAnnule:
        return RTCAN;
    }
  }
}

void lispSelectionnerCode() {
  int code = 0;
  if (selectionnerCode(code) == RTNORM) {
    acedRetInt(code);
  } else {
    acedRetNil();
  }
}

void oublierCodeSelectionne() { choix() = choixCode(); }
