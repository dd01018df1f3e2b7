// The entities the stake-out draws in model space of the working drawing. Each carries the mark
// "JALO_IMPLANTATION" with the identifier of the point or station it belongs to, and each new id
// is appended to the given list.
#pragma once
#include "adesk.h"
#include "db/dbid.h"
#include "ge/gepnt3d.h"
#include "ge/gevec3d.h"
#include "ui/afxstr.h"

inline constexpr const wchar_t* kApplicationImplantation = L"JALO_IMPLANTATION";
inline constexpr const wchar_t* kApplicationHauteursObjets = L"JALO_HAUTEURSOBJETS";
inline constexpr long kMarqueGraphismeImplantation = 12482;

// Registers both applications in the working drawing.
void enregistrerApplicationsImplantation();

void dessinerLigne(const AcGePoint3d& debut, const AcGePoint3d& fin, int couleur,
                   Adesk::UInt32 proprietaire, AcDbObjectIdArray& ids);
void dessinerRayon(const AcGePoint3d& base, const AcGeVector3d& direction, int couleur,
                   Adesk::UInt32 proprietaire, AcDbObjectIdArray& ids);
void dessinerTexte(const AcGePoint3d& position, const CString& texte, double hauteur,
                   double rotation, int couleur, Adesk::UInt32 proprietaire,
                   AcDbObjectIdArray& ids);
// Two lines of that size crossing at the centre.
void dessinerCroix(const AcGePoint3d& centre, double taille, int couleur,
                   Adesk::UInt32 proprietaire, AcDbObjectIdArray& ids);
// The distance and angle texts of a line of sight: at its middle, moved across it to the left by
// a fifth of the text height and turned along it; nothing when the flags ask for neither.
void dessinerTexteVisee(const AcGePoint3d& depuis, const AcGePoint3d& vers, double distance,
                        double angle, int drapeaux, int couleur, Adesk::UInt32 proprietaire,
                        AcDbObjectIdArray& ids);
// Erases the entities (those already gone are skipped) and empties the list.
void effacerEntites(AcDbObjectIdArray& ids);
