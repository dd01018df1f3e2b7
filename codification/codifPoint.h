// One point code: what a point of that code looks like in the drawing (block drawing, scale,
// the layers of the block and of its four texts with the colours they are created in, and the
// decimals of the altitude), and its element in the code file.
#pragma once
#include "db/dbid.h"
#include "ui/afxstr.h"

class AcDbLayerTable;
namespace tinyxml2 {
class XMLElement;
}

// The five layers of a code, in this order.
enum indiceLayerCodif {
  kLayerBlock = 0,
  kLayerAltitudes = 1,
  kLayerNumero = 2,
  kLayerObs = 3,
  kLayerCode = 4,
  kNombreLayersCodif = 5,
};

// Valid codes.
constexpr int kCodeMin = 1;
constexpr int kCodeMax = 9999;

// A plain record: its fields are read and written directly by the parts that draw points.
class codifPoint {
 public:
  codifPoint();
  // A copy starts with null layer ids: they belong to the drawing where they were resolved.
  codifPoint(const codifPoint& autre);
  // The target keeps its own layer ids.
  codifPoint& operator=(const codifPoint& autre);
  // An entry moved inside a table (growth, removal, sort) is the same code: its ids go with it.
  codifPoint(codifPoint&& autre) noexcept = default;
  codifPoint& operator=(codifPoint&& autre) noexcept = default;

  // The name of layer i (kLayerBlock...kLayerCode).
  CString getLayer(int i) const;
  // Resolves the five layers in the layer table, creating the missing ones with their colours.
  // Each name is first trimmed of " \t,;." ("0" when nothing is left, kept in the field). With
  // no table, the current drawing's layer table is opened for writing and closed at the end.
  // Layers that cannot be created keep a null id; nothing is reported.
  void createLayers(AcDbLayerTable* table = nullptr);

  // Appends this code's element "codifPoint" with its fifteen values to parent.
  void writeXml(tinyxml2::XMLElement* parent) const;
  // Reads the values present in a "codifPoint" element (name compared ignoring case); the
  // missing ones keep their current value. False for an element of another name.
  bool readXml(const tinyxml2::XMLElement* element);

  int code;
  CString libelle;
  CString chemin;                      // full path of the block drawing
  double tailleBlock;                  // block scale and text height unit (drawing units)
  int coulLayers[kNombreLayersCodif];  // colour index of each layer when it is created (0-256)
  AcDbObjectId layerIds[kNombreLayersCodif];  // resolved in the current drawing, never stored
  CString layers[kNombreLayersCodif];
  int precisionAltitudes;  // decimals of the altitude text
};
