// Everything one run of the stake-out works on: the points to set out in list order, the stations
// they are staked from, the obstacles, the numbering of new points and the drawing options.
#pragma once
#include <memory>
#include <vector>

#include "adesk.h"
#include "ge/gepnt3d.h"
#include "points/numeroteur.h"
#include "stakeout/observationImplantation.h"
#include "stakeout/observationMiseEnStation.h"
#include "stakeout/obstacleImplantation.h"
#include "stakeout/parametresImplantation.h"
#include "stakeout/terrainImplantation.h"

inline constexpr Adesk::UInt32 kNePasGrouper = 0;
inline constexpr Adesk::UInt32 kGrouperParStation = 1;
inline constexpr Adesk::UInt32 kToutGrouper = 2;

// The choices of one run: what is checked and drawn, and how the result is grouped.
struct optionsImplantation {
  Adesk::UInt32 verifierVisibilite = 1;
  Adesk::UInt32 modeGroupement = kGrouperParStation;
  Adesk::UInt32 dessinerStations = 1;
  Adesk::UInt32 dessinerLignes = 1;
  Adesk::UInt32 placerNumeros = 1;
  Adesk::UInt32 textesAnglesDistances = 1;
  double hauteurStation = 1.0;  // "H.Stat" (drawing units)
};

class contexteImplantation {
 public:
  // The terrain is the one the stake-out checks sight lines on (null: no terrain).
  explicit contexteImplantation(const terrainImplantation* terrain);
  contexteImplantation(const contexteImplantation&) = delete;
  contexteImplantation& operator=(const contexteImplantation&) = delete;

  // Drawing flags from the options (numbers 1, lines 2, texts 4 and 8).
  int drapeauxDessin() const;

  // A new point named by the numbering, its Z from the terrain when it has none; it joins the
  // current batch. Returns its index.
  int ajouterPoint(double x, double y, double z);
  // A point within 0.01 (in plan) of one already in the list.
  bool pointExiste(double x, double y) const;
  // After each pick or element: the next batch, and the next prefix when asked for.
  void finirLot();
  void enleverPoints(const std::vector<Adesk::UInt32>& identifiants);

  observationImplantation* point(Adesk::UInt32 identifiant);
  observationMiseEnStation* station(Adesk::UInt32 identifiant) const;
  const observationMiseEnStation* stationDe(const observationImplantation& point) const;

  // The station takes the points (by identifier), whose angles and visibility are then worked out.
  observationMiseEnStation* affecterStation(std::unique_ptr<observationMiseEnStation> station,
                                            const std::vector<Adesk::UInt32>& identifiants);
  // The points lose their station; stations no point uses any more are erased and deleted.
  void retirerStation(const std::vector<Adesk::UInt32>& identifiants);
  // Station Z from the terrain when unknown, then the visibility test (or its reset).
  void recalculer(const std::vector<Adesk::UInt32>& identifiants);

  // Draws the points (their lines, texts and markers by the flags) and, optionally, their
  // stations.
  void dessinerPoints(const std::vector<Adesk::UInt32>& identifiants, int drapeaux,
                      bool avecStations);
  void dessinerPoint(observationImplantation& point, int drapeaux);
  void effacerGraphismes();
  // Leaves whatever is drawn in the drawing and forgets it.
  void oublierGraphismes();

  // Obstacles: one per entity (a new one replaces the old).
  void ajouterObstacle(std::unique_ptr<obstacleImplantation> obstacle);
  bool retirerObstacle(AcDbObjectId entite);
  std::vector<std::unique_ptr<obstacleImplantation>>& obstacles() { return obstacles_; }

  std::vector<observationImplantation>& points() { return points_; }
  const std::vector<observationImplantation>& points() const { return points_; }
  const std::vector<std::unique_ptr<observationMiseEnStation>>& stations() const {
    return stations_;
  }
  std::vector<Adesk::UInt32> identifiants() const;
  const terrainImplantation* terrain() const { return terrain_; }

  parametresImplantation& parametres() { return parametres_; }
  numeroteurEntier& numerotation() { return numerotation_; }

  optionsImplantation& options() { return options_; }
  const optionsImplantation& options() const { return options_; }

 private:
  const terrainImplantation* terrain_;
  parametresImplantation parametres_;
  optionsImplantation options_;
  numeroteurEntier numerotation_;
  std::vector<observationImplantation> points_;
  std::vector<std::unique_ptr<observationMiseEnStation>> stations_;
  std::vector<std::unique_ptr<obstacleImplantation>> obstacles_;
};
