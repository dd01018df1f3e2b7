// Observation files (".obs"): the content of a traverse dialog as a text file in the ANSI code page
// with CR LF line ends, commented for writing by hand. The reader is tolerant: keywords by their
// first letters, loose separators, quoted names.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "ui/afxstr.h"

// Angle units: code and full turn.
enum uniteAngles : int { kUniteGrades = 0, kUniteDegres = 1, kUniteRadians = 2 };
// Levelling modes of a traverse.
enum modeNivellement : int {
  kNivellementAucun = 0,
  kNivellementSimple = 1,
  kNivellementDistances = 2,
  kNivellementRacines = 3,
};

// A known station of a traverse: X, Y, Z (drawing units) and the bearing of its leg (angle unit
// of the traverse).
struct stationConnue {
  CString nom;
  double x = 0;
  double y = 0;
  double z = 0;
  double gisement = 0;
};

// One observation row as typed: all four values are text until the traverse is computed.
struct ligneObservation {
  CString station;
  CString angle;
  CString distance;
  CString denivelee;
};

// Everything an observation file carries. A closed traverse uses `depart` only.
struct donneesObservations {
  bool ouverte = false;
  stationConnue depart;
  stationConnue arrivee;
  double fermeture = 0;  // open traverse: the angle measured at the arrival station
  int unite = kUniteGrades;
  int nivellement = kNivellementAucun;
  std::vector<ligneObservation> lignes;
};

// The longest station name a row holds (longer names are cut on writing and on computing).
constexpr int kLongueurMaxNomStation = 19;

// The file's bytes (Windows-1252, CR LF).
std::string ecrireObservations(const donneesObservations& donnees);
// Reads the bytes of a file into `donnees`: the rows are replaced, a closed traverse's station is
// reset first, and what the file sets is set (the kind `donnees.ouverte` is the caller's).
void lireObservations(std::string_view contenu, donneesObservations& donnees);

// The files themselves. A file that is not written completely leaves the previous one as it was.
enum ecritureObservations : int {
  kObservationsEcrites = 0,
  kFichierNonCree = 1,  // the file (or its folder) does not take writing: nothing is written
  kErreurEcriture = 2,  // the writing itself failed (no room left, say)
};
int ecrireFichierObservations(const CString& chemin, const donneesObservations& donnees);
enum lectureObservations : int {
  kObservationsLues = 0,
  kFichierNonOuvert = 1,  // `donnees` unchanged
  kErreurLecture = 2,     // the rows of the part read are kept
};
int lireFichierObservations(const CString& chemin, donneesObservations& donnees);

// The filters of the file dialogs, in order: "Observations", "Sans extension", "Tous", "Text".
extern const wchar_t* const kFiltreFichiersObservations;
// The saved file's name for the chosen path and the filter chosen (1-based, as the file dialog
// reports it): lower case, ".obs" or ".txt" added by the filter unless already there.
CString nomFichierObservations(const CString& chemin, int filtre);
