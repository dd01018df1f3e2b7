// sxd: one group of extended data "{ key items… }" under the application "JALOPLUS", replaced when
// a group with the same key is there, appended otherwise.
#include <cwchar>
#include <string>
#include <vector>

#include "db/acdbads.h"
#include "db/acutads.h"
#include "ed/aced.h"
#include "host/lispArguments.h"
#include "host/lispUtilitaires.h"
#include "lisp/acedads.h"

namespace {

const wchar_t* const kApplication = L"JALOPLUS";

// One item of extended data: 1000 text, 1002 control string, 1040 real, 1070 integer.
struct elementXdata {
  int code = 1000;
  std::wstring texte;
  double reel = 0.0;
  short entier = 0;

  bool estAccolade(const wchar_t* accolade) const { return code == 1002 && texte == accolade; }
  // The keys of two groups match when type and value do; texts ignore case.
  bool memeCle(const elementXdata& autre) const {
    if (code != autre.code) return false;
    if (code == 1040) return reel == autre.reel;
    if (code == 1070) return entier == autre.entier;
    return wcscasecmp(texte.c_str(), autre.texte.c_str()) == 0;
  }
};

elementXdata reel(double valeur) {
  elementXdata e;
  e.code = 1040;
  e.reel = valeur;
  return e;
}

elementXdata accolade(const wchar_t* texte) {
  elementXdata e;
  e.code = 1002;
  e.texte = texte;
  return e;
}

// The items given by the second argument; false (after its message) for a bad item.
bool lireElements(argumentsLisp& args, std::vector<elementXdata>& elements) {
  if (args.estPoint()) {
    const int dimensions = args.type() == RTPOINT ? 2 : 3;
    for (int i = 0; i < dimensions; ++i) elements.push_back(reel(args.courant()->resval.rpoint[i]));
    return true;
  }
  for (args.suivant(); args.courant() != nullptr && args.type() != RTLE; args.suivant()) {
    elementXdata e;
    switch (args.type()) {
      case RTREAL: e = reel(args.courant()->resval.rreal); break;
      case RTSHORT:
        e.code = 1070;
        e.entier = args.courant()->resval.rint;
        break;
      case RTSTR:
        e.code = 1000;
        e.texte = args.courant()->resval.rstring ? args.courant()->resval.rstring : L"";
        break;
      default:
        acutPrintf(L"\nMauvais type d'element dans la liste (buildxdata)");
        return false;
    }
    elements.push_back(e);
  }
  return true;
}

elementXdata depuisResbuf(const resbuf* rb) {
  elementXdata e;
  e.code = rb->restype;
  if (e.code == 1040 || e.code == 1041 || e.code == 1042) e.reel = rb->resval.rreal;
  else if (e.code == 1070) e.entier = rb->resval.rint;
  else if (rb->restype == 1000 || rb->restype == 1002) e.texte = rb->resval.rstring ? rb->resval.rstring : L"";
  return e;
}

// The application's items as the entity holds them. Items of other kinds (points, handles…) are
// not written by this function: they would not survive the rewrite, so an entity holding some is
// left alone by refusing it.
bool lireXdataExistantes(const resbuf* liste, std::vector<elementXdata>& existantes) {
  const resbuf* rb = liste;
  while (rb != nullptr && rb->restype != -3) rb = rb->rbnext;
  if (rb == nullptr) return true;
  for (rb = rb->rbnext; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == 1001) continue;
    const int code = rb->restype;
    if (code != 1000 && code != 1002 && code != 1040 && code != 1070) return false;
    existantes.push_back(depuisResbuf(rb));
  }
  return true;
}

// Replaces the contents of the group whose key matches, or appends a new group.
void fusionner(std::vector<elementXdata>& existantes, const std::vector<elementXdata>& groupe) {
  for (size_t i = 0; i + 1 < existantes.size(); ++i) {
    if (!existantes[i].estAccolade(L"{") || !existantes[i + 1].memeCle(groupe.front())) continue;
    size_t fin = i + 1;
    while (fin < existantes.size() && !existantes[fin].estAccolade(L"}")) ++fin;
    existantes.erase(existantes.begin() + static_cast<long>(i) + 1, existantes.begin() + static_cast<long>(fin));
    existantes.insert(existantes.begin() + static_cast<long>(i) + 1, groupe.begin(), groupe.end());
    return;
  }
  existantes.push_back(accolade(L"{"));
  existantes.insert(existantes.end(), groupe.begin(), groupe.end());
  existantes.push_back(accolade(L"}"));
}

resbuf* versResbuf(const elementXdata& e) {
  resbuf* rb = acutNewRb(e.code);
  if (e.code == 1040) rb->resval.rreal = e.reel;
  else if (e.code == 1070) rb->resval.rint = e.entier;
  else rb->resval.rstring = acutNewString(e.texte.c_str());
  return rb;
}

// The entity's list without its extended data, then the application's new items.
resbuf* nouvelleListe(resbuf* liste, const std::vector<elementXdata>& elements) {
  resbuf* queue = liste;
  while (queue->rbnext != nullptr && queue->rbnext->restype != -3) queue = queue->rbnext;
  acutRelRb(queue->rbnext);
  queue->rbnext = acutNewRb(-3);
  queue = queue->rbnext;
  queue->rbnext = acutNewRb(1001);
  queue = queue->rbnext;
  queue->resval.rstring = acutNewString(kApplication);
  for (const elementXdata& e : elements) {
    queue->rbnext = versResbuf(e);
    queue = queue->rbnext;
  }
  return liste;
}

int erreurSysteme() {
  resbuf valeur{};
  if (acedGetVar(L"ERRNO", &valeur) != RTNORM || valeur.restype != RTSHORT) return 0;
  return valeur.resval.rint;
}

}  // namespace

void lispSxd() {
  argumentsLisp args;
  if (args.courant() == nullptr) {
    acutPrintf(L"\nNombre de parametres insuffisant");
    acedRetNil();
    return;
  }
  if (args.type() != RTENAME) {
    acutPrintf(L"\n1er param doit etre un nom d'entite");
    acedRetNil();
    return;
  }
  ads_name entite;
  ads_name_set(args.courant()->resval.rlname, entite);
  args.suivant();
  if (args.courant() == nullptr) {
    acutPrintf(L"\nNombre de parametres insuffisant");
    acedRetNil();
    return;
  }
  if (args.type() != RTLB && !args.estPoint()) {
    acutPrintf(L"\nType 2 eme param=%d", args.type());
    acutPrintf(L"\n2 eme param doit etre une liste de Xdata");
    acedRetNil();
    return;
  }
  std::vector<elementXdata> groupe;
  if (!lireElements(args, groupe) || groupe.empty()) {
    acedRetNil();
    return;
  }
  acdbRegApp(kApplication);
  resbuf* applications = acutBuildList(RTSTR, kApplication, 0);
  resbuf* liste = acdbEntGetX(entite, applications);
  acutRelRb(applications);
  std::vector<elementXdata> elements;
  if (liste == nullptr || !lireXdataExistantes(liste, elements)) {
    acutRelRb(liste);
    acedRetNil();
    return;
  }
  fusionner(elements, groupe);
  liste = nouvelleListe(liste, elements);
  if (acdbEntMod(liste) != RTNORM) {
    acutPrintf(L"\nErreur de entmod=%d", erreurSysteme());
    acutRelRb(liste);
    acedRetNil();
    return;
  }
  acutRelRb(liste);
  acedRetT();
}
