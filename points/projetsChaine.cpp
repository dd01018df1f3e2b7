// Point tables and projects written to and read from value chains.
#include "ed/aced.h"
#include "points/CResbuf.h"
#include "points/listePointsDuDessin.h"

int listePointsDuDessin::saveToXRecord(CResbuf& chaine) const {
  if (!chaine.ajouterChaine(nom_.GetString()) || !chaine.ajouterEntier(nbPoint())) return 0;
  for (int i = 0; i < nbPoint(); ++i) {
    if (!points_[i].saveToXRecord(chaine)) return 0;
  }
  return 1;
}

int listePointsDuDessin::ReadFromXRecord(CResbuf& chaine) {
  std::wstring nom;
  Adesk::Int32 nombre = 0;
  if (!chaine.lireChaine(nom)) return 0;
  setNomTable(nom.c_str());
  if (!chaine.lireEntier(nombre) || nombre < 0) return 0;
  for (Adesk::Int32 i = 0; i < nombre; ++i) {
    pointDuDessin point;
    if (!point.readFromXRecord(chaine)) return 0;
    Ajouter(point);
  }
  return 1;
}

int projetsTopo::SaveToXrecord(CResbuf& chaine) const {
  bool ecrit = chaine.ajouterEntier(current_) && chaine.ajouterEntier(nbTables());
  for (int i = 0; ecrit && i < nbTables(); ++i) ecrit = tables_[i]->saveToXRecord(chaine) != 0;
  if (!ecrit) acutPrintf(L"\t*** ERREUR ***");
  return ecrit ? 1 : 0;
}

int projetsTopo::LoadFromXrecord(CResbuf& chaine) {
  removeAll();
  Adesk::Int32 courant = 0, nombre = 0;
  if (!chaine.lireEntier(courant) || !chaine.lireEntier(nombre)) {
    reset();
    return 0;
  }
  for (Adesk::Int32 i = 0; i < nombre; ++i) {
    auto* table = new listePointsDuDessin;
    if (!table->ReadFromXRecord(chaine)) {
      delete table;
      reset();  // never a half-read project
      return 0;
    }
    tables_.Add(table);
  }
  if (nbTables() == 0) {
    reset();
  } else {
    current_ = (courant < 0 || courant >= nbTables()) ? 0 : courant;
  }
  return 1;
}
