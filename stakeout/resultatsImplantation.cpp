#include "stakeout/resultatsImplantation.h"

#include <memory>

#include "db/acutads.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbdict.h"
#include "db/dbextents.h"
#include "db/dbgroup.h"
#include "db/dbsymtb.h"
#include "db/dbtable.h"
#include "ed/acedgraph.h"
#include "os/codepage.h"
#include "reports/htmlPage.h"
#include "reports/htmlTable.h"
#include "reports/htmlText.h"
#include "stakeout/calculsImplantation.h"
#include "stakeout/contexteImplantation.h"
#include "stakeout/reglagesImplantation.h"

namespace {

void grouper(const AcDbObjectIdArray& ids) {
  if (ids.isEmpty()) return;
  AcDbDatabase* dessin = acdbHostApplicationServices()->workingDatabase();
  AcDbDictionary* groupes = nullptr;
  if (dessin == nullptr || dessin->getGroupDictionary(groupes, AcDb::kForWrite) != Acad::eOk) return;
  auto groupe = std::make_unique<AcDbGroup>(L"", true);
  AcDbObjectId id;
  if (groupes->setAt(L"*", groupe.get(), id) == Acad::eOk) {
    AcDbGroup* ajoute = groupe.release();
    ajoute->setAnonymous();
    ajoute->append(ids);
    ajoute->close();
  }
  groupes->close();
}

// The width of a "W" at height h in the drawing's current text style.
double largeurW(double hauteur) {
  resbuf* texte = acutBuildList(1, L"W", 40, hauteur, 0);
  ads_point bas = {0, 0, 0};
  ads_point haut = {0, 0, 0};
  const bool mesure = acedTextBox(texte, bas, haut) == RTNORM;
  acutRelRb(texte);
  const double largeur = haut[0] - bas[0];
  return mesure && largeur > 0 ? largeur : hauteur;
}

struct ligneTableau {
  CString cellules[6];
};

// A table of rows of text at the position (top left); returns its lowest Y.
double placerTableau(const wchar_t* const* titres, int colonnes,
                     const std::vector<ligneTableau>& lignes, const AcGePoint3d& position,
                     double h) {
  AcDbDatabase* dessin = acdbHostApplicationServices()->workingDatabase();
  AcDbBlockTableRecord* espace = nullptr;
  if (dessin == nullptr ||
      acdbOpenObject(espace, dessin->modelSpaceId(), AcDb::kForWrite) != Acad::eOk) {
    return position.y;
  }
  const double w = largeurW(h);
  auto table = std::make_unique<AcDbTable>();
  table->setDatabaseDefaults(dessin);
  table->setPosition(position);
  table->suppressTitleRow(true);
  table->setSize(static_cast<int>(lignes.size()) + 1, colonnes);
  table->setColumnWidth(0, 10 * w);
  for (int c = 1; c < colonnes; ++c) table->setColumnWidth(c, 16 * w);
  table->setRowHeight(0, h);
  for (int c = 0; c < colonnes; ++c) {
    table->setTextString(0, c, titres[c]);
    table->setTextHeight(0, c, h);
  }
  for (size_t r = 0; r < lignes.size(); ++r) {
    const int rang = static_cast<int>(r) + 1;
    table->setRowHeight(rang, 1.5 * h);
    for (int c = 0; c < colonnes; ++c) {
      table->setTextString(rang, c, lignes[r].cellules[c].GetString());
      table->setTextHeight(rang, c, h);
    }
  }
  table->generateLayout();
  double bas = position.y - table->height();
  AcDbObjectId id;
  if (espace->appendAcDbEntity(id, table.get()) == Acad::eOk) {
    AcDbTable* placee = table.release();
    AcDbExtents etendue;
    if (placee->getGeomExtents(etendue) == Acad::eOk) bas = etendue.minPoint().y;
    placee->close();
  }
  espace->close();
  return bas;
}

ligneTableau lignePoint(const contexteImplantation& contexte, const observationImplantation& p) {
  ligneTableau ligne;
  ligne.cellules[0] = p.nom;
  ligne.cellules[1] = texteValeur(p.x);
  ligne.cellules[2] = texteValeur(p.y);
  ligne.cellules[3] = texteValeur(p.z);
  if (const observationMiseEnStation* s = contexte.stationDe(p)) {
    ligne.cellules[4] = texteAngleImplantation(contexte, p.identifiant, L"");
    ligne.cellules[5] = texteValeur(s->distanceVers(p));
  }
  return ligne;
}

void celluleHtml(htmlTable& table, double valeur) {
  table.addCell(valeur == kSansValeur ? CStringA() : htmlFormatNumber(valeur, 4),
                "class=celnorm align=right");
}

void tableauHtml(CStringA& corps, const contexteImplantation& contexte,
                 const observationMiseEnStation* station) {
  htmlTable table;
  htmlSetStandardTable(table);
  table.beginRow("");
  const char* titres[] = {"N°", "X", "Y", "Z", "Angle (gr)", "Distance"};
  const int colonnes = station != nullptr ? 6 : 4;
  for (int c = 0; c < colonnes; ++c) {
    table.addCell(CStringA(wideToAnsi(utf8ToWide(titres[c])).c_str()), "class=celgris align=center");
  }
  for (const observationImplantation& p : contexte.points()) {
    if (contexte.stationDe(p) != station) continue;
    table.beginRow("");
    table.addCell(CStringA(wideToAnsi(p.nom.GetString()).c_str()), "class=celnorm align='center'");
    celluleHtml(table, p.x);
    celluleHtml(table, p.y);
    celluleHtml(table, p.z);
    if (station != nullptr) {
      celluleHtml(table, radiansEnGrades(station->angleVers(p)));
      celluleHtml(table, station->distanceVers(p));
    }
  }
  corps += table.close();
}

}  // namespace

