#include "view/aci_palette.h"

namespace gui {

QColor aciColor(int index) {
  static const QColor kFirst[10] = {QColor(255, 255, 255), QColor(255, 0, 0),   QColor(255, 255, 0),
                                    QColor(0, 255, 0),     QColor(0, 255, 255), QColor(0, 0, 255),
                                    QColor(255, 0, 255),   QColor(255, 255, 255), QColor(128, 128, 128),
                                    QColor(192, 192, 192)};
  if (index < 1 || index > 255) return kFirst[7];
  if (index < 10) return kFirst[index];
  if (index >= 250) {
    static const int kGreys[6] = {51, 91, 132, 173, 214, 255};
    int g = kGreys[index - 250];
    return QColor(g, g, g);
  }
  // 24 hues of ten shades each: even shades saturated, odd ones half saturated, five brightnesses.
  static const int kValues[5] = {255, 204, 153, 127, 76};
  int hue = (index / 10 - 1) * 15;
  int shade = index % 10;
  return QColor::fromHsv(hue, shade % 2 == 0 ? 255 : 127, kValues[shade / 2]);
}

}  // namespace gui
