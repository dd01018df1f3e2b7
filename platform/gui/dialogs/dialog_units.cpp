#include "dialogs/dialog_units.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>

namespace gui {

namespace {

// Rounded as the host's MulDiv rounds: to the nearest, halves away from zero.
int scaled(int value, int numerator, int denominator) {
  long long product = static_cast<long long>(value) * numerator;
  long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

}  // namespace

DialogUnits::DialogUnits(const AcUiDialogTemplate* dialogTemplate) {
  int points = dialogTemplate && dialogTemplate->fontSize > 0 ? dialogTemplate->fontSize : 8;
  font_ = QApplication::font();
  if (dialogTemplate && dialogTemplate->font && *dialogTemplate->font) {
    QFont wanted(QString::fromWCharArray(dialogTemplate->font));
    if (QFontInfo(wanted).family() == wanted.family()) font_ = wanted;
  }
  font_.setPointSize(points);
  QFontMetrics metrics(font_);
  // The average width of the 52 letters, rounded, as the host measures its dialog font.
  int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  baseX_ = std::max(1, (letters / 26 + 1) / 2);
  baseY_ = std::max(1, metrics.height());
}

int DialogUnits::x(int dialogUnits) const { return scaled(dialogUnits, baseX_, 4); }

int DialogUnits::y(int dialogUnits) const { return scaled(dialogUnits, baseY_, 8); }

QRect DialogUnits::rect(int left, int top, int right, int bottom) const {
  return QRect(QPoint(x(left), y(top)), QPoint(x(right) - 1, y(bottom) - 1));
}

}  // namespace gui
