#include "host/CDocData.h"

#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "host/AsdkDataManager.h"
#include "points/listePointsDuDessin.h"
#include "points/stockageTopo.h"
#include "rx/acdocman.h"

CDocData::CDocData() = default;
CDocData::~CDocData() = default;
CDocData::CDocData(CDocData&&) noexcept = default;
CDocData& CDocData::operator=(CDocData&&) noexcept = default;

projetsTopo* CDocData::projet() {
  if (!projet_) projet_ = std::make_unique<projetsTopo>();
  return projet_.get();
}

namespace {

// Designates the project of the document that becomes current, as long as the designation is
// the module's own: once another module designates a project, the module leaves it alone.
class donneesDocuments : public AsdkDataManager<CDocData> {
 public:
  ~donneesDocuments() override {
    if (tablesPoints != nullptr && tablesPoints == designe_) setSrcInfosTopo(nullptr, nullptr, 0, 0);
  }

  void designer(AcApDocument* document) {
    if (document == nullptr || !designationPropre()) return;
    CDocData* donnees = docData(document);
    const bool premiereFois = !donnees->aProjet();
    AcDbDatabase* db = document->database();
    // A drawing without a stored project starts with the empty project just made.
    const int charger = premiereFois && projetEnregistre(db) ? 1 : 0;
    designe_ = donnees->projet();
    setSrcInfosTopo(db, designe_, 1, charger);
  }

  bool designationPropre() const { return tablesPoints == nullptr || tablesPoints == designe_; }
  projetsTopo* designe() const { return designe_; }

  void documentBecameCurrent(AcApDocument* document) override { designer(document); }

  void documentToBeDestroyed(AcApDocument* document) override {
    if (CDocData* donnees = find(document); donnees != nullptr && donnees->aProjet() &&
                                            donnees->projet() == designe_) {
      // Never leave the module working on a project that is gone.
      if (tablesPoints == designe_) setSrcInfosTopo(nullptr, nullptr, 0, 0);
      designe_ = nullptr;
    }
    AsdkDataManager<CDocData>::documentToBeDestroyed(document);
  }

 private:
  projetsTopo* designe_ = nullptr;  // the last project the module designated itself
};

// The record written while a drawing is saved is part of the save, not a change of the drawing:
// nothing to undo, and the drawing stays saved.
class sansAnnulation {
 public:
  explicit sansAnnulation(AcDbDatabase* db) : db_(db), avant_(db != nullptr && db->undoRecording()) {
    if (db_ != nullptr) db_->disableUndoRecording(true);
  }
  ~sansAnnulation() {
    if (db_ != nullptr) db_->disableUndoRecording(!avant_);
  }
  sansAnnulation(const sansAnnulation&) = delete;
  sansAnnulation& operator=(const sansAnnulation&) = delete;

 private:
  AcDbDatabase* db_;
  bool avant_;
};

std::unique_ptr<donneesDocuments>& gestionnaire() {
  static std::unique_ptr<donneesDocuments> instance;
  return instance;
}

}  // namespace

void creerDonneesDocuments() {
  if (gestionnaire()) return;
  gestionnaire() = std::make_unique<donneesDocuments>();
  gestionnaire()->designer(acDocManagerPtr()->curDocument());
}

void detruireDonneesDocuments() { gestionnaire().reset(); }

CDocData* donneesDocument(AcApDocument* document) {
  return gestionnaire() ? gestionnaire()->docData(document) : nullptr;
}

void enregistrerProjetDocument(AcApDocument* document) {
  donneesDocuments* donnees = gestionnaire().get();
  AcApDocument* courant = acDocManagerPtr()->curDocument();
  if (donnees == nullptr || document == nullptr || document == courant || !donnees->designationPropre()) {
    sansAnnulation pendant(acdbHostApplicationServices()->workingDatabase());
    enregistrerProjetDansDessin();
    return;
  }
  // A drawing that never became current since the module was loaded has no project in memory:
  // its stored one stays as it is.
  CDocData* donneesDocument = donnees->find(document);
  if (donneesDocument == nullptr || !donneesDocument->aProjet()) return;
  AcDbHostApplicationServices* services = acdbHostApplicationServices();
  AcDbDatabase* travail = services->workingDatabase();
  projetsTopo* designe = tablesPoints;
  services->setWorkingDatabase(document->database());
  setSrcInfosTopo(document->database(), donneesDocument->projet(), 1, 0);
  {
    sansAnnulation pendant(document->database());
    enregistrerProjetDansDessin();
  }
  setSrcInfosTopo(travail, designe, designe != nullptr ? 1 : 0, 0);
  services->setWorkingDatabase(travail);
}
