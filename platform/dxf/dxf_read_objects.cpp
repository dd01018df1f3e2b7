// Creating the objects of a drawing file and placing them under the handles the file gives.
#include <algorithm>
#include <exception>

#include "db/database_state.h"
#include "db/dbdatabase.h"
#include "db/dbproxy.h"
#include "dxf/dxf_angles.h"
#include "dxf/dxf_drawing_reader.h"
#include "dxf/dxf_error.h"
#include "dxf/dxf_in_filer.h"
#include "dxf/dxf_messages.h"
#include "dxf/dxf_numbers.h"

namespace dxf {

std::uint64_t DrawingReader::handleOfObject() const {
  // The object's own handle is the first 5 before any subclass marker (105 on dimension styles,
  // whose 5 was once the arrow block's name).
  bool isDimStyle = typeIs("DIMSTYLE");
  for (const DxfToken& token : object_) {
    if (token.code == 100) break;
    if ((token.code == 5 && !isDimStyle) || (token.code == 105 && isDimStyle)) {
      std::uint64_t handle = 0;
      return parseHandle(token.value, handle) ? handle : 0;
    }
  }
  return 0;
}

AcDbObjectId DrawingReader::placeNew(AcDbObject* object) {
  AcDbStub* stub = state_.newStub();
  state_.place(stub, object);
  return AcDbObjectId(stub);
}

AcDbObjectId DrawingReader::placeAndRead(AcDbObject* object) {
  std::uint64_t handle = handleOfObject();
  AcDbStub* stub = nullptr;
  if (handle != 0) {
    stub = state_.stubForHandle(AcDbHandle(handle));
    if (stub->object) {
      // Two objects with one handle: references go to the first, the second gets a new handle.
      stub = state_.newStub();
      context_.warn(typeToken_.line, msg::duplicateHandle(AcDbHandle(handle).toHex(), stub->handle.toHex()));
    }
  } else {
    stub = state_.newStub();
  }
  state_.place(stub, object);
  DxfFileInFiler filer(context_, object_.data(), object_.size(), writesAnglesInDegrees(object->isA()));
  if (typeIs("DIMSTYLE")) filer.readCode5AsText();
  try {
    object->dxfInFields(&filer);
  } catch (const DxfReadError&) {
    throw;
  } catch (const std::exception& error) {
    // A defect of the object's own reading: it stops the read, naming the object's line.
    throw DxfReadError(Acad::eDxfReadAborted, typeToken_.line, msg::objectNotRead(type_, error.what()));
  }
  return AcDbObjectId(stub);
}

AcDbObject* DrawingReader::createObject(bool entity) {
  std::string type(type_);
  AcRxClass* cls = AcRxClass::findByDxfName(type.c_str());
  // Classes made for proxies answer to their type name too; a proxy is made afresh below.
  if (cls != nullptr && (cls->isDerivedFrom(AcDbProxyObject::desc()) ||
                         cls->isDerivedFrom(AcDbProxyEntity::desc()))) {
    cls = nullptr;
  }
  if (cls != nullptr) {
    bool isEntity = cls->isDerivedFrom(AcDbEntity::desc());
    if (isEntity != entity || !cls->isDerivedFrom(AcDbObject::desc())) {
      context_.warn(typeToken_.line, msg::objectSkipped(type_));
      return nullptr;
    }
    if (AcRxObject* created = cls->create()) return static_cast<AcDbObject*>(created);
  }
  if (entity) {
    // A kind kept as read is written back as read: without subclass markers (files of R12) its
    // items cannot make an entity of the version written, so it is counted and left out.
    bool hasSubclasses = std::any_of(object_.begin(), object_.end(),
                                     [](const DxfToken& token) { return token.code == 100; });
    if (!hasSubclasses) {
      auto counted = droppedOldEntities_.try_emplace(type, 0, typeToken_.line).first;
      ++counted->second.first;
      return nullptr;
    }
    return AcDbProxyEntity::create(type.c_str());
  }
  return AcDbProxyObject::create(type.c_str());
}

bool DrawingReader::hasItem(int code, std::int64_t value) const {
  return intItem(code, value + 1) == value;
}

std::int64_t DrawingReader::intItem(int code, std::int64_t fallback) const {
  for (const DxfToken& token : object_) {
    if (token.code != code) continue;
    std::int64_t value = 0;
    return parseInteger(token.value, value) ? value : fallback;
  }
  return fallback;
}

}  // namespace dxf
