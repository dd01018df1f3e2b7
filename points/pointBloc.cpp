// A survey point's block in the drawing: made from its code's entry, and brought up to date.
#include <string>

#include "codification/globalCodification.h"
#include "codification/valeursCodification.h"
#include "db/acdbads.h"
#include "db/acutads.h"
#include "db/dbapserv.h"
#include "db/dbblkref.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "ge/gemat3d.h"
#include "host/attributsBloc.h"
#include "host/cheminInstallation.h"
#include "os/codepage.h"
#include "points/attribsPoints.h"
#include "points/getBlockDefinition.h"
#include "points/pointDuDessin.h"

namespace {

const wchar_t* const kMarquePoint = L"JALOPLUS";

CString texteAltitude(double z, int decimales) {
  if (z == kSansValeur) return CString();
  CString format;
  format.Format(L"%%.%df", decimales);
  CString texte;
  texte.Format(format.GetString(), z);
  return texte;
}

CString nomAffiche(const char* nom) {
  CString texte(ansiToWide(nom).c_str());
  texte.Trim(L" \t");
  texte.MakeUpper();
  return texte;
}

// One attribute of the block: at (x + dx s, y + dy s), height s, on its layer, colour BYLAYER.
void ajouterAttribut(AcDbBlockReference& bloc, const CString& etiquette, const CString& texte,
                     const AcGePoint3d& position, double s, const CString& calque, bool invisible) {
  auto* attribut = new AcDbAttribute(position, texte.GetString(), etiquette.GetString());
  attribut->setDatabaseDefaults(bloc.database());
  attribut->setHeight(s);
  attribut->setLayer(calque.GetString());
  attribut->setColorIndex(256);
  attribut->setInvisible(invisible);
  AcDbObjectId id;
  if (bloc.appendAttribute(id, attribut) == Acad::eOk) {
    attribut->close();
  } else {
    delete attribut;
  }
}

void marquer(AcDbBlockReference& bloc) {
  resbuf* marque = acutBuildList(1001, kMarquePoint, 1070, 1, 0);
  bloc.setXData(marque);
  acutRelRb(marque);
}

// Sets the text of every attribute of that tag.
void changerAttribut(AcDbBlockReference& bloc, const CString& etiquette, const CString& texte) {
  modifierAttributs(bloc, [&](AcDbAttribute& attribut) {
    if (etiquette.CompareNoCase(attribut.tagConst()) == 0) attribut.setTextString(texte.GetString());
  });
}

}  // namespace

void pointDuDessin::getZAsString(CString& texte) const {
  texte = z_ == kSansValeur ? CString()
                            : texteAltitude(z_, globalCodification()->getCodif(code_).precisionAltitudes);
}

void pointDuDessin::creer(bool creerLayers, const wchar_t* observation) {
  AcDbDatabase* dessin = acdbHostApplicationServices()->workingDatabase();
  if (dessin == nullptr) return;
  codifPoint& entree = globalCodification()->getCodif(code_);
  if (creerLayers) entree.createLayers();
  CString chemin = rogner(entree.chemin);
  if (chemin.IsEmpty()) chemin = cheminInstallation(FICHIER_BLOC_POINT);
  const AcDbObjectId definition = getBlockDefinition(chemin.GetString(), dessin);
  if (definition.isNull()) return;
  // The mark's application must be known to the drawing before any block carries it.
  acdbRegApp(kMarquePoint);

  const double s = globalPointScale * entree.tailleBlock;
  auto* bloc = new AcDbBlockReference(AcGePoint3d(x_, y_, 0.0), definition);
  bloc->setDatabaseDefaults(dessin);
  bloc->setScaleFactors(AcGeScale3d(s, s, s));
  bloc->setLayer(entree.getLayer(kLayerBlock).GetString());
  AcDbBlockTableRecord* espace = nullptr;
  if (acdbOpenObject(espace, dessin->modelSpaceId(), AcDb::kForWrite) != Acad::eOk) {
    delete bloc;
    return;
  }
  AcDbObjectId id;
  const Acad::ErrorStatus ajoute = espace->appendAcDbEntity(id, bloc);
  espace->close();
  if (ajoute != Acad::eOk) {
    delete bloc;
    return;
  }
  id_ = id;

  CString code;
  code.Format(L"%d", code_);
  CString obs(observation ? observation : L"");
  obs.Trim(L" \t");
  const attribsPoints& tags = globalAttribsPoints;
  const double x = x_ + 0.75 * s;
  ajouterAttribut(*bloc, tags.code, code, AcGePoint3d(x, y_ + 2.0 * s, 0.0), s,
                  entree.getLayer(kLayerCode), true);
  ajouterAttribut(*bloc, tags.numero, nomAffiche(nom_), AcGePoint3d(x, y_ + 0.5 * s, 0.0), s,
                  entree.getLayer(kLayerNumero), false);
  ajouterAttribut(*bloc, tags.altitude, texteAltitude(z_, entree.precisionAltitudes),
                  AcGePoint3d(x, y_ - s, 0.0), s, entree.getLayer(kLayerAltitudes), false);
  ajouterAttribut(*bloc, tags.observation, obs, AcGePoint3d(x, y_ - 2.5 * s, 0.0), s,
                  entree.getLayer(kLayerObs), false);
  marquer(*bloc);
  bloc->close();
}

void pointDuDessin::updateDrawing() {
  AcDbBlockReference* bloc = nullptr;
  if (id_.isNull() || acdbOpenObject(bloc, id_, AcDb::kForWrite) != Acad::eOk) {
    creer(true, nullptr);
    return;
  }
  changerAttribut(*bloc, globalAttribsPoints.numero, CString(ansiToWide(nom_).c_str()));
  CString altitude;
  getZAsString(altitude);
  changerAttribut(*bloc, globalAttribsPoints.altitude, altitude);
  const AcGePoint3d position = bloc->position();
  AcGeMatrix3d deplacement;
  deplacement.setToTranslation(AcGeVector3d(x_ - position.x, y_ - position.y, 0.0));
  bloc->transformBy(deplacement);
  bloc->close();
}
