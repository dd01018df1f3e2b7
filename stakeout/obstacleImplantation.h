// Something drawn that may hide a point from a station: a point obstacle (a vertical cylinder
// around a block) or a linear one (a curve raised by its height). An obstacle is marked on its
// entity with the extended data "JALO_HAUTEURSOBJETS", so that it survives the command.
#pragma once
#include <memory>

#include "adesk.h"
#include "db/adsdef.h"
#include "db/dbid.h"
#include "ge/gept3dar.h"
#include "ge/gepnt2d.h"

inline constexpr long kMarqueObstaclePonctuel = 87340;
inline constexpr long kMarqueObstacleLineaire = 71209;

class obstacleImplantation {
 public:
  obstacleImplantation();
  virtual ~obstacleImplantation() = default;
  obstacleImplantation(const obstacleImplantation&) = delete;
  obstacleImplantation& operator=(const obstacleImplantation&) = delete;

  // Removes the mark from the entity.
  virtual void liberer();
  // Writes the mark on the entity.
  virtual void marquer() = 0;
  // Takes the obstacle from an entity's mark; false when the mark is not one of this kind.
  virtual bool lire(AcDbObjectId entite) = 0;
  // Shows the obstacle over the view in a colour index; 0 removes what is shown.
  virtual void afficher(int couleur) = 0;
  // Appends where the obstacle crosses the horizontal segment (X, Y; Z 0); true if it does.
  virtual bool intersections(const AcGePoint2d& depuis, const AcGePoint2d& vers,
                             AcGePoint3dArray& points) const = 0;

  AcDbObjectId entite() const { return entite_; }
  void setEntite(AcDbObjectId entite) { entite_ = entite; }
  // Above the terrain (drawing units).
  double hauteur() const { return hauteur_; }
  void setHauteur(double hauteur) { hauteur_ = hauteur; }
  int couleur() const { return couleur_; }
  void setCouleur(int couleur) { couleur_ = couleur; }
  Adesk::UInt32 identifiant() const { return identifiant_; }

 protected:
  // Replaces the entity's mark by the chain (null: removes it).
  bool ecrireMarque(const resbuf* marque) const;
  // The entity's mark (1001 first), released by the caller; null when it has none.
  resbuf* lireMarque(AcDbObjectId entite) const;

  AcDbObjectId entite_;
  double hauteur_ = 2.0;
  int couleur_ = 1;
  Adesk::UInt32 identifiant_;
};

// The obstacle that an entity's mark describes, of either kind; null when it carries none.
std::unique_ptr<obstacleImplantation> lireObstacle(AcDbObjectId entite);
