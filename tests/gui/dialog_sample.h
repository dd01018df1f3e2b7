// A dialog template with one control of each kind the window draws, for the dialog tests.
#pragma once
#include "dialog_test_support.h"
#include "ui/afxcmn.h"
#include "ui/dialog_driver.h"
#include "ui/dlgtemplate.h"
#include "ui/window.h"

namespace gui_test {

enum SampleId {
  kName = 101,
  kNotes = 102,
  kHeights = 103,
  kGrades = 104,
  kDegrees = 105,
  kUnits = 106,
  kCode = 107,
  kStations = 108,
  kLayers = 109,
  kProgressBar = 110,
  kCount = 111,
  kCountSpin = 112,
  kRemarks = 113,
  kPlan = 114,
  kMenuCompute = 40001,
};

using K = AcUiControlKind;

inline const AcUiControlTemplate kSampleControls[] = {
    {-1, K::kGroupBox, L"Station", 7, 7, 150, 62, 0},
    {-1, K::kStatic, L"&Nom", 14, 20, 40, 8, 0},
    {kName, K::kEdit, L"", 60, 18, 90, 12, 0},
    {kNotes, K::kEdit, L"", 14, 34, 136, 28, kCtlMultiline},
    {kHeights, K::kCheckBox, L"&Altitudes", 165, 10, 80, 10, 0},
    {kGrades, K::kRadio, L"Grades", 165, 24, 60, 10, kCtlGroup},
    {kDegrees, K::kRadio, L"Degrés", 165, 36, 60, 10, 0},
    {kUnits, K::kComboDropList, L"", 165, 50, 80, 60, 0},
    {kCode, K::kComboDropDown, L"", 165, 66, 80, 60, 0},
    {kStations, K::kListView, L"", 7, 82, 238, 54, 0},
    {kLayers, K::kListBox, L"", 7, 140, 100, 40, kCtlMultiSel},
    {kProgressBar, K::kProgress, L"", 115, 140, 130, 10, 0},
    {kCount, K::kEdit, L"3", 115, 156, 40, 12, kCtlNumber},
    {kCountSpin, K::kSpin, L"", 155, 156, 10, 12, kCtlAutoBuddy | kCtlSetBuddyInt},
    {kRemarks, K::kEdit, L"lecture seule", 170, 156, 75, 12, kCtlReadOnly},
    {kPlan, K::kPicture, L"", 115, 172, 60, 12, 0},
    {IDOK, K::kDefButton, L"OK", 140, 190, 50, 14, 0},
    {IDCANCEL, K::kButton, L"Annuler", 195, 190, 50, 14, 0},
};

inline const AcUiDialogTemplate kSample{9001,          L"Essai",       252, 210, L"MS Shell Dlg", 8,
                                        kSampleControls, std::size(kSampleControls)};

// A window of the sample with the contents its dialog class would give it.
inline HWND makeSample() {
  HWND dialog = ui::createDialogWindow(kSample, ui::mainWindow());
  HWND units = ui::findChild(dialog, kUnits);
  units->items = {L"Grades", L"Degrés", L"Radians"};
  units->curSel = 0;
  ui::findChild(dialog, kCode)->items = {L"PT", L"BORNE"};
  HWND stations = ui::findChild(dialog, kStations);
  stations->columns = {{L"Station", 0, 60}, {L"Distance", LVCFMT_RIGHT, 60}};
  stations->rows = {{{L"S1", L"133.299"}, 0, 0, false}, {{L"S2", L"128.494"}, 0, 0, false},
                    {{L"S3", L"123.762"}, 0, 0, false}};
  stations->extendedStyle = LVS_EX_CHECKBOXES;
  HWND layers = ui::findChild(dialog, kLayers);
  layers->items = {L"0", L"POINTS", L"TEXTES"};
  layers->itemSelected = {false, false, false};
  HWND spin = ui::findChild(dialog, kCountSpin);
  spin->buddy = ui::findChild(dialog, kCount);
  spin->lower = 0;
  spin->upper = 9;
  spin->pos = 3;
  HWND bar = ui::findChild(dialog, kProgressBar);
  bar->pos = 40;
  ui::setPictureDescription(ui::findChild(dialog, kPlan), L"plan de situation");
  dialog->initialized = true;
  return dialog;
}

}  // namespace gui_test
