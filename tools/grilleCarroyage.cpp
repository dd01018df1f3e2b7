#include "tools/grilleCarroyage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cwchar>
#include <numbers>

namespace {

// A piece of the outline along which y only grows or only falls (straight sides, and arcs cut at
// their highest and lowest points), so that a horizontal line meets it at most once.
struct morceau {
  double yBas, yHaut;
  bool arc;
  double xa, ya, xb, yb;    // side: its two ends
  double cx, cy, r, cote;   // arc: centre, radius, +1 for the right half of the circle, -1 left
};

double xA(const morceau& m, double y) {
  if (m.arc) {
    const double dy = y - m.cy;
    return m.cx + m.cote * std::sqrt(std::max(0.0, m.r * m.r - dy * dy));
  }
  if (m.yb == m.ya) return m.xa;
  const double t = std::clamp((y - m.ya) / (m.yb - m.ya), 0.0, 1.0);
  return m.xa + t * (m.xb - m.xa);
}

void ajouterCote(std::vector<morceau>& morceaux, double xa, double ya, double xb, double yb) {
  morceau m{};
  m.arc = false;
  m.xa = xa;
  m.ya = ya;
  m.xb = xb;
  m.yb = yb;
  m.yBas = std::min(ya, yb);
  m.yHaut = std::max(ya, yb);
  morceaux.push_back(m);
}

// The arc from (xa, ya) to (xb, yb) with that bulge, cut where its tangent is horizontal. The ends
// are the vertices themselves, so that neighbouring pieces share their end values exactly.
void ajouterArc(std::vector<morceau>& morceaux, double xa, double ya, double xb, double yb,
                double bulge) {
  const double corde = std::hypot(xb - xa, yb - ya);
  const double ecart = corde * (1.0 - bulge * bulge) / (4.0 * bulge);  // from the chord's middle
  const double ux = (xb - xa) / corde;
  const double uy = (yb - ya) / corde;
  const double cx = (xa + xb) / 2.0 - uy * ecart;
  const double cy = (ya + yb) / 2.0 + ux * ecart;
  const double r = corde * (1.0 + bulge * bulge) / (4.0 * std::fabs(bulge));
  const double debut = std::atan2(ya - cy, xa - cx);
  const double balayage = 4.0 * std::atan(bulge);  // counter-clockwise when positive
  // Angles pi/2 + k*pi strictly inside the sweep, in the order of the sweep.
  std::vector<double> coupures;
  const double pi = std::numbers::pi;
  const double a0 = std::min(debut, debut + balayage);
  const double a1 = std::max(debut, debut + balayage);
  for (double k = std::floor((a0 - pi / 2) / pi) + 1; pi / 2 + k * pi < a1; k += 1.0) {
    const double a = pi / 2 + k * pi;
    if (a > a0) coupures.push_back(a);
  }
  if (balayage < 0) std::reverse(coupures.begin(), coupures.end());
  double px = xa, py = ya, angle = debut;
  for (size_t i = 0; i <= coupures.size(); ++i) {
    const bool dernier = i == coupures.size();
    const double suivant = dernier ? debut + balayage : coupures[i];
    const double qx = dernier ? xb : cx + r * std::cos(suivant);
    const double qy = dernier ? yb : cy + r * std::sin(suivant);
    morceau m{};
    m.arc = true;
    m.xa = px;
    m.ya = py;
    m.xb = qx;
    m.yb = qy;
    m.cx = cx;
    m.cy = cy;
    m.r = r;
    m.cote = std::cos((angle + suivant) / 2.0) >= 0.0 ? 1.0 : -1.0;
    m.yBas = std::min(py, qy);
    m.yHaut = std::max(py, qy);
    morceaux.push_back(m);
    px = qx;
    py = qy;
    angle = suivant;
  }
}

// The outline as pieces; transpose swaps X and Y (a mirror, so the bulges change sign), which lets
// the vertical grid lines be found as horizontal ones.
std::vector<morceau> decouper(const std::vector<sommetContour>& contour, bool transpose) {
  std::vector<morceau> morceaux;
  const size_t n = contour.size();
  for (size_t i = 0; i < n; ++i) {
    const sommetContour& a = contour[i];
    const sommetContour& b = contour[(i + 1) % n];
    double xa = a.x, ya = a.y, xb = b.x, yb = b.y, bulge = a.bulge;
    if (transpose) {
      std::swap(xa, ya);
      std::swap(xb, yb);
      bulge = -bulge;
    }
    if (xa == xb && ya == yb) continue;
    if (std::fabs(bulge) < 1e-12 || !std::isfinite(bulge)) {
      ajouterCote(morceaux, xa, ya, xb, yb);
    } else {
      ajouterArc(morceaux, xa, ya, xb, yb, bulge);
    }
  }
  return morceaux;
}

// What one grid line meets: the crossings in pairs (inside stretches, by the even-odd rule with
// each vertex counted on one side only), and every point where it touches the outline.
struct rencontres {
  std::vector<double> traversees;
  std::vector<double> contacts;                     // sorted
  std::vector<std::pair<double, double>> longees;   // stretches running along the outline
};

// Calls visiter(y, rencontres) for every grid line y = k*pas from below to above the pieces.
template <class Visiteur>
void balayer(std::vector<morceau> morceaux, double pas, double tolerance, Visiteur&& visiter) {
  if (morceaux.empty()) return;
  std::sort(morceaux.begin(), morceaux.end(),
            [](const morceau& a, const morceau& b) { return a.yBas < b.yBas; });
  double yMin = morceaux.front().yBas, yMax = morceaux.front().yHaut;
  for (const morceau& m : morceaux) yMax = std::max(yMax, m.yHaut);
  const auto kDebut = static_cast<std::int64_t>(std::floor(yMin / pas));
  const auto kFin = static_cast<std::int64_t>(std::ceil(yMax / pas));
  std::vector<const morceau*> actifs;
  size_t prochain = 0;
  rencontres r;
  for (std::int64_t k = kDebut; k <= kFin; ++k) {
    const double y = static_cast<double>(k) * pas;
    while (prochain < morceaux.size() && morceaux[prochain].yBas <= y + tolerance) {
      actifs.push_back(&morceaux[prochain++]);
    }
    std::erase_if(actifs, [&](const morceau* m) { return m->yHaut < y - tolerance; });
    r.traversees.clear();
    r.contacts.clear();
    r.longees.clear();
    for (const morceau* m : actifs) {
      if (m->yBas <= y && y < m->yHaut) r.traversees.push_back(xA(*m, y));
      if (m->yHaut - m->yBas <= tolerance && !m->arc) {
        r.contacts.push_back(m->xa);
        r.contacts.push_back(m->xb);
        r.longees.emplace_back(std::min(m->xa, m->xb), std::max(m->xa, m->xb));
      } else {
        r.contacts.push_back(xA(*m, std::clamp(y, m->yBas, m->yHaut)));
      }
    }
    std::sort(r.traversees.begin(), r.traversees.end());
    std::sort(r.contacts.begin(), r.contacts.end());
    visiter(y, r);
  }
}

bool surLeContour(double x, const rencontres& r, double tolerance) {
  const auto proche = std::lower_bound(r.contacts.begin(), r.contacts.end(), x - tolerance);
  if (proche != r.contacts.end() && *proche <= x + tolerance) return true;
  for (const auto& [debut, fin] : r.longees) {
    if (x >= debut - tolerance && x <= fin + tolerance) return true;
  }
  return false;
}

double toleranceDe(const std::vector<sommetContour>& contour) {
  double grandeur = 1.0;
  for (const sommetContour& s : contour) grandeur = std::max({grandeur, std::fabs(s.x), std::fabs(s.y)});
  return grandeur * 1e-9;
}

bool contourUtilisable(const std::vector<sommetContour>& contour) {
  for (const sommetContour& s : contour) {
    if (!std::isfinite(s.x) || !std::isfinite(s.y)) return false;
  }
  return contour.size() >= 2;
}

}  // namespace

