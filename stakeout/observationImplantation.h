// One point to stake out, kept by value in the stake-out context's list.
#pragma once
#include "adesk.h"
#include "db/dbid.h"
#include "points/pointDuDessin.h"
#include "stakeout/compteurIdentifiants.h"
#include "ui/afxstr.h"

struct observationImplantation {
  observationImplantation() = default;
  // A copy keeps the identifier but not the drawn entities, which belong to the original.
  observationImplantation(const observationImplantation& autre);
  observationImplantation& operator=(const observationImplantation& autre);
  // Moving (the list growing, a point removed before it) keeps them.
  observationImplantation(observationImplantation&&) noexcept = default;
  observationImplantation& operator=(observationImplantation&&) noexcept = default;

  // Back to "not verified".
  void oublierVisibilite() {
    visibiliteCalculee = 0;
    obstruction = kSansValeur;
  }

  Adesk::UInt32 identifiant = kAucunIdentifiant;
  CString nom;
  double x = kSansValeur;
  double y = kSansValeur;
  double z = kSansValeur;  // drawing units; kSansValeur when unknown
  AcDbObjectIdArray graphismes;
  Adesk::UInt32 identifiantStation = kAucunIdentifiant;
  Adesk::UInt32 visibiliteCalculee = 0;
  // Largest rise of the terrain or of an obstacle above the sight line (drawing units);
  // kSansValeur until the test has run.
  double obstruction = kSansValeur;
  // The pick or element that brought the point in.
  Adesk::UInt32 lot = 0;
};
