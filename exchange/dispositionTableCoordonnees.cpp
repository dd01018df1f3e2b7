#include "exchange/dispositionTableCoordonnees.h"

#include <algorithm>
#include <string>

#include "exchange/nombreValide.h"
#include "os/codepage.h"
#include "points/pointDuDessin.h"

namespace {

const wchar_t* const kEntetes[kNbColonnesTable] = {L"Num", L"X", L"Y", L"Z", L"Code", L"Libelle"};

CString formater(double valeur, int decimales) {
  CString format, texte;
  format.Format(L"%%.%df", std::clamp(decimales, 0, 5));
  texte.Format(format.GetString(), valeur);
  return texte;
}

struct codeDistinct {
  int code;
  bool connu;
  CString libelle;
};

// The cell of a point in a column: its text and alignment (false: no text).
bool cellule(const pointTableCoord& point, int colonne, const paramsTableCoordonnees& params,
             const std::vector<codeDistinct>& codes, texteTableCoord& sortie) {
  sortie.alignement = kAlignDroite;
  switch (colonne) {
    case kColNumero:
      sortie.texte = point.nom;
      if (!estNombreValide(wideToAnsi(point.nom.GetString()))) sortie.alignement = kAlignGauche;
      return true;
    case kColX: sortie.texte = formater(point.x, params.decimalesXY); return true;
    case kColY: sortie.texte = formater(point.y, params.decimalesXY); return true;
    case kColZ:
      if (point.z == kSansValeur) return false;
      sortie.texte = formater(point.z, params.decimalesZ);
      return true;
    case kColCode: sortie.texte.Format(L"%d", point.code); return true;
    default:
      for (const codeDistinct& c : codes) {
        if (c.code != point.code) continue;
        sortie.texte = c.libelle;
        sortie.alignement = kAlignGauche;
        return c.connu;
      }
      return false;
  }
}

}  // namespace

dispositionTableCoord disposerTableCoordonnees(const std::vector<pointTableCoord>& points,
                                               const paramsTableCoordonnees& params, double x0, double y0,
                                               const mesureTexteTable& mesurer, const libelleCodeTable& libelle) {
  dispositionTableCoord table;
  std::vector<int> montrees;
  for (int c = 0; c < kNbColonnesTable; ++c)
    if (params.colonnes[c]) montrees.push_back(c);
  if (montrees.empty() || points.empty()) return table;

  std::vector<codeDistinct> codes;
  for (const pointTableCoord& point : points) {
    if (std::any_of(codes.begin(), codes.end(), [&](const codeDistinct& c) { return c.code == point.code; })) continue;
    codeDistinct c{point.code, false, CString()};
    c.connu = libelle(point.code, c.libelle);
    codes.push_back(c);
  }

  // Measuring: the widest text of each column, the tallest of all.
  double H = params.hauteur;
  auto mesure = [&](const CString& texte, double& largeur) {
    double l = 0.0, h = 0.0;
    mesurer(texte, l, h);
    largeur = std::max(largeur, l);
    H = std::max(H, h);
  };
  for (int c : montrees) {
    double w = 0.0;
    mesure(kEntetes[c], w);
    if (c == kColCode || c == kColLibelle) {
      for (const codeDistinct& code : codes) {
        CString texte;
        texte.Format(L"%d", code.code);
        if (c == kColCode) mesure(texte, w);
        else if (code.connu) mesure(code.libelle, w);
      }
    } else {
      texteTableCoord texte;
      for (const pointTableCoord& point : points)
        if (cellule(point, c, params, codes, texte)) mesure(texte.texte, w);
    }
    table.largeurs.push_back(w);
  }
  table.uniteLigne = H;

  const double pas = 1.8 * H;
  const int n = static_cast<int>(points.size());
  double W = 0.0;
  for (double w : table.largeurs) W += 1.2 * w;
  const double bas = y0 - (n + 1) * pas;

  table.textes.reserve(montrees.size() * (points.size() + 1));
  double xc = x0;
  for (size_t i = 0; i < montrees.size(); ++i) {
    const int c = montrees[i];
    const double w = table.largeurs[i];
    table.textes.push_back({kEntetes[c], xc + 0.6 * w, y0 - 1.1 * H, kAlignCentre});
    for (int k = 1; k <= n; ++k) {
      texteTableCoord texte;
      if (!cellule(points[k - 1], c, params, codes, texte)) continue;
      texte.x = texte.alignement == kAlignGauche ? xc + 0.1 * w : xc + 1.1 * w;
      texte.y = y0 - k * pas - 1.1 * H;
      table.textes.push_back(texte);
    }
    xc += 1.2 * w;
    if ((params.cadre & paramsTableCoordonnees::kSeparerColonnes) && i + 1 < montrees.size())
      table.segments.push_back({xc, y0, xc, bas});
  }
  if (params.cadre & paramsTableCoordonnees::kSeparerEntete)
    table.segments.push_back({x0, y0 - 1.4 * H, x0 + W, y0 - 1.4 * H});
  if (params.cadre & paramsTableCoordonnees::kSeparerLignes) {
    for (int k = 1; k < n; ++k) {
      const double y = y0 - k * pas - 1.4 * H;
      table.segments.push_back({x0, y, x0 + W, y});
    }
  }
  if (params.cadre & paramsTableCoordonnees::kEncadrer) {
    table.cadre = true;
    table.cadreX0 = x0;
    table.cadreY0 = y0;
    table.cadreX1 = x0 + W;
    table.cadreY1 = bas;
  }
  return table;
}
