// The filer objects write themselves to when a drawing file is written: points become their x, y
// and z lines, references become the handles of the objects they name ("0" for none), binary data
// becomes hex lines.
#pragma once
#include <string>

#include "db/dbfiler.h"
#include "dxf/dxf_tag_writer.h"

namespace dxf {

class DxfFileOutFiler : public AcDbDxfFiler {
 public:
  DxfFileOutFiler(AcDbDatabase* database, DxfTagWriter& writer, int precision = 16)
      : database_(database), writer_(writer), precision_(precision) {}

  FilerType filerType() const override { return kFileFiler; }
  AcDbDatabase* database() const override { return database_; }
  Acad::ErrorStatus readItem(DxfItem&) override { return Acad::eNotApplicable; }
  Acad::ErrorStatus pushBackItem() override { return Acad::eNotApplicable; }
  const std::wstring& currentSubclass() const override { return subclass_; }
  Acad::ErrorStatus writeItem(const DxfItem& item) override;
  using AcDbDxfFiler::writeItem;
  int precision() const override { return precision_; }

  // Starts a new object: forgets what the last one said about its followers.
  void beginObject(bool anglesInDegrees = false) {
    hasFollowers_ = false;
    inGroup_ = false;
    anglesInDegrees_ = anglesInDegrees;
  }
  // The object wrote "66 1": attributes or vertices follow it, closed by a SEQEND.
  bool announcedFollowers() const { return hasFollowers_; }
  // True when the id names an object of this database that exists and is not erased.
  bool isLive(const AcDbObjectId& id) const;

 protected:
  Acad::ErrorStatus writeText(int code, std::wstring_view text) override;

 private:
  AcDbDatabase* database_;
  DxfTagWriter& writer_;
  int precision_;
  std::wstring subclass_;
  bool hasFollowers_ = false;
  bool inGroup_ = false;
  bool anglesInDegrees_ = false;
};

}  // namespace dxf
