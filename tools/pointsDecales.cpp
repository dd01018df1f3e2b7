#include "tools/pointsDecales.h"

#include <cmath>
#include <cstdio>

#include "points/listePointsDuDessin.h"

std::vector<unsigned int> sommetsDistincts(const std::vector<AcGePoint2d>& sommets) {
  std::vector<unsigned int> pris;
  for (unsigned int i = 0; i < sommets.size(); ++i) {
    if (pris.empty() || sommets[i].distanceTo(sommets[pris.back()]) > 1e-6) pris.push_back(i);
  }
  return pris;
}

int creerPointsDecales(listePointsDuDessin& table, const std::vector<AcGePoint2d>& ligne,
                       const std::vector<AcGePoint2d>& parallele, double hauteur) {
  int crees = 0;
  for (unsigned int i : sommetsDistincts(ligne)) {
    if (i >= parallele.size()) break;
    pointDuDessin trouve;
    if (!table.getAt(ligne[i].x, ligne[i].y, trouve)) continue;
    pointDuDessin nouveau;
    char nom[16];
    std::snprintf(nom, sizeof nom, "%d", table.getMaxNum() + 1);
    nouveau.setNomPoint(nom);
    nouveau.setCode(trouve.getCode());
    const double z = trouve.getZ() == kSansValeur ? kSansValeur : trouve.getZ() + hauteur;
    nouveau.setXY(parallele[i].x, parallele[i].y, z);
    nouveau.creer(true);
    table.Ajouter(nouveau);
    ++crees;
  }
  return crees;
}

double decalageSigne(const AcGePoint2d& debut, const AcGePoint2d& fin, double bulge,
                     const AcGePoint2d& pointe, const AcGePoint2d& proche) {
  const double distance = pointe.distanceTo(proche);
  bool aGauche = false;
  if (bulge == 0.0) {
    const AcGeVector2d direction = fin - debut;
    const AcGeVector2d versPointe = pointe - debut;
    const double normes = direction.length() * versPointe.length();
    const double produit = normes > 0.0 ? (direction.x * versPointe.y - direction.y * versPointe.x) / normes : 0.0;
    aGauche = produit > 1e-8;
  } else {
    const double corde = debut.distanceTo(fin);
    const double ecart = corde * (1.0 - bulge * bulge) / (4.0 * bulge);
    const AcGeVector2d u = (fin - debut) / corde;
    const AcGePoint2d centre((debut.x + fin.x) / 2 - u.y * ecart, (debut.y + fin.y) / 2 + u.x * ecart);
    const double rayon = corde * (1.0 + bulge * bulge) / (4.0 * std::fabs(bulge));
    const bool dedans = pointe.distanceTo(centre) < rayon;
    aGauche = (bulge > 0.0) == dedans;
  }
  return aGauche ? -distance : distance;
}
