// Identifiers of the module's dialogs and of their controls.
#pragma once

// Dialogs.
#define IDD_PROGRESSION 3001
#define IDD_NUMEROTATION 3002
#define IDD_RESULTATS 3003

// Progress dialog.
#define IDC_PROGRESSION_BARRE 111
#define IDC_PROGRESSION_POURCENT 112

// Numbering dialog.
#define IDC_NUM_PREFIXE 1175
#define IDC_NUM_DEPART 1176
#define IDC_NUM_SUFFIXE 1177
#define IDC_NUM_EXEMPLE 1178

// Results dialog.
#define IDC_RESULTATS_NAVIGATEUR 1055
#define IDC_RESULTATS_SAUVEGARDER 1106
