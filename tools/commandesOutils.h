// The drawing tools: grid, oriented rectangle, label overlap reduction and thinning, projections,
// offset points, altitude adjustment, attribute dissociation.
#pragma once

void commandeCarroyage();
void commandeRect3Pt();

void lispProjPoly();
void lispSuperpos();
void lispPointsParDecalage();
void lispDissocBlock();
void lispJlDeportPnts();
void lispJlAjusterZ();
void lispAllegerDessin();
