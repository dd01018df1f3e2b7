#include "lisp/entmake_sequence.h"

#include "db/dbblkref.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbpoly.h"
#include "db/dbsymtb.h"

namespace lisp {

struct EntmakeSequence::Block {
  std::wstring name;
  AcGePoint3d origin;
  int flags = 0;
  std::wstring description;
  std::vector<std::unique_ptr<AcDbEntity>> entities;
};

EntmakeSequence::EntmakeSequence() = default;
EntmakeSequence::~EntmakeSequence() = default;

void EntmakeSequence::cancel() {
  block_.reset();
  owner_.reset();
}

void EntmakeSequence::beginBlock(const std::wstring& name, const AcGePoint3d& origin, int flags,
                                 const std::wstring& description) {
  cancel();
  block_ = std::make_unique<Block>();
  block_->name = name;
  block_->origin = origin;
  block_->flags = flags;
  block_->description = description;
}

std::wstring EntmakeSequence::endBlock(AcDbDatabase* database) {
  std::unique_ptr<Block> block = std::move(block_);
  owner_.reset();
  if (!block || database == nullptr) return {};
  AcDbBlockTable* table = nullptr;
  if (database->getBlockTable(table, AcDb::kForWrite) != Acad::eOk) return {};
  // An existing block is not redefined: its references would change behind the caller's back.
  if (table->has(block->name.c_str())) {
    table->close();
    return {};
  }
  auto record = std::make_unique<AcDbBlockTableRecord>();
  record->setName(block->name.c_str());
  record->setOrigin(block->origin);
  if (!block->description.empty()) record->setComments(block->description.c_str());
  AcDbObjectId id;
  const Acad::ErrorStatus added = table->add(id, record.get());
  table->close();
  if (added != Acad::eOk) return {};
  AcDbBlockTableRecord* resident = record.release();
  for (std::unique_ptr<AcDbEntity>& entity : block->entities) {
    if (resident->appendAcDbEntity(entity.get()) == Acad::eOk) entity.release()->close();
  }
  const ACHAR* given = nullptr;
  resident->getName(given);
  const std::wstring name = given ? given : L"";
  resident->close();
  return name;
}

void EntmakeSequence::beginFollowers(std::unique_ptr<AcDbEntity> owner) { owner_ = std::move(owner); }

bool EntmakeSequence::addFollower(std::unique_ptr<AcDbEntity> follower) {
  if (!owner_ || !follower) return false;
  Acad::ErrorStatus es = Acad::eWrongObjectType;
  if (auto* reference = AcDbBlockReference::cast(owner_.get())) {
    if (auto* attribute = AcDbAttribute::cast(follower.get())) es = reference->appendAttribute(attribute);
  } else if (auto* polyline = AcDb2dPolyline::cast(owner_.get())) {
    if (auto* vertex = AcDb2dVertex::cast(follower.get())) es = polyline->appendVertex(vertex);
  } else if (auto* polyline3d = AcDb3dPolyline::cast(owner_.get())) {
    if (auto* vertex = AcDb3dPolylineVertex::cast(follower.get())) es = polyline3d->appendVertex(vertex);
  } else if (auto* mesh = AcDbPolyFaceMesh::cast(owner_.get())) {
    if (auto* vertex = AcDbPolyFaceMeshVertex::cast(follower.get())) es = mesh->appendVertex(vertex);
  }
  if (es != Acad::eOk) return false;
  follower.release();  // the owner holds it now
  return true;
}

std::unique_ptr<AcDbEntity> EntmakeSequence::takeOwner() { return std::move(owner_); }

void EntmakeSequence::addToBlock(std::unique_ptr<AcDbEntity> entity) {
  if (block_) block_->entities.push_back(std::move(entity));
}

}  // namespace lisp