CString texteAngleImplantation(const contexteImplantation& contexte, Adesk::UInt32 identifiant,
                               const wchar_t* sansValeur) {
  for (const observationImplantation& p : contexte.points()) {
    if (p.identifiant != identifiant) continue;
    const observationMiseEnStation* s = contexte.stationDe(p);
    if (s == nullptr) return sansValeur;
    const double angle = s->angleVers(p);
    if (angle != kSansValeur) return texteGrades(angle);
    const double g = s->gisementVers(p);
    if (g != kSansValeur) return L"g= " + texteGrades(g);
    return sansValeur;
  }
  return sansValeur;
}

void dessinerResultatsImplantation(contexteImplantation& contexte) {
  const int drapeaux = contexte.drapeauxDessin();
  for (observationImplantation& p : contexte.points()) contexte.dessinerPoint(p, drapeaux);
  if (contexte.options().dessinerStations != 0) {
    for (const auto& s : contexte.stations()) s->dessiner(drapeaux);
  }
  if (contexte.options().modeGroupement == kNePasGrouper) return;
  AcDbObjectIdArray tout;
  for (const auto& s : contexte.stations()) {
    AcDbObjectIdArray ids;
    s->transfererGraphismes(ids);
    for (observationImplantation& p : contexte.points()) {
      if (p.identifiantStation != s->identifiant()) continue;
      ids.append(p.graphismes);
      p.graphismes.setLogicalLength(0);
    }
    if (contexte.options().modeGroupement == kGrouperParStation) {
      grouper(ids);
    } else {
      tout.append(ids);
    }
  }
  if (contexte.options().modeGroupement == kToutGrouper) {
    for (observationImplantation& p : contexte.points()) {
      tout.append(p.graphismes);
      p.graphismes.setLogicalLength(0);
    }
    grouper(tout);
  }
}

void schematiserImplantation(const contexteImplantation& contexte, AcGePoint3d position) {
  const double h = reglagesGlobauxImplantation().hauteurTexte;
  const wchar_t* const titres[] = {L"PT", L"X", L"Y", L"Z", L"ANGLE", L"DISTANCE"};
  AcDbObjectIdArray textes;
  for (const auto& s : contexte.stations()) {
    s->descriptionTexte(position, h, textes);
    std::vector<ligneTableau> lignes;
    for (const observationImplantation& p : contexte.points()) {
      if (p.identifiantStation == s->identifiant()) lignes.push_back(lignePoint(contexte, p));
    }
    if (lignes.empty()) continue;
    position.y = placerTableau(titres, 6, lignes, position, h) - 2 * h;
  }
  std::vector<ligneTableau> seuls;
  for (const observationImplantation& p : contexte.points()) {
    if (contexte.stationDe(p) == nullptr) seuls.push_back(lignePoint(contexte, p));
  }
  if (!seuls.empty()) placerTableau(titres, 4, seuls, position, h);
}

CStringA corpsHtmlImplantation(const contexteImplantation& contexte) {
  CStringA corps = htmlText("Implantations", "class=grand").render();
  for (const auto& s : contexte.stations()) {
    bool utilisee = false;
    for (const observationImplantation& p : contexte.points()) {
      utilisee = utilisee || p.identifiantStation == s->identifiant();
    }
    if (!utilisee) continue;
    CStringA bloc;
    s->descriptionHtml(bloc);
    corps += bloc;
    tableauHtml(corps, contexte, s.get());
    corps += "<br>";
  }
  bool seuls = false;
  for (const observationImplantation& p : contexte.points()) {
    seuls = seuls || contexte.stationDe(p) == nullptr;
  }
  if (seuls) tableauHtml(corps, contexte, nullptr);
  return corps;
}

void exporterHtmlImplantation(const contexteImplantation& contexte, const CStringA& chemin) {
  htmlPage page;
  addStandardReportStyles(page);
  page.setFileName(chemin);
  page.addBodyLine(corpsHtmlImplantation(contexte));
  page.write();
}
