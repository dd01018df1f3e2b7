// The point-exchange commands and LISP functions: import and export of points, the coordinate
// form, the coordinates and legend tables, block descriptions and the point-tables dialog.
#pragma once

void commandeCoordsXYZ();
void commandeImportPoints();
void commandeExportPoints();
void commandeTableXYZ();
void commandeMajPoints();
void commandePtsEn3D();

void lispDecrireBlock();
void lispTableGendes();
void lispGererLeves();
