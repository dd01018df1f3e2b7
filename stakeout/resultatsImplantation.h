// The three results of a stake-out: its graphics drawn and grouped, schematic tables of angles and
// distances placed in the drawing, and the report page.
#pragma once
#include "adesk.h"
#include "ge/gepnt3d.h"
#include "ui/afxstr.h"

class contexteImplantation;

// Draws every point and station with the context's flags, then gathers the entities into
// anonymous groups by the grouping mode (none, one per station, one for all).
void dessinerResultatsImplantation(contexteImplantation& contexte);
// The station blocks and their tables downwards from the position, then the points without
// station.
void schematiserImplantation(const contexteImplantation& contexte, AcGePoint3d position);
// The body of the report page: title, a block and a table per station with points, then the
// points without station.
CStringA corpsHtmlImplantation(const contexteImplantation& contexte);
// Writes the page with the standard report styles to the path.
void exporterHtmlImplantation(const contexteImplantation& contexte, const CStringA& chemin);

// What the "Angle" cells show: the angle in grades, else "g= " and the bearing, else the mark
// given (the list shows "-", the tables nothing).
CString texteAngleImplantation(const contexteImplantation& contexte, Adesk::UInt32 identifiant,
                               const wchar_t* sansValeur);
