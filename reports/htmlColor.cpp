// The HTML named colours, keyed in alphabetical order of their names.
#include "reports/htmlColor.h"

namespace {

struct NamedColor {
  unsigned int key;
  unsigned char red, green, blue;
};

const NamedColor kNamedColors[] = {
    {0, 240, 248, 255},  // aliceblue
    {1, 250, 235, 215},  // antiquewhite
    {2, 0, 255, 255},  // aqua
    {3, 127, 255, 212},  // aquamarine
    {4, 240, 255, 255},  // azure
    {5, 245, 245, 220},  // beige
    {6, 255, 228, 196},  // bisque
    {7, 0, 0, 0},  // black
    {8, 255, 235, 205},  // blanchedalmond
    {9, 0, 0, 255},  // blue
    {10, 138, 43, 226},  // blueviolet
    {11, 165, 42, 42},  // brown
    {12, 222, 184, 135},  // burlywood
    {13, 95, 158, 160},  // cadetblue
    {14, 127, 255, 0},  // chartreuse
    {15, 210, 105, 30},  // chocolate
    {16, 255, 127, 80},  // coral
    {17, 100, 149, 237},  // cornflowerblue
    {18, 255, 248, 220},  // cornsilk
    {19, 220, 20, 60},  // crimson
    {20, 0, 255, 255},  // cyan
    {21, 0, 0, 139},  // darkblue
    {22, 0, 139, 139},  // darkcyan
    {23, 184, 134, 11},  // darkgoldenrod
    {24, 169, 169, 169},  // darkgray
    {25, 0, 100, 0},  // darkgreen
    {26, 189, 183, 107},  // darkkhaki
    {27, 139, 0, 139},  // darkmagenta
    {28, 85, 107, 47},  // darkolivegreen
    {29, 255, 140, 0},  // darkorange
    {30, 153, 50, 204},  // darkorchid
    {31, 139, 0, 0},  // darkred
    {32, 233, 150, 122},  // darksalmon
    {33, 143, 188, 143},  // darkseagreen
    {34, 72, 61, 139},  // darkslateblue
    {35, 47, 79, 79},  // darkslategray
    {36, 0, 206, 209},  // darkturquoise
    {37, 148, 0, 211},  // darkviolet
    {38, 255, 20, 147},  // deeppink
    {39, 0, 191, 255},  // deepskyblue
    {40, 105, 105, 105},  // dimgray
    {41, 30, 144, 255},  // dodgerblue
    {42, 178, 34, 34},  // firebrick
    {43, 255, 250, 240},  // floralwhite
    {44, 34, 139, 34},  // forestgreen
    {45, 255, 0, 255},  // fuchsia
    {46, 220, 220, 220},  // gainsboro
    {47, 248, 248, 255},  // ghostwhite
    {48, 255, 215, 0},  // gold
    {49, 218, 165, 32},  // goldenrod
    {50, 128, 128, 128},  // gray
    {51, 0, 128, 0},  // green
    {52, 173, 255, 47},  // greenyellow
    {53, 240, 255, 240},  // honeydew
    {54, 255, 105, 180},  // hotpink
    {55, 205, 92, 92},  // indianred
    {56, 75, 0, 130},  // indigo
    {57, 255, 255, 240},  // ivory
    {58, 240, 230, 140},  // khaki
    {59, 230, 230, 250},  // lavender
    {60, 255, 240, 245},  // lavenderblush
    {61, 124, 252, 0},  // lawngreen
    {62, 255, 250, 205},  // lemonchiffon
    {63, 173, 216, 230},  // lightblue
    {64, 240, 128, 128},  // lightcoral
    {65, 224, 255, 255},  // lightcyan
    {66, 250, 250, 210},  // lightgoldenrodyellow
    {67, 144, 238, 144},  // lightgreen
    {68, 211, 211, 211},  // lightgrey
    {69, 255, 182, 193},  // lightpink
    {70, 255, 160, 122},  // lightsalmon
    {71, 32, 178, 170},  // lightseagreen
    {72, 135, 206, 250},  // lightskyblue
    {73, 119, 136, 153},  // lightslategray
    {74, 176, 196, 222},  // lightsteelblue
    {75, 255, 255, 224},  // lightyellow
    {76, 0, 255, 0},  // lime
    {77, 50, 205, 50},  // limegreen
    {78, 250, 240, 230},  // linen
    {79, 255, 0, 255},  // magenta
    {80, 128, 0, 0},  // maroon
    {81, 102, 205, 170},  // mediumaquamarine
    {82, 0, 0, 205},  // mediumblue
    {83, 186, 85, 211},  // mediumorchid
    {84, 147, 112, 219},  // mediumpurple
    {85, 60, 179, 113},  // mediumseagreen
    {86, 123, 104, 238},  // mediumslateblue
    {87, 0, 250, 154},  // mediumspringgreen
    {88, 72, 209, 204},  // mediumturquoise
    {89, 199, 21, 133},  // mediumvioletred
    {90, 25, 25, 112},  // midnightblue
    {91, 245, 255, 250},  // mintcream
    {92, 255, 228, 225},  // mistyrose
    {93, 255, 228, 181},  // moccasin
    {94, 255, 222, 173},  // navajowhite
    {95, 0, 0, 128},  // navy
    {96, 253, 245, 230},  // oldlace
    {97, 128, 128, 0},  // olive
    {98, 107, 142, 35},  // olivedrab
    {99, 255, 165, 0},  // orange
    {100, 255, 69, 0},  // orangered
    {101, 218, 112, 214},  // orchid
    {102, 238, 232, 170},  // palegoldenrod
    {103, 152, 251, 152},  // palegreen
    {104, 175, 238, 238},  // paleturquoise
    {105, 219, 112, 147},  // palevioletred
    {106, 255, 239, 213},  // papayawhip
    {107, 255, 218, 185},  // peachpuff
    {108, 205, 133, 63},  // peru
    {109, 255, 192, 203},  // pink
    {110, 221, 160, 221},  // plum
    {111, 176, 224, 230},  // powderblue
    {112, 128, 0, 128},  // purple
    {113, 255, 0, 0},  // red
    {114, 188, 143, 143},  // rosybrown
    {115, 65, 105, 225},  // royalblue
    {116, 139, 69, 19},  // saddlebrown
    {117, 250, 128, 114},  // salmon
    {118, 244, 164, 96},  // sandybrown
    {119, 46, 139, 87},  // seagreen
    {120, 255, 245, 238},  // seashell
    {121, 160, 82, 45},  // sienna
    {122, 192, 192, 192},  // silver
    {123, 135, 206, 235},  // skyblue
    {124, 106, 90, 205},  // slateblue
    {125, 112, 128, 144},  // slategray
    {126, 255, 250, 250},  // snow
    {127, 0, 255, 127},  // springgreen
    {128, 70, 130, 180},  // steelblue
    {129, 210, 180, 140},  // tan
    {130, 0, 128, 128},  // teal
    {131, 216, 191, 216},  // thistle
    {132, 255, 99, 71},  // tomato
    {133, 64, 224, 208},  // turquoise
    {134, 238, 130, 238},  // violet
    {135, 245, 222, 179},  // wheat
    {136, 255, 255, 255},  // white
    {137, 245, 245, 245},  // whitesmoke
    {138, 255, 255, 0},  // yellow
    {139, 154, 205, 50},  // yellowgreen
};

}  // namespace

void htmlColor::setRGB(unsigned char red, unsigned char green, unsigned char blue) {
  red_ = red;
  green_ = green;
  blue_ = blue;
}

void htmlColor::setNamed(unsigned int key) {
  for (const NamedColor& named : kNamedColors) {
    if (named.key == key) {
      setRGB(named.red, named.green, named.blue);
      return;
    }
  }
}

CStringA htmlColor::toCss() const {
  CStringA text;
  text.Format("rgb(%d,%d,%d)", int(red_), int(green_), int(blue_));
  return text;
}
