#include "points/pointDuDessin.h"

#include <strings.h>

#include <cmath>
#include <cstring>

#include "os/codepage.h"
#include "points/CResbuf.h"

namespace {

constexpr double kEcartEgal = 0.0001;  // (drawing units)

}  // namespace

pointDuDessin::pointDuDessin() = default;

pointDuDessin& pointDuDessin::operator=(const pointDuDessin& autre) {
  x_ = autre.x_;
  y_ = autre.y_;
  z_ = autre.z_;
  code_ = autre.code_;
  setNomPoint(autre.nom_);
  id_ = autre.id_;
  return *this;
}

bool pointDuDessin::operator==(const pointDuDessin& autre) const {
  return std::fabs(x_ - autre.x_) < kEcartEgal && std::fabs(y_ - autre.y_) < kEcartEgal &&
         std::fabs(z_ - autre.z_) < kEcartEgal && code_ == autre.code_ &&
         strcasecmp(nom_, autre.nom_) == 0;
}

double pointDuDessin::distanceTo(const pointDuDessin& autre) const {
  return std::hypot(autre.x_ - x_, autre.y_ - y_);
}

void pointDuDessin::setXY(double x, double y, double z) {
  x_ = x;
  y_ = y;
  z_ = z;
}

void pointDuDessin::setNomPoint(const char* nom) {
  std::memset(nom_, 0, sizeof nom_);
  if (nom != nullptr) std::strncpy(nom_, nom, kLongueurNom);
}

void pointDuDessin::setNomPoint(const wchar_t* nom) {
  setNomPoint(nom ? wideToAnsi(nom).c_str() : nullptr);
}

void pointDuDessin::setParams(const wchar_t* nom, const AcGePoint3d& position, int code) {
  setNomPoint(nom);
  setXY(position.x, position.y, position.z);
  code_ = code;
}

int pointDuDessin::saveToXRecord(CResbuf& chaine) const {
  return chaine.ajouterOctets(nom_, sizeof nom_) && chaine.ajouterEntier(code_) &&
         chaine.ajouterReel(x_) && chaine.ajouterReel(y_) && chaine.ajouterReel(z_) &&
         chaine.ajouterId(id_);
}

int pointDuDessin::readFromXRecord(CResbuf& chaine) {
  char nom[kLongueurNom + 1] = {};
  if (!chaine.lireOctets(nom, sizeof nom)) return 0;
  nom[kLongueurNom] = '\0';
  setNomPoint(nom);
  Adesk::Int32 code = 0;
  if (!chaine.lireEntier(code)) return 0;
  code_ = code;
  return chaine.lireReel(x_) && chaine.lireReel(y_) && chaine.lireReel(z_) && chaine.lireId(id_);
}
