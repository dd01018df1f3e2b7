// Bearings, distances and grades of the stake-out. Every function returns kSansValeur when one of
// its inputs is kSansValeur.
#pragma once
#include "points/pointDuDessin.h"
#include "ui/afxstr.h"

// Bearing from A to B (radians, clockwise from north, in [0, 2π)); A = B gives π/2.
double gisement(double xA, double yA, double xB, double yB);
// Horizontal distance (drawing units).
double distanceHorizontale(double xA, double yA, double xB, double yB);
double radiansEnGrades(double radians);
// "%.4f" of the angle in grades; empty for kSansValeur.
CString texteGrades(double radians);
// "%.4f" (or another format) of a value; empty for kSansValeur.
CString texteValeur(double valeur, const wchar_t* format = L"%.4f");