std::wstring texteCoordonnee(double valeur, int decimales) {
  wchar_t format[8];
  std::swprintf(format, std::size(format), L"%%.%df", std::clamp(decimales, 0, 4));
  wchar_t texte[64];
  std::swprintf(texte, std::size(texte), format, valeur);
  std::wstring resultat = texte;
  if (resultat.size() > 1 && resultat[0] == L'-' &&
      resultat.find_first_not_of(L"0.", 1) == std::wstring::npos) {
    resultat.erase(0, 1);
  }
  return resultat;
}

double noeudsDansEmprise(const std::vector<sommetContour>& contour, double pasX, double pasY) {
  if (!contourUtilisable(contour) || !(pasX > 0.0) || !(pasY > 0.0)) return 0.0;
  const std::vector<morceau> enY = decouper(contour, false);
  const std::vector<morceau> enX = decouper(contour, true);
  auto lignes = [](const std::vector<morceau>& morceaux, double pas) {
    if (morceaux.empty()) return 0.0;
    double bas = morceaux.front().yBas, haut = morceaux.front().yHaut;
    for (const morceau& m : morceaux) {
      bas = std::min(bas, m.yBas);
      haut = std::max(haut, m.yHaut);
    }
    return std::ceil(haut / pas) - std::floor(bas / pas) + 1.0;
  };
  return lignes(enY, pasY) * lignes(enX, pasX);
}

