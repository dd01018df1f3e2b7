// c:TopJndre: a lightweight polyline through the points numbered from a first to a last number,
// with its number prompts (a number typed, or the number of a point block picked).
#include <cstdlib>
#include <string>

#include "codification/lispCodification.h"
#include "codification/valeursCodification.h"
#include "db/acdbads.h"
#include "db/dbapserv.h"
#include "db/dbblkref.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbobject.h"
#include "db/dbpl.h"
#include "db/dbsymtb.h"
#include "ed/aced.h"
#include "ed/acedsel.h"
#include "host/attributsBloc.h"
#include "os/codepage.h"
#include "points/attribsPoints.h"
#include "points/lispPoints.h"
#include "points/lispPointsOutils.h"
#include "points/listePointsDuDessin.h"

namespace {

// The answer mode of the number prompts, kept for the whole run of the host.
bool& parDesignation() {
  static bool mode = false;
  return mode;
}

enum class saisie { kNumero, kAutreMode, kEncore, kAnnule };

// The number attribute of a picked entity; false when it is no block or has none.
bool lireNumeroBloc(const ads_name entite, CString& numero) {
  AcDbObjectId id;
  AcDbBlockReference* bloc = nullptr;
  if (acdbGetObjectId(id, entite) != Acad::eOk ||
      acdbOpenObject(bloc, id, AcDb::kForRead) != Acad::eOk) {
    return false;
  }
  const textesAttributs textes = lireAttributs(*bloc);
  bloc->close();
  const std::wstring* texte = texteAttribut(textes, globalAttribsPoints.numero);
  if (texte != nullptr) numero = texte->c_str();
  return texte != nullptr;
}

saisie taperNumero(const wchar_t* libelle, int& numero) {
  CString invite;
  invite.Format(L"\n%s / Sel :", libelle);
  acedInitGet(RSG_NONULL | RSG_NOZERO | RSG_NONEG, L"S");
  switch (acedGetInt(invite.GetString(), &numero)) {
    case RTNORM:
      if (numero > 0) return saisie::kNumero;
      break;
    case RTKWORD:
      return saisie::kAutreMode;
    case RTCAN:
      return saisie::kAnnule;
    default:
      break;
  }
  acutPrintf(L"\nNumero invalide");
  return saisie::kEncore;
}

saisie designerNumero(const wchar_t* libelle, int& numero) {
  CString invite;
  invite.Format(L"\n%s / Numero :", libelle);
  acedInitGet(RSG_NONULL | RSG_OTHER, L"N");
  ads_name entite;
  ads_point point;
  switch (acedEntSel(invite.GetString(), entite, point)) {
    case RTNORM: {
      CString texte;
      if (!lireNumeroBloc(entite, texte)) {
        acutPrintf(L"\nCe n'est pas un block Arpenta");
        return saisie::kEncore;
      }
      numero = entierEnTete(wideToUtf8(texte.GetString()).c_str());
      return numero > 0 ? saisie::kNumero : saisie::kEncore;
    }
    case RTKWORD:  // N, or any text typed instead of a pick
      return saisie::kAutreMode;
    case RTCAN:
      return saisie::kAnnule;
    default:  // nothing under the pick
      return saisie::kEncore;
  }
}

// False on a cancel.
bool demanderNumero(const wchar_t* libelle, int& numero) {
  for (;;) {
    switch (parDesignation() ? designerNumero(libelle, numero) : taperNumero(libelle, numero)) {
      case saisie::kNumero:
        return true;
      case saisie::kAutreMode:
        parDesignation() = !parDesignation();
        break;
      case saisie::kEncore:
        break;
      case saisie::kAnnule:
        return false;
    }
  }
}

void ajouterAuDessin(AcDbPolyline* polyligne) {
  AcDbDatabase* dessin = acdbHostApplicationServices()->workingDatabase();
  AcDbBlockTableRecord* espace = nullptr;
  if (dessin == nullptr || acdbOpenObject(espace, dessin->modelSpaceId(), AcDb::kForWrite) != Acad::eOk) {
    delete polyligne;
    return;
  }
  polyligne->setDatabaseDefaults(dessin);
  AcDbObjectId id;
  if (espace->appendAcDbEntity(id, polyligne) == Acad::eOk) {
    polyligne->close();
  } else {
    delete polyligne;
  }
  espace->close();
}

}  // namespace

void oublierModeNumero() { parDesignation() = false; }

void lispTopJndre() {
  int premier = 0;
  int dernier = 0;
  int code = 0;
  if (!demanderNumero(L"\nNumero de départ", premier)) return;
  if (!demanderNumero(L"\nNumero de fin", dernier)) return;
  if (selectionnerCode(code) != RTNORM) return;
  int pas = 1;
  switch (acedGetInt(L"\nIncrement [1] :", &pas)) {
    case RTNORM:
      break;
    case RTNONE:
      pas = 1;
      break;
    default:
      return;
  }
  listePointsDuDessin* table = tableCourantePoints();
  if (table == nullptr || premier == dernier || pas == 0) return;
  const long long increment = dernier > premier ? std::llabs(pas) : -std::llabs(pas);

  auto* polyligne = new AcDbPolyline();
  for (long long n = premier; increment > 0 ? n <= dernier : n >= dernier; n += increment) {
    CString nom;
    nom.Format(L"%lld", n);
    AcGePoint3d position;
    int codePoint = 0;
    if (!table->getBlockPosition(nom.GetString(), position, codePoint)) continue;
    if (code != kTousLesCodes && code != codePoint) continue;
    polyligne->addVertexAt(polyligne->numVerts(), AcGePoint2d(position.x, position.y));
  }
  if (polyligne->numVerts() < 2) {
    delete polyligne;
    return;
  }
  ajouterAuDessin(polyligne);
}
