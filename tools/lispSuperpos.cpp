// superpos: the visible attributes of the selected blocks move round their blocks so that the
// label boxes overlap as little as possible; free texts of the selection stay put as obstacles.
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "db/acdbads.h"
#include "db/acutads.h"
#include "db/dbblkref.h"
#include "db/dbents.h"
#include "db/dbextents.h"
#include "ed/aced.h"
#include "ed/acedgraph.h"
#include "ed/acedsel.h"
#include "host/CAcadUndoGroup.h"
#include "lisp/acedads.h"
#include "tools/commandesOutils.h"
#include "tools/fichiersSuperpos.h"
#include "tools/superpositions.h"

namespace {

struct fermeFichier {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using fichierTemporaire = std::unique_ptr<std::FILE, fermeFichier>;

const resbuf* groupe(const resbuf* liste, int code) {
  for (; liste != nullptr; liste = liste->rbnext) {
    if (liste->restype == code) return liste;
  }
  return nullptr;
}

double reelDe(const resbuf* liste, int code, double defaut) {
  const resbuf* g = groupe(liste, code);
  return g != nullptr ? g->resval.rreal : defaut;
}

void copierNom(std::int64_t (&vers)[2], const ads_name nom) {
  vers[0] = static_cast<std::int64_t>(nom[0]);
  vers[1] = static_cast<std::int64_t>(nom[1]);
}

entiteEtiquetee entiteDe(const resbuf* liste, const ads_name nom, std::uint32_t index,
                         std::uint32_t genre) {
  entiteEtiquetee e;
  copierNom(e.nom, nom);
  if (const resbuf* p = groupe(liste, 10)) {
    e.x = p->resval.rpoint[0];
    e.y = p->resval.rpoint[1];
    e.z = p->resval.rpoint[2];
  }
  e.echelleX = reelDe(liste, 41, 1.0);
  e.echelleY = reelDe(liste, 42, 1.0);
  e.rotation = reelDe(liste, 50, 0.0);
  e.index = index;
  e.genre = genre;
  return e;
}

// A text gives one fixed box at its insertion point, of the size of its unrotated text box.
bool collecterTexte(const resbuf* liste, const ads_name nom, std::uint32_t index,
                    std::FILE* entites, std::FILE* boites) {
  ads_point bas, haut;
  if (acedTextBox(liste, bas, haut) != RTNORM) return false;
  const double largeur = haut[0] - bas[0], hauteur = haut[1] - bas[1];
  if (largeur == 0.0 || hauteur == 0.0) return false;
  const entiteEtiquetee e = entiteDe(liste, nom, index, kGenreTexte);
  boiteEtiquette b;
  b.entite = index;
  copierNom(b.nom, nom);
  b.x = e.x;
  b.y = e.y;
  b.z = e.z;
  b.largeur = largeur;
  b.hauteur = hauteur;
  b.fixe = true;
  ecrireBoite(boites, b);
  ecrireEntite(entites, e);
  return true;
}

// A block gives one box per visible attribute with a real extent.
void collecterBloc(const resbuf* liste, const ads_name nom, std::uint32_t index,
                   std::FILE* entites, std::FILE* boites) {
  AcDbObjectId id;
  AcDbBlockReference* bloc = nullptr;
  if (acdbGetObjectId(id, nom) != Acad::eOk ||
      acdbOpenObject(bloc, id, AcDb::kForRead) != Acad::eOk) {
    return;
  }
  bool ecrit = false;
  AcDbObjectIterator* it = bloc->attributeIterator();
  for (; !it->done(); it->step()) {
    AcDbAttribute* attribut = nullptr;
    if (acdbOpenObject(attribut, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
    AcDbExtents emprise;
    if (!attribut->isInvisible() && attribut->getGeomExtents(emprise) == Acad::eOk) {
      const double largeur = emprise.maxPoint().x - emprise.minPoint().x;
      const double hauteur = emprise.maxPoint().y - emprise.minPoint().y;
      if (largeur > 1e-8 && hauteur > 1e-8) {
        boiteEtiquette b;
        b.entite = index;
        ads_name nomAttribut;
        acdbGetAdsName(nomAttribut, attribut->objectId());
        copierNom(b.nom, nomAttribut);
        b.x = emprise.minPoint().x;
        b.y = emprise.minPoint().y;
        b.largeur = largeur;
        b.hauteur = hauteur;
        ecrit = ecrireBoite(boites, b) || ecrit;
      }
    }
    attribut->close();
  }
  delete it;
  bloc->close();
  if (ecrit) ecrireEntite(entites, entiteDe(liste, nom, index, kGenreBloc));
}

void collecter(const ads_name selection, std::FILE* entites, std::FILE* boites) {
  Adesk::Int32 nombre = 0;
  acedSSLength(selection, &nombre);
  std::uint32_t index = 0;
  for (long i = 0; i < nombre; ++i) {
    ads_name nom;
    if (acedSSName(selection, i, nom) != RTNORM) continue;
    resbuf* liste = acdbEntGet(nom);
    const resbuf* type = groupe(liste, 0);
    if (type != nullptr && std::wcscmp(type->resval.rstring, L"TEXT") == 0) {
      if (collecterTexte(liste, nom, index, entites, boites)) ++index;
    } else if (type != nullptr && std::wcscmp(type->resval.rstring, L"INSERT") == 0) {
      collecterBloc(liste, nom, index, entites, boites);
      ++index;
    }
    acutRelRb(liste);
  }
}

// The attribute goes where its box was placed; an aligned attribute keeps its alignment point
// the same distance away, since that point is what places it.
void deplacerAttribut(const boiteEtiquette& b) {
  ads_name nom = {static_cast<Adesk::LongPtr>(b.nom[0]), static_cast<Adesk::LongPtr>(b.nom[1])};
  AcDbObjectId id;
  AcDbAttribute* attribut = nullptr;
  if (acdbGetObjectId(id, nom) != Acad::eOk ||
      acdbOpenObject(attribut, id, AcDb::kForWrite) != Acad::eOk) {
    return;
  }
  const AcGePoint3d coin(b.x, b.y, b.z);
  const AcGeVector3d decalage = coin - attribut->position();
  if (!attribut->isDefaultAlignment()) attribut->setAlignmentPoint(attribut->alignmentPoint() + decalage);
  attribut->setPosition(coin);
  const AcDbObjectId proprietaire = attribut->ownerId();
  attribut->close();
  acdbEntUpd(nom);
  ads_name nomBloc;
  if (acdbGetAdsName(nomBloc, proprietaire) == Acad::eOk) acdbEntUpd(nomBloc);
}

void reduire(std::FILE* fichierEntites, std::FILE* fichierBoites) {
  std::vector<entiteEtiquetee> entites;
  std::vector<boiteEtiquette> boites;
  try {
    entites = lireEntites(lireFichier(fichierEntites));
    boites = lireBoites(lireFichier(fichierBoites));
  } catch (const std::bad_alloc&) {
    acutPrintf(L"\nMemoire insuffisante");
    return;
  }
  if (entites.empty() || boites.empty()) return;
  acutPrintf(L"\nVerification des superpositions\n");
  suiviSuperpositions suivi;
  suivi.element = [](int passe, std::size_t position, std::size_t nombre) {
    acutPrintf(L"\rIteration %d Element %d / %d (%8.2f %%)", passe, static_cast<int>(position),
               static_cast<int>(nombre), static_cast<double>(position) * 100.0 / double(nombre));
  };
  suivi.finPasse = [](double total) { acutPrintf(L"\t Surface commune: %12.3f\n", total); };
  reduireSuperpositions(boites, entites, suivi);
  for (const boiteEtiquette& b : boites) {
    if (b.deplace) deplacerAttribut(b);
  }
}

}  // namespace

void lispSuperpos() {
  fichierTemporaire entites(std::tmpfile());
  fichierTemporaire boites(std::tmpfile());
  if (entites == nullptr || boites == nullptr) {
    acutPrintf(L"\nEchec ouverture de fichier temporaire");
    return;
  }
  const resbuf* argument = acedGetArgs();
  if (argument == nullptr || argument->restype != RTPICKS) return;
  ads_name selection = {argument->resval.rlname[0], argument->resval.rlname[1]};
  CAcadUndoGroup annulation;
  collecter(selection, entites.get(), boites.get());
  std::fflush(entites.get());
  std::fflush(boites.get());
  reduire(entites.get(), boites.get());
}
