// Where every text and line of a coordinates table goes: columns as wide as their widest text
// (times 1.2), rows 1.8 times the tallest text apart, downwards from the top-left corner. The
// texts are measured by the caller (the drawing's text style), so that this stays a computation.
#pragma once
#include <functional>
#include <vector>

#include "ui/afxstr.h"

enum colonneTableCoord { kColNumero, kColX, kColY, kColZ, kColCode, kColLibelle, kNbColonnesTable };

struct paramsTableCoordonnees {
  double hauteur = 2.5;  // of the texts (drawing units)
  bool colonnes[kNbColonnesTable] = {true, true, true, true, false, false};
  int decimalesXY = 4;
  int decimalesZ = 2;
  int cadre = kSeparerColonnes | kSeparerEntete | kEncadrer;

  static constexpr int kSeparerColonnes = 1;
  static constexpr int kSeparerEntete = 2;
  static constexpr int kSeparerLignes = 4;
  static constexpr int kEncadrer = 8;
};

struct pointTableCoord {
  CString nom;
  double x = 0.0, y = 0.0, z = 0.0;  // z may be the unknown altitude
  int code = 1;
};

enum alignementTexteTable {
  kAlignCentre,  // centred on the point, on the base line (headings)
  kAlignGauche,  // starting at the point, on the base line
  kAlignDroite,  // ending at the point, its bottom on it
};

struct texteTableCoord {
  CString texte;
  double x = 0.0, y = 0.0;
  alignementTexteTable alignement = kAlignGauche;
};

struct segmentTableCoord {
  double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
};

struct dispositionTableCoord {
  std::vector<texteTableCoord> textes;
  std::vector<segmentTableCoord> segments;  // separators
  bool cadre = false;                       // the frame, from (x0, y0) to (x1, y1)
  double cadreX0 = 0.0, cadreY0 = 0.0, cadreX1 = 0.0, cadreY1 = 0.0;
  double uniteLigne = 0.0;  // H: the tallest text, at least the text height
  std::vector<double> largeurs;  // w of each shown column, in order
};

// Width and height of a text's extents at the table's height.
using mesureTexteTable = std::function<void(const CString& texte, double& largeur, double& hauteur)>;
// The label of a code; false when the code is not in the codification table (no label text).
using libelleCodeTable = std::function<bool(int code, CString& libelle)>;

// Nothing (no text) when no column is shown or there is no point.
dispositionTableCoord disposerTableCoordonnees(const std::vector<pointTableCoord>& points,
                                               const paramsTableCoordonnees& params, double x0, double y0,
                                               const mesureTexteTable& mesurer, const libelleCodeTable& libelle);
