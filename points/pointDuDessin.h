// A survey point held by value: coordinates, code, a name of at most 9 characters in the ANSI
// code page, and the block reference that shows it in the drawing.
#pragma once
#include "db/dbid.h"
#include "ge/gepnt3d.h"
#include "ui/afxstr.h"

class CResbuf;

// "No value" in coordinates, altitudes, angles and results: always compared exactly.
constexpr double kSansValeur = 1e38;

class pointDuDessin {
 public:
  static constexpr int kLongueurNom = 9;

  pointDuDessin();
  ~pointDuDessin() = default;
  pointDuDessin(const pointDuDessin& autre) = default;
  pointDuDessin& operator=(const pointDuDessin& autre);

  // Same place within 0.0001 on each axis (strictly), same code, same name ignoring case; the
  // block is not compared.
  bool operator==(const pointDuDessin& autre) const;
  bool operator!=(const pointDuDessin& autre) const { return !(*this == autre); }

  // Plane distance; altitudes are ignored.
  double distanceTo(const pointDuDessin& autre) const;

  double getX() const { return x_; }
  double getY() const { return y_; }
  double getZ() const { return z_; }
  void setX(double x) { x_ = x; }
  void setY(double y) { y_ = y; }
  void setZ(double z) { z_ = z; }
  void getXY(double& x, double& y) const {
    x = x_;
    y = y_;
  }
  // Sets the three coordinates.
  void setXY(double x, double y, double z);
  AcGePoint3d getAs3dPnt() const { return AcGePoint3d(x_, y_, z_); }

  int getCode() const { return code_; }
  void setCode(int code) { code_ = code; }
  const char* getNomPoint() const { return nom_; }
  // At most 9 characters are kept; a longer name is cut, never refused.
  void setNomPoint(const char* nom);
  void setNomPoint(const wchar_t* nom);

  AcDbObjectId& getId() { return id_; }
  const AcDbObjectId& getId() const { return id_; }
  void setId(AcDbObjectId id) { id_ = id; }

  // Name, coordinates from the position, code; the block is kept.
  void setParams(const wchar_t* nom, const AcGePoint3d& position, int code);

  // The altitude with the decimals of the point's code; empty when the point has none.
  void getZAsString(CString& texte) const;
  // Makes the point's block in the current drawing's model space (the code's block, scale and
  // layers, the four attributes, the "JALOPLUS" mark) and keeps its id. Nothing when the block
  // drawing cannot be found.
  void creer(bool creerLayers, const wchar_t* observation = nullptr);
  // Brings the block's number, altitude and position up to date, or makes the block.
  void updateDrawing();

  // Fills the record from a point block: position, number, code and altitude attributes (tags of
  // globalAttribsPoints). 1, or 0 for a null id, an object that is not a block reference, or a
  // block without a number attribute (the position and id are set before that last check).
  int updateFromDrawing(AcDbObjectId& id);

  // The six items of a point in a value chain: name (92 + 310), code (90), x, y, z (40), block
  // (330, or 90 -9999999). 1 on success, 0 at the first item that fails.
  int saveToXRecord(CResbuf& chaine) const;
  int readFromXRecord(CResbuf& chaine);

 private:
  double x_ = kSansValeur;
  double y_ = kSansValeur;
  double z_ = kSansValeur;
  int code_ = 1;
  char nom_[kLongueurNom + 1] = {};
  AcDbObjectId id_;
};
