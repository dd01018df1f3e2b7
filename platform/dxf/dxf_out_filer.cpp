#include "dxf/dxf_out_filer.h"

#include "db/database_state.h"
#include "dxf/dxf_angles.h"

namespace dxf {

bool DxfFileOutFiler::isLive(const AcDbObjectId& id) const {
  AcDbStub* stub = id.stub();
  return stub != nullptr && stub->object != nullptr && !stub->erased && stub->database == database_;
}

Acad::ErrorStatus DxfFileOutFiler::writeText(int code, std::wstring_view text) {
  if (code == 102) inGroup_ = !text.empty() && text[0] == L'{';
  writer_.text(code, text);
  return writer_.failed() ? Acad::eFileSystemErr : Acad::eOk;
}

Acad::ErrorStatus DxfFileOutFiler::writeItem(const DxfItem& item) {
  switch (item.kind) {
    case DxfKind::kString:
      return writeText(item.code, item.text);
    case DxfKind::kReal:
      writer_.real(item.code,
                   anglesInDegrees_ && isAngleCode(item.code) ? radiansToDegrees(item.real) : item.real,
                   precision_);
      break;
    case DxfKind::kInt:
    case DxfKind::kBool:
      if (item.code == 66 && item.integer == 1) hasFollowers_ = true;
      writer_.integer(item.code, item.integer);
      break;
    case DxfKind::kPoint:
      writer_.real(item.code, item.point[0], precision_);
      writer_.real(item.code + 10, item.point[1], precision_);
      if (item.dim != 2) writer_.real(item.code + 20, item.point[2], precision_);
      break;
    case DxfKind::kHandle: {
      // An object's own handle is written as it is; a handle that points to another object (320-329,
      // 1005) is written only while that object exists.
      AcDbHandle handle = item.handle();
      if (item.code != 5 && item.code != 105 && !handle.isNull()) {
        AcDbObjectId id;
        if (database_ == nullptr || database_->getAcDbObjectId(id, false, handle) != Acad::eOk ||
            !isLive(id)) {
          handle.setNull();
        }
      }
      writer_.handle(item.code, handle.value());
      break;
    }
    case DxfKind::kId:
      if (isLive(item.id)) {
        writer_.handle(item.code, item.id.handle().value());
      } else if (!inGroup_) {
        // Reactor and dictionary groups simply leave a missing object out; elsewhere the format
        // needs the item, with the null handle.
        writer_.handle(item.code, 0);
      }
      break;
    case DxfKind::kBinary:
      writer_.binary(item.code, item.bytes.data(), item.bytes.size());
      break;
  }
  return writer_.failed() ? Acad::eFileSystemErr : Acad::eOk;
}

}  // namespace dxf
