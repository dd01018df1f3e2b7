// The filer an object reads itself from when it comes from a drawing file: the items of one object
// (from after its "0 TYPE" line to the next 0 code), converted as they are asked for.
#pragma once
#include <string>
#include <vector>

#include "db/dbfiler.h"
#include "dxf/dxf_read_context.h"
#include "dxf/dxf_tokenizer.h"

namespace dxf {

class DxfFileInFiler : public AcDbDxfFiler {
 public:
  DxfFileInFiler(DxfReadContext& context, const DxfToken* tokens, size_t count,
                 bool anglesInDegrees = false)
      : context_(context), tokens_(tokens), count_(count), anglesInDegrees_(anglesInDegrees) {}

  FilerType filerType() const override { return kFileFiler; }
  AcDbDatabase* database() const override { return context_.database(); }
  Acad::ErrorStatus readItem(DxfItem& item) override;
  Acad::ErrorStatus pushBackItem() override;
  const std::wstring& currentSubclass() const override { return subclass_; }
  void reportRepair(const std::string& message) override;
  Acad::ErrorStatus writeItem(const DxfItem& item) override;
  using AcDbDxfFiler::writeItem;

  // Line of the last item read (of the object's type line before any).
  int currentLine() const;
  // Group 5 is read as text: in dimension styles of R12 files it names the arrow block (their
  // handle is 105).
  void readCode5AsText() { code5IsText_ = true; }

 private:
  DxfReadContext& context_;
  const DxfToken* tokens_;
  size_t count_;
  size_t position_ = 0;
  size_t previous_ = 0;
  bool canPushBack_ = false;
  bool anglesInDegrees_;
  bool code5IsText_ = false;
  std::wstring subclass_;
};

}  // namespace dxf
