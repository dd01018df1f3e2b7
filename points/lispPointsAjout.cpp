// add_pt and tpcdaddpt: a survey point and its block added to the current table from the LISP.
#include <cctype>
#include <charconv>
#include <string>

#include "codification/valeursCodification.h"
#include "host/lispArguments.h"
#include "lisp/acedads.h"
#include "os/codepage.h"
#include "points/lispPoints.h"
#include "points/lispPointsOutils.h"
#include "points/listePointsDuDessin.h"

namespace {

constexpr int kCodeMin = 1;
constexpr int kCodeMax = 9999;

int codeValide(double code) {
  if (!(code >= kCodeMin && code <= kCodeMax)) return 1;  // also NaN
  return static_cast<int>(code);
}

// The number a whole string writes ("12.5", " -3 "), read the same whatever the locale.
bool lireDecimal(const wchar_t* texte, double& valeur) {
  std::string octets = wideToUtf8(texte ? texte : L"");
  const size_t debut = octets.find_first_not_of(" \t");
  if (debut == std::string::npos) return false;
  octets = octets.substr(debut, octets.find_last_not_of(" \t") + 1 - debut);
  const char* p = octets.c_str();
  const char* fin = p + octets.size();
  bool negatif = false;
  if (*p == '+' || *p == '-') negatif = *p++ == '-';
  // Digits or a point first: from_chars would also take "inf" and "nan".
  if (p == fin || !(std::isdigit(static_cast<unsigned char>(*p)) || *p == '.')) return false;
  const auto lu = std::from_chars(p, fin, valeur, std::chars_format::general);
  if (lu.ec != std::errc() || lu.ptr != fin) return false;
  if (negatif) valeur = -valeur;
  return true;
}

int nombreArguments() {
  argumentsLisp args;
  int nombre = 0;
  for (; args.courant() != nullptr; args.sauteValeur()) ++nombre;
  return nombre;
}

// x and y of a point argument, or of a list of two numbers.
bool lirePosition(argumentsLisp& args, double& x, double& y) {
  if (args.estPoint()) {
    x = args.courant()->resval.rpoint[0];
    y = args.courant()->resval.rpoint[1];
    args.suivant();
    return true;
  }
  if (args.type() != RTLB) return false;
  args.suivant();
  if (!args.estNombre()) return false;
  x = args.nombre();
  args.suivant();
  if (!args.estNombre()) return false;
  y = args.nombre();
  args.suivant();
  if (args.type() != RTLE) return false;
  args.suivant();
  return true;
}

// Makes the point's block (the code's layers made when missing) and appends the point.
void ajouterPoint(listePointsDuDessin& table, const wchar_t* nom, int code, double x, double y,
                  double z, const wchar_t* observation) {
  pointDuDessin point;
  point.setParams(nom, AcGePoint3d(x, y, z), code);
  point.creer(true, observation);
  table.Ajouter(point);
}

}  // namespace

void lispAddPt() {
  listePointsDuDessin* table = tableCourantePoints();
  argumentsLisp args;
  if (table == nullptr || nombreArguments() < 5 || args.type() != RTSTR) {
    acedRetNil();
    return;
  }
  const std::wstring nom = args.courant()->resval.rstring;
  args.suivant();
  if (!args.estNombre()) {
    acedRetNil();
    return;
  }
  const int code = codeValide(args.nombre());
  args.suivant();
  double x = 0.0;
  double y = 0.0;
  if (!lirePosition(args, x, y)) {
    acedRetNil();
    return;
  }
  // Anything but a number or a string that writes one leaves the point without altitude.
  double z = kSansValeur;
  if (args.estNombre()) {
    z = args.nombre();
  } else if (args.type() == RTSTR && !lireDecimal(args.courant()->resval.rstring, z)) {
    z = kSansValeur;
  }
  args.sauteValeur();
  const std::wstring observation = args.type() == RTSTR ? args.courant()->resval.rstring : L"";
  ajouterPoint(*table, nom.c_str(), code, x, y, z, observation.c_str());
}

void lispTpcdAddPt() {
  listePointsDuDessin* table = tableCourantePoints();
  if (table == nullptr || nombreArguments() < 5) {
    acedRetNil();
    return;
  }
  argumentsLisp args;
  if (args.type() != RTSTR) return;
  const std::wstring nom = args.courant()->resval.rstring;
  args.suivant();
  int code = 0;
  switch (args.type()) {
    case RTSHORT: code = args.courant()->resval.rint; break;
    case RTLONG: code = static_cast<int>(args.courant()->resval.rlong); break;
    case RTSTR: code = entierEnTete(wideToUtf8(args.courant()->resval.rstring).c_str()); break;
    default: return;
  }
  if (code < kCodeMin || code > kCodeMax) code = 1;
  args.suivant();
  if (!args.estPoint()) return;
  const double x = args.courant()->resval.rpoint[0];
  const double y = args.courant()->resval.rpoint[1];
  args.suivant();
  double z = kSansValeur;
  if (args.estNombre()) {
    z = args.nombre();
  } else if (args.type() != RTNIL) {
    return;
  }
  args.suivant();
  if (args.type() != RTSTR) return;
  const std::wstring observation = args.courant()->resval.rstring;

  // A point of that name is replaced, block included.
  int position = -1;
  if (table->existPoint(nom.c_str(), position)) table->supprimerPoint(nom.c_str());
  ajouterPoint(*table, nom.c_str(), code, x, y, z, observation.c_str());
}
