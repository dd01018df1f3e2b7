// The host's drawing-aware controls: the colour combo box (colour indexes 1 to 255, ByBlock 0,
// ByLayer 256) and the most-recently-used combo box.
#pragma once
#include "ui/adui.h"

#define ACUI_BYBLOCK 0
#define ACUI_BYLAYER 256

class CAcUiComboBox : public CComboBox {};

class CAcUiColorComboBox : public CAcUiComboBox {
 public:
  // The colour index shown (0 ByBlock, 1..255, 256 ByLayer).
  int GetCurrentItemColor() const;
  void SetCurrentItemColor(int colorIndex);
  int GetCurrentItemColorIndex() const { return GetCurrentItemColor(); }
  void SetCurrentItemColorIndex(int colorIndex) { SetCurrentItemColor(colorIndex); }
  void SetColorIndex(int colorIndex) { SetCurrentItemColor(colorIndex); }
  int GetColorIndex() const { return GetCurrentItemColor(); }
};

class CAcUiMRUComboBox : public CAcUiComboBox {
 public:
  // Puts text at the top of the list (removing an older copy) and selects it.
  int AddItemToList(LPCTSTR text);
  CString GetCurrentItemText() const;
};