dessinCarroyage calculerCarroyage(const std::vector<sommetContour>& contour,
                                  const parametresCarroyage& p) {
  dessinCarroyage dessin;
  if (!contourUtilisable(contour) || !(p.pasX > 0.0) || !(p.pasY > 0.0)) return dessin;
  if (!(noeudsDansEmprise(contour, p.pasX, p.pasY) <= kNoeudsCarroyageMax)) return dessin;
  const double tolerance = toleranceDe(contour);
  const double s = p.tailleCroix;
  const double h = p.hauteurTexte;
  auto trait = [&](double x1, double y1, double x2, double y2) {
    dessin.traits.push_back({x1, y1, x2, y2});
  };
  auto texte = [&](double x, double y, double rotation, bool droite, double valeur) {
    dessin.textes.push_back({x, y, rotation, droite, texteCoordonnee(valeur, p.decimales)});
  };

  // Horizontal lines: the crosses of every inside node, then the labels at both ends.
  balayer(decouper(contour, false), p.pasY, tolerance, [&](double y, const rencontres& r) {
    for (size_t i = 0; i + 1 < r.traversees.size(); i += 2) {
      const double xa = r.traversees[i], xb = r.traversees[i + 1];
      for (auto k = static_cast<std::int64_t>(std::floor(xa / p.pasX));
           static_cast<double>(k) * p.pasX < xb; ++k) {
        const double x = static_cast<double>(k) * p.pasX;
        if (x <= xa || surLeContour(x, r, tolerance)) continue;
        trait(x - s / 2, y, x + s / 2, y);
        trait(x, y - s / 2, x, y + s / 2);
      }
    }
    if (r.contacts.empty()) return;
    const double x0 = r.contacts.front(), xl = r.contacts.back();
    if (p.ecrituresInternes) {
      trait(x0, y, x0 + s / 2, y);
      texte(x0 + s, y - h / 2, 0.0, false, y);
      trait(xl, y, xl - s / 2, y);
      texte(xl - s / 2, y - h / 2, 0.0, true, y);
    } else {
      trait(x0, y, x0 - s / 2, y);
      texte(x0 - s, y - h / 2, 0.0, true, y);
      trait(xl, y, xl + s / 2, y);
      texte(xl + s, y - h / 2, 0.0, false, y);
    }
  });

  // Vertical lines, found as horizontal ones of the transposed outline: labels only.
  const double quart = std::numbers::pi / 2;
  balayer(decouper(contour, true), p.pasX, tolerance, [&](double x, const rencontres& r) {
    if (r.contacts.empty()) return;
    const double y0 = r.contacts.front(), yl = r.contacts.back();
    if (p.ecrituresInternes) {
      trait(x, y0 + s / 2, x, y0);
      texte(x + h / 2, y0 + s, quart, false, x);
      trait(x, yl - s / 2, x, yl);
      texte(x + h / 2, yl - s, quart, true, x);
    } else {
      trait(x, y0 - s / 2, x, y0);
      texte(x + h / 2, y0 - s, quart, true, x);
      trait(x, yl + s / 2, x, yl);
      texte(x + h / 2, yl + s, quart, false, x);
    }
  });
  return dessin;
}
