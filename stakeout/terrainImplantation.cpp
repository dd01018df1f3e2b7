#include "stakeout/terrainImplantation.h"

#include <memory>

#include "rx/rxdlinkr.h"
#include "terrain/tin_interface.h"

namespace {

struct fonctionsTerrain {
  CurrDwgDataFunction donnees = nullptr;
  CalcZPointFunction altitude = nullptr;
  TinExtractPathFunction profil = nullptr;
};

class terrainModule : public terrainImplantation {
 public:
  terrainModule(const fonctionsTerrain& fonctions, TinModel* modele)
      : fonctions_(fonctions), modele_(modele) {}

  bool altitude(AcGePoint3d& point) const override {
    AcGePoint3d copie = point;
    if (fonctions_.altitude(modele_, &copie) == 0) return false;
    point.z = copie.z;
    return true;
  }

  bool profil(const AcGePoint3d& depuis, const AcGePoint3d& vers,
              std::vector<std::vector<AcGePoint3d>>& polylignes) const override {
    AcArray<AcGePoint3dArray> extrait;
    if (fonctions_.profil(modele_, &depuis, &vers, &extrait) == 0) return false;
    for (int i = 0; i < extrait.length(); ++i) {
      std::vector<AcGePoint3d> polyligne;
      for (int j = 0; j < extrait[i].length(); ++j) polyligne.push_back(extrait[i][j]);
      polylignes.push_back(std::move(polyligne));
    }
    return true;
  }

 private:
  fonctionsTerrain fonctions_;
  TinModel* modele_;
};

fonctionsTerrain fonctionsConnues;
std::unique_ptr<terrainModule> terrainCourant;

}  // namespace

const terrainImplantation* terrainDuDessin() {
  terrainCourant.reset();
  AcRxDynamicLinker* editeurDeLiens = acrxDynamicLinker;
  // Unloaded since the last call: what was found points nowhere now.
  if (!editeurDeLiens->isModuleLoaded(kTerrainModuleName)) fonctionsConnues = fonctionsTerrain();
  if (fonctionsConnues.donnees == nullptr || fonctionsConnues.altitude == nullptr ||
      fonctionsConnues.profil == nullptr) {
    fonctionsConnues.donnees = reinterpret_cast<CurrDwgDataFunction>(
        editeurDeLiens->getSymbolAddress(kTerrainModuleName, kCurrDwgDataSymbol));
    fonctionsConnues.altitude = reinterpret_cast<CalcZPointFunction>(
        editeurDeLiens->getSymbolAddress(kTerrainModuleName, kCalcZPointSymbol));
    fonctionsConnues.profil = reinterpret_cast<TinExtractPathFunction>(
        editeurDeLiens->getSymbolAddress(kTerrainModuleName, kTinExtractPathSymbol));
  }
  if (fonctionsConnues.donnees == nullptr || fonctionsConnues.altitude == nullptr ||
      fonctionsConnues.profil == nullptr) {
    return nullptr;
  }
  TinDrawingData* donnees = nullptr;
  if (fonctionsConnues.donnees(&donnees) == 0 || donnees == nullptr || donnees->models.isEmpty()) {
    return nullptr;
  }
  if (donnees->current < 0 || donnees->current >= donnees->models.length()) donnees->current = 0;
  terrainCourant =
      std::make_unique<terrainModule>(fonctionsConnues, donnees->models[donnees->current]);
  return terrainCourant.get();
}
