#include "tools/indexBoites.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond this many cells a box is searched with every query rather than stored cell by cell.
constexpr std::int64_t kCellulesParBoiteMax = 64;

}  // namespace

indexBoites::indexBoites(const std::vector<rectangleBoite>& boites)
    : nombre_(boites.size()), marques_(boites.size(), 0) {
  std::vector<double> tailles;
  tailles.reserve(boites.size());
  for (const rectangleBoite& b : boites) tailles.push_back(std::max(b.largeur, b.hauteur));
  if (!tailles.empty()) {
    std::nth_element(tailles.begin(), tailles.begin() + tailles.size() / 2, tailles.end());
    const double mediane = tailles[tailles.size() / 2];
    if (std::isfinite(mediane) && mediane > 0.0) cote_ = 2.0 * mediane;
  }
  cellules_.reserve(boites.size() * 2);
  for (std::size_t i = 0; i < boites.size(); ++i) inserer(i, boites[i]);
}

std::uint64_t indexBoites::cle(std::int64_t cx, std::int64_t cy) {
  return (static_cast<std::uint64_t>(cx) << 32) ^ static_cast<std::uint32_t>(cy);
}

indexBoites::plage indexBoites::cellules(const rectangleBoite& r) const {
  // Cells are counted on doubles first: far or huge rectangles must not overflow the integers.
  const double x0 = std::floor(r.x / cote_), y0 = std::floor(r.y / cote_);
  const double x1 = std::floor((r.x + r.largeur) / cote_);
  const double y1 = std::floor((r.y + r.hauteur) / cote_);
  const bool fini = std::isfinite(x0) && std::isfinite(y0) && std::isfinite(x1) && std::isfinite(y1);
  if (!fini || std::fabs(x0) > 1e9 || std::fabs(y0) > 1e9 || std::fabs(x1) > 1e9 ||
      std::fabs(y1) > 1e9 || (x1 - x0 + 1) * (y1 - y0 + 1) > double(kCellulesParBoiteMax)) {
    return {0, 0, -1, -1, true};
  }
  return {std::int64_t(x0), std::int64_t(y0), std::int64_t(x1), std::int64_t(y1), false};
}

void indexBoites::inserer(std::size_t boite, const rectangleBoite& r) {
  const plage p = cellules(r);
  if (p.large) {
    larges_.push_back(boite);
    return;
  }
  for (std::int64_t cx = p.x0; cx <= p.x1; ++cx) {
    for (std::int64_t cy = p.y0; cy <= p.y1; ++cy) cellules_[cle(cx, cy)].push_back(boite);
  }
}

void indexBoites::retirer(std::size_t boite, const rectangleBoite& r) {
  const plage p = cellules(r);
  auto enlever = [boite](std::vector<std::size_t>& liste) {
    const auto it = std::find(liste.begin(), liste.end(), boite);
    if (it == liste.end()) return;
    *it = liste.back();
    liste.pop_back();
  };
  if (p.large) {
    enlever(larges_);
    return;
  }
  for (std::int64_t cx = p.x0; cx <= p.x1; ++cx) {
    for (std::int64_t cy = p.y0; cy <= p.y1; ++cy) {
      const auto it = cellules_.find(cle(cx, cy));
      if (it != cellules_.end()) enlever(it->second);
    }
  }
}

void indexBoites::deplacer(std::size_t boite, const rectangleBoite& avant,
                           const rectangleBoite& apres) {
  retirer(boite, avant);
  inserer(boite, apres);
}

const std::vector<std::size_t>& indexBoites::candidats(const rectangleBoite& zone) {
  resultat_.clear();
  if (++marque_ == 0) {  // the marks wrapped round: start them again
    std::fill(marques_.begin(), marques_.end(), 0);
    marque_ = 1;
  }
  auto prendre = [this](std::size_t boite) {
    if (marques_[boite] == marque_) return;
    marques_[boite] = marque_;
    resultat_.push_back(boite);
  };
  const plage p = cellules(zone);
  if (p.large) {
    for (std::size_t i = 0; i < nombre_; ++i) prendre(i);
    return resultat_;
  }
  for (std::size_t b : larges_) prendre(b);
  for (std::int64_t cx = p.x0; cx <= p.x1; ++cx) {
    for (std::int64_t cy = p.y0; cy <= p.y1; ++cy) {
      const auto it = cellules_.find(cle(cx, cy));
      if (it == cellules_.end()) continue;
      for (std::size_t b : it->second) prendre(b);
    }
  }
  std::sort(resultat_.begin(), resultat_.end());
  return resultat_;
}
