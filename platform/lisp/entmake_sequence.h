// Internal: the complex entities entmake builds over several calls, as the host's LISP does:
//   BLOCK, its entities, ENDBLK          a block definition (ENDBLK gives the block's name);
//   INSERT with (66 . 1), ATTRIB…, SEQEND a block reference with its attributes;
//   POLYLINE, VERTEX…, SEQEND           an old-style polyline.
// Nothing enters the drawing until the sequence ends; entmake without a list drops what was begun.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ge/gepnt3d.h"

class AcDbDatabase;
class AcDbEntity;

namespace lisp {

class EntmakeSequence {
 public:
  EntmakeSequence();
  ~EntmakeSequence();

  void cancel();
  bool inBlock() const { return block_ != nullptr; }
  bool inFollowers() const { return owner_ != nullptr; }
  const AcDbEntity* owner() const { return owner_.get(); }

  void beginBlock(const std::wstring& name, const AcGePoint3d& origin, int flags,
                  const std::wstring& description);
  // Adds the block to the drawing with the entities given since BLOCK: its name (numbered for an
  // anonymous "*U"), or empty when the drawing refuses it (the name is taken, a bad name).
  std::wstring endBlock(AcDbDatabase* database);

  void beginFollowers(std::unique_ptr<AcDbEntity> owner);
  // Gives an attribute or a vertex to the entity begun; false when it does not take that kind.
  bool addFollower(std::unique_ptr<AcDbEntity> follower);
  // The entity begun, with its followers, at its SEQEND.
  std::unique_ptr<AcDbEntity> takeOwner();

  // An entity of the block being defined.
  void addToBlock(std::unique_ptr<AcDbEntity> entity);

 private:
  struct Block;
  std::unique_ptr<Block> block_;
  std::unique_ptr<AcDbEntity> owner_;
};

}  // namespace lisp
