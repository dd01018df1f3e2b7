#include "codification/codifPoint.h"

#include <tinyxml2.h>

#include <cstdio>

#include "codification/valeursCodification.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbsymtb.h"
#include "host/cheminInstallation.h"
#include "os/codepage.h"

namespace {

// Element names of the values, in the order they are written.
const char* const kNomsLayers[kNombreLayersCodif] = {"layerBlock", "layerAltitudes", "layerNumero",
                                                     "layerObs", "layerCode"};
const char* const kNomsCouleurs[kNombreLayersCodif] = {
    "coulLayerBlock", "coulLayerAltitudes", "coulLayerNumero", "coulLayerObs", "coulLayerCode"};
const wchar_t* const kLayersParDefaut[kNombreLayersCodif] = {
    L"0", L"_ Altitudes Points", L"_ Numero Points", L"_ Obs Points", L"_ Codes Points"};

void ecrireTexte(tinyxml2::XMLElement* parent, const char* nom, const CString& valeur) {
  tinyxml2::XMLElement* element = parent->InsertNewChildElement(nom);
  element->SetAttribute("mode", "utf8");
  element->SetText(wideToUtf8(valeur.GetString()).c_str());
}

void ecrireValeur(tinyxml2::XMLElement* parent, const char* nom, const char* valeur) {
  parent->InsertNewChildElement(nom)->SetText(valeur);
}

void ecrireEntier(tinyxml2::XMLElement* parent, const char* nom, int valeur) {
  char texte[16];
  std::snprintf(texte, sizeof texte, "%d", valeur);
  ecrireValeur(parent, nom, texte);
}

// A string value: UTF-8 when the element says so by a "mode" other than "asc", else the ANSI
// code page (files written by hand).
bool lireTexte(const tinyxml2::XMLElement* parent, const char* nom, CString& valeur) {
  const tinyxml2::XMLElement* element = parent->FirstChildElement(nom);
  if (element == nullptr) return false;
  const char* texte = element->GetText();
  const std::string_view octets = texte != nullptr ? texte : "";
  const char* mode = element->Attribute("mode");
  const bool utf8 = mode != nullptr && CString(mode).CompareNoCase(L"asc") != 0;
  valeur = (utf8 ? decoderUtf8(octets) : ansiToWide(octets)).c_str();
  return true;
}

void lireEntier(const tinyxml2::XMLElement* parent, const char* nom, int& valeur) {
  if (const tinyxml2::XMLElement* element = parent->FirstChildElement(nom)) {
    valeur = entierEnTete(element->GetText());
  }
}

}  // namespace

codifPoint::codifPoint()
    : code(1),
      libelle(L"Point Topo"),
      chemin(cheminInstallation(FICHIER_BLOC_POINT)),
      tailleBlock(1.0),
      precisionAltitudes(2) {
  for (int i = 0; i < kNombreLayersCodif; ++i) {
    coulLayers[i] = 7;
    layers[i] = kLayersParDefaut[i];
  }
}

codifPoint::codifPoint(const codifPoint& autre)
    : code(autre.code),
      libelle(autre.libelle),
      chemin(autre.chemin),
      tailleBlock(autre.tailleBlock),
      precisionAltitudes(autre.precisionAltitudes) {
  for (int i = 0; i < kNombreLayersCodif; ++i) {
    coulLayers[i] = autre.coulLayers[i];
    layers[i] = autre.layers[i];
  }
}

codifPoint& codifPoint::operator=(const codifPoint& autre) {
  if (this == &autre) return *this;
  code = autre.code;
  libelle = autre.libelle;
  chemin = autre.chemin;
  tailleBlock = autre.tailleBlock;
  precisionAltitudes = autre.precisionAltitudes;
  for (int i = 0; i < kNombreLayersCodif; ++i) {
    coulLayers[i] = autre.coulLayers[i];
    layers[i] = autre.layers[i];
  }
  return *this;
}

CString codifPoint::getLayer(int i) const {
  if (i < 0 || i >= kNombreLayersCodif) return CString();
  return layers[i];
}

void codifPoint::createLayers(AcDbLayerTable* table) {
  AcDbLayerTable* ouverte = nullptr;
  if (table == nullptr) {
    AcDbDatabase* dessin = acdbHostApplicationServices()->workingDatabase();
    if (dessin == nullptr || dessin->getLayerTable(ouverte, AcDb::kForWrite) != Acad::eOk) return;
    table = ouverte;
  }
  for (int i = 0; i < kNombreLayersCodif; ++i) {
    layers[i] = rogner(layers[i]);
    if (layers[i].IsEmpty()) layers[i] = L"0";
    layerIds[i].setNull();
    if (table->getAt(layers[i], layerIds[i]) == Acad::eOk) continue;
    auto* layer = new AcDbLayerTableRecord;
    if (layer->setName(layers[i]) != Acad::eOk) {
      delete layer;
      continue;
    }
    layer->setColorIndex(static_cast<Adesk::Int16>(coulLayers[i]));
    if (table->add(layerIds[i], layer) != Acad::eOk) {
      layerIds[i].setNull();
      delete layer;
      continue;
    }
    layer->close();
  }
  if (ouverte != nullptr) ouverte->close();
}

void codifPoint::writeXml(tinyxml2::XMLElement* parent) const {
  tinyxml2::XMLElement* element = parent->InsertNewChildElement("codifPoint");
  ecrireEntier(element, "code", code);
  ecrireTexte(element, "libelle", libelle);
  ecrireTexte(element, "chemin", chemin);
  char taille[64];
  std::snprintf(taille, sizeof taille, "%lf", tailleBlock);
  ecrireValeur(element, "tailleBlock", taille);
  ecrireEntier(element, "precisionAltitudes", precisionAltitudes);
  for (int i = 0; i < kNombreLayersCodif; ++i) ecrireTexte(element, kNomsLayers[i], layers[i]);
  for (int i = 0; i < kNombreLayersCodif; ++i)
    ecrireEntier(element, kNomsCouleurs[i], coulLayers[i]);
}

bool codifPoint::readXml(const tinyxml2::XMLElement* element) {
  if (element == nullptr || CString(element->Name()).CompareNoCase(L"codifPoint") != 0)
    return false;
  lireEntier(element, "code", code);
  lireTexte(element, "libelle", libelle);
  lireTexte(element, "chemin", chemin);
  if (const tinyxml2::XMLElement* taille = element->FirstChildElement("tailleBlock")) {
    tailleBlock = reelEnTete(taille->GetText());
  }
  lireEntier(element, "precisionAltitudes", precisionAltitudes);
  for (int i = 0; i < kNombreLayersCodif; ++i) lireTexte(element, kNomsLayers[i], layers[i]);
  for (int i = 0; i < kNombreLayersCodif; ++i) lireEntier(element, kNomsCouleurs[i], coulLayers[i]);
  return true;
}
