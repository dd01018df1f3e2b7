#include "dxf/dxf_read_context.h"

#include <algorithm>

#include "db/dbdatabase.h"
#include "dxf/dxf_error.h"
#include "dxf/dxf_messages.h"
#include "dxf/dxf_numbers.h"

namespace dxf {

void DxfReadContext::warn(int line, const std::string& detail) {
  warnings_.push_back(line > 0 ? msg::atLine(line, detail) : detail);
}

namespace {

double realOf(const DxfToken& token) {
  double value = 0.0;
  if (!parseReal(token.value, value)) {
    throw DxfReadError(Acad::eInvalidDxfCode, token.line + 1, msg::invalidNumber(token.value, token.code));
  }
  return value;
}

}  // namespace

void DxfReadContext::sealDefinitions() {
  // Files write their objects mostly in handle order: sorting is then almost free.
  std::sort(defined_.begin(), defined_.end());
  defined_.erase(std::unique(defined_.begin(), defined_.end()), defined_.end());
  defined_.shrink_to_fit();
}

size_t DxfReadContext::convert(const DxfToken* tokens, size_t count, DxfItem& item) {
  const DxfToken& token = tokens[0];
  item.code = token.code;
  item.kind = dxfKindOfCode(token.code);
  item.id.setNull();
  item.dim = 3;
  switch (item.kind) {
    case DxfKind::kString:
      item.real = 0.0;
      item.integer = 0;
      decoder_.decode(token.value, item.text);
      return 1;
    case DxfKind::kReal:
      item.real = realOf(token);
      return 1;
    case DxfKind::kInt:
    case DxfKind::kBool: {
      std::int64_t value = 0;
      if (!parseInteger(token.value, value)) {
        throw DxfReadError(Acad::eInvalidDxfCode, token.line + 1,
                           msg::invalidNumber(token.value, token.code));
      }
      item.integer = item.kind == DxfKind::kBool ? (value != 0 ? 1 : 0) : value;
      return 1;
    }
    case DxfKind::kPoint: {
      item.point[0] = realOf(token);
      item.point[1] = item.point[2] = 0.0;
      size_t used = 1;
      // y and z follow under the x code plus 10 and plus 20; a 2D point has no z.
      if (used < count && tokens[used].code == token.code + 10) {
        item.point[1] = realOf(tokens[used]);
        ++used;
        if (used < count && tokens[used].code == token.code + 20) {
          item.point[2] = realOf(tokens[used]);
          ++used;
        } else {
          item.dim = 2;
        }
      } else {
        item.dim = 2;
      }
      return used;
    }
    case DxfKind::kHandle: {
      std::uint64_t handle = 0;
      if (!parseHandle(token.value, handle)) {
        throw DxfReadError(Acad::eInvalidDxfCode, token.line + 1,
                           msg::invalidHandle(token.value, token.code));
      }
      item.integer = static_cast<Adesk::Int64>(handle);
      return 1;
    }
    case DxfKind::kId: {
      std::uint64_t handle = 0;
      if (!parseHandle(token.value, handle)) {
        throw DxfReadError(Acad::eInvalidDxfCode, token.line + 1,
                           msg::invalidHandle(token.value, token.code));
      }
      if (handle != 0) {
        if (isDefined(handle)) {
          // Forward references are fine: the slot exists before its object.
          database_->getAcDbObjectId(item.id, true, AcDbHandle(handle));
        } else {
          warn(token.line + 1, msg::danglingReference(trimBlanks(token.value), token.code));
        }
      }
      return 1;
    }
    case DxfKind::kBinary: {
      std::string bytes;
      if (!parseHex(token.value, bytes)) {
        throw DxfReadError(Acad::eInvalidDxfCode, token.line + 1, msg::invalidBinary(token.code));
      }
      item.bytes.assign(bytes.begin(), bytes.end());
      return 1;
    }
  }
  return 1;
}

}  // namespace dxf
