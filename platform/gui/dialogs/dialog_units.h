// Dialog units to pixels in the window. A template's sizes are in dialog units: a quarter of the
// average character width and an eighth of the character height of the dialog's font. The window
// takes those base units from the template's font at its size (the host's rule), so a dialog grows
// with its font as it does on the host.
#pragma once
#include <QFont>
#include <QRect>

#include "ui/dlgtemplate.h"

namespace gui {

class DialogUnits {
 public:
  // The template's font (a family the system lacks falls back to the application's font) at the
  // template's size; a template without a font uses an 8-point font.
  explicit DialogUnits(const AcUiDialogTemplate* dialogTemplate);

  const QFont& font() const { return font_; }
  int baseX() const { return baseX_; }
  int baseY() const { return baseY_; }
  int x(int dialogUnits) const;
  int y(int dialogUnits) const;
  // A rectangle given as left, top, right, bottom in dialog units.
  QRect rect(int left, int top, int right, int bottom) const;

 private:
  QFont font_;
  int baseX_ = 6;
  int baseY_ = 13;
};

}  // namespace gui
