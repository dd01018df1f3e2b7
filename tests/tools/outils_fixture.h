// A drawing current in a command line fed with answers, the module's dialogs registered and the
// drawing tools callable from LISP by their registered names.
#pragma once
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "ed/ed_fixture.h"
#include "lisp/acedads.h"
#include "lisp/interpreter.h"
#include "lisp/reader.h"
#include "codification/globalCodification.h"
#include "points/attribsPoints.h"
#include "points/listePointsDuDessin.h"
#include "points/pointDuDessin.h"
#include "points/stockageTopo.h"
#include "resources/ressourcesModule.h"
#include "rx/acdocman.h"
#include "tools/commandesOutils.h"
#include "tools/module_functions.h"
#include "ui/dialog_driver.h"

class OutilsDessin : public ScriptedEditor {
 protected:
  OutilsDessin() {
    acDocManager->closeAll();
    enregistrerRessources();
    ui::setDialogDriver(nullptr);
    document_ = acDocManager->newDocument();
    document_->interpreter().setExternalHandler(&fonctions_);
    oublierGlobalCodification();
    globalPointScale = 1.0;
    setSrcInfosTopo(document_->database(), &projet_, 1, 0);
  }
  ~OutilsDessin() override {
    EXPECT_EQ(dessin()->openObjectCount(), 0);
    setSrcInfosTopo(nullptr, nullptr, 0, 0);
    oublierGlobalCodification();
    acDocManager->closeAll();
    retirerRessources();
  }

  std::wstring eval(const std::wstring& source) {
    lisp::EvalResult result = document_->interpreter().evaluate(source);
    if (!result.ok) return result.error;
    return lisp::printValue(result.value, true);
  }
  AcDbDatabase* dessin() const { return document_->database(); }
  void clearTranscript() { ed::Editor::instance().transcript().clearCaptured(); }

  // The entities of model space of one class, in drawing order.
  template <class T>
  std::vector<AcDbObjectId> entites() const {
    std::vector<AcDbObjectId> ids;
    AcDbBlockTableRecord* espace = nullptr;
    if (acdbOpenObject(espace, dessin()->modelSpaceId(), AcDb::kForRead) != Acad::eOk) return ids;
    AcDbBlockTableRecordIterator* it = nullptr;
    espace->newIterator(it);
    for (; !it->done(); it->step()) {
      AcDbEntity* entite = nullptr;
      if (it->getEntity(entite, AcDb::kForRead) != Acad::eOk) continue;
      if (entite->isKindOf(T::desc())) ids.push_back(entite->objectId());
      entite->close();
    }
    delete it;
    espace->close();
    return ids;
  }

  AcDbObjectId ajouter(AcDbEntity* entite) {
    AcDbBlockTableRecord* espace = nullptr;
    AcDbObjectId id;
    if (acdbOpenObject(espace, dessin()->modelSpaceId(), AcDb::kForWrite) != Acad::eOk) return id;
    entite->setDatabaseDefaults(dessin());
    espace->appendAcDbEntity(id, entite);
    entite->close();
    espace->close();
    return id;
  }

  // "#HANDLE" picks the entity in a script.
  static std::wstring poignee(AcDbObjectId id) {
    AcDbObject* objet = nullptr;
    if (acdbOpenObject(objet, id, AcDb::kForRead) != Acad::eOk) return L"";
    ACHAR texte[32];
    objet->objectId().handle().getIntoAsciiBuffer(texte);
    objet->close();
    return std::wstring(L"#") + texte;
  }

  // A survey point drawn as its block and added to the current table.
  AcDbObjectId pointTopo(const char* nom, double x, double y, double z = 100.0) {
    pointDuDessin p;
    p.setNomPoint(nom);
    p.setXY(x, y, z);
    p.creer(true);
    table().Ajouter(p);
    return p.getId();
  }
  listePointsDuDessin& table() { return *projet_.currTable(); }

  AcApDocument* document_ = nullptr;
  FonctionsModule fonctions_{{
      {L"SUPERPOS", lispSuperpos},           {L"C:ALLEGERDESSIN", lispAllegerDessin},
      {L"C:PROJPOLY", lispProjPoly},         {L"C:POINTSPARDECALAGE", lispPointsParDecalage},
      {L"C:JLDEPORTPNTS", lispJlDeportPnts}, {L"C:DISSOCBLOCK", lispDissocBlock},
      {L"C:JLAJUSTERZ", lispJlAjusterZ},     {L"CARROYAGE", commandeCarroyage},
      {L"RECT3PT", commandeRect3Pt}}};
  projetsTopo projet_;
};
