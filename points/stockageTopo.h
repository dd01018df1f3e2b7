// The survey project of a drawing, kept in one extension record ("ARPENTA4_JALO_DATA") of the
// extension dictionary of layer "0", written at every save and read when a project is designated.
#pragma once

class AcDbDatabase;
class projetsTopo;

// Designates the project the module works on (tablesPoints) and whether saves write it; with
// load non-zero, reads the drawing's record into it. Exported for the module that owns projects.
extern "C" void setSrcInfosTopo(AcDbDatabase* db, projetsTopo* projets, int saveFlag, int load);
// Replaces the working drawing's record by an empty one; the project in memory stays.
extern "C" void purgeInfosTopo();

// On the host's save message: the designated project into the working drawing.
void enregistrerProjetDansDessin();
// True when the drawing holds a stored project (an empty record counts as none).
bool projetEnregistre(AcDbDatabase* db);
