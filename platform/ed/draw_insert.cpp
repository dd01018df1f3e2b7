// INSERT: a block reference of a block of the drawing, or of a drawing file brought in as a block,
// placed by an insertion point, scale factors and a rotation, with the values of its attributes.
#include <memory>
#include <string>
#include <vector>

#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "db/symbol_lookup.h"
#include "ed/aced.h"
#include "ed/draw_commands.h"
#include "ed/draw_messages.h"
#include "ed/draw_support.h"
#include "ge/gescl3d.h"

namespace ed::draw {

namespace {

// The block inserted last in the session: the default of the next INSERT.
std::wstring& lastBlockName() {
  static std::wstring name;
  return name;
}

std::wstring trimmed(const std::wstring& text) {
  size_t start = text.find_first_not_of(L" \t");
  if (start == std::wstring::npos) return std::wstring();
  return text.substr(start, text.find_last_not_of(L" \t") - start + 1);
}

// "plans\borne.dwg" gives "borne".
std::wstring baseName(const std::wstring& path) {
  size_t slash = path.find_last_of(L"/\\");
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  size_t dot = name.find_last_of(L'.');
  return dot == std::wstring::npos || dot == 0 ? name : name.substr(0, dot);
}

bool hasExtension(const std::wstring& path) {
  size_t slash = path.find_last_of(L"/\\");
  size_t dot = path.find_last_of(L'.');
  return dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash + 1);
}

// A block a reference may name: not a layout, not anonymous.
bool isInsertable(AcDbObjectId blockId) {
  AcDbBlockTableRecord* record = nullptr;
  if (acdbOpenObject(record, blockId, AcDb::kForRead) != Acad::eOk) return false;
  bool ok = !record->isLayout() && !record->isAnonymous();
  record->close();
  return ok;
}

// One attribute to ask for: its definition and the value given.
struct AttributeAnswer {
  AcDbObjectId definition;
  std::wstring value;
};

class BlockInsertion {
 public:
  explicit BlockInsertion(AcDbDatabase* db) : db_(db) {}

  void run() {
    AcDbObjectId block = askBlock();
    if (block.isNull()) return;
    ads_point at;
    if (acedGetPoint(nullptr, msg::kInsertionPoint, at) != RTNORM) return;
    double scaleX = 1.0, scaleY = 1.0, rotation = 0.0;
    if (!askScale(msg::kScaleX, 1.0, scaleX) || !askScale(msg::kScaleY, scaleX, scaleY)) return;
    int rc = acedGetAngle(at, msg::kInsertRotation, &rotation);
    if (rc == RTNONE)
      rotation = 0.0;
    else if (rc != RTNORM)
      return;

    std::vector<AttributeAnswer> answers;
    if (!askAttributes(block, answers)) return;
    auto reference = std::make_unique<AcDbBlockReference>(toPoint(at), block);
    reference->setDatabaseDefaults(db_);
    reference->setScaleFactors(AcGeScale3d(scaleX, scaleY, scaleX));
    reference->setRotation(rotation);
    addAttributes(*reference, answers);
    appendToModelSpace(db_, reference.release());
  }

 private:
  // The block by name, or a drawing file inserted as a block named after the file. Null on Enter
  // without a default or a cancel.
  AcDbObjectId askBlock() {
    for (;;) {
      std::wstring prompt = msg::kBlockName;
      if (!lastBlockName().empty()) prompt += L" <" + lastBlockName() + L">";
      prompt += L": ";
      ACHAR answer[kAcedGetStringBufferLength];
      if (acedGetString(1, prompt.c_str(), answer) != RTNORM) return AcDbObjectId::kNull;
      std::wstring name = trimmed(answer);
      if (name.empty()) name = lastBlockName();
      if (name.empty()) return AcDbObjectId::kNull;
      if (name == L"?") {
        listBlocks();
        continue;
      }
      AcDbObjectId block = findBlock(name);
      if (block.isNull()) block = insertFile(name);
      if (!block.isNull()) {
        lastBlockName() = symbolRecordName(block);
        return block;
      }
      say(msg::kBlockUnknown + name + msg::kBlockUnknownEnd);
    }
  }

  AcDbObjectId findBlock(const std::wstring& name) {
    AcDbObjectId block = findSymbolRecord(db_, db_->blockTableId(), name);
    return !block.isNull() && isInsertable(block) ? block : AcDbObjectId::kNull;
  }

  // Reads the drawing (a name without extension is taken as ".dwg", which falls back to ".dxf")
  // and copies it in as the block of its base name, redefining a block of that name.
  AcDbObjectId insertFile(const std::wstring& path) {
    std::wstring file = hasExtension(path) ? path : path + L".dwg";
    AcDbDatabase source(false, true);
    if (source.readDwgFile(file.c_str()) != Acad::eOk) return AcDbObjectId::kNull;
    AcDbObjectId block;
    if (db_->insert(block, baseName(path).c_str(), &source) != Acad::eOk)
      return AcDbObjectId::kNull;
    return block;
  }

  void listBlocks() {
    say(msg::kBlockList);
    AcDbBlockTable* table = nullptr;
    if (db_->getBlockTable(table, AcDb::kForRead) != Acad::eOk) return;
    AcDbBlockTableIterator* it = nullptr;
    if (table->newIterator(it) == Acad::eOk) {
      for (; !it->done(); it->step()) {
        AcDbBlockTableRecord* record = nullptr;
        if (it->getRecord(record, AcDb::kForRead) != Acad::eOk) continue;
        if (!record->isLayout() && !record->isAnonymous()) say(L"\n  \"" + record->name() + L"\"");
        record->close();
      }
      delete it;
    }
    table->close();
  }

  // A scale factor, not zero; Enter takes the default. False on a cancel.
  bool askScale(const wchar_t* prompt, double fallback, double& scale) {
    acedInitGet(RSG_NOZERO, nullptr);
    int rc = acedGetReal(prompt, &scale);
    if (rc == RTNONE) scale = fallback;
    return rc == RTNORM || rc == RTNONE;
  }

  // The attribute definitions of the block in order; constant ones are not asked (they belong to
  // the definition), preset ones take their default. False on a cancel.
  bool askAttributes(AcDbObjectId block, std::vector<AttributeAnswer>& answers) {
    struct Asked {
      AcDbObjectId id;
      std::wstring prompt;
      std::wstring value;
      bool preset;
    };
    std::vector<Asked> definitions;
    AcDbBlockTableRecord* record = nullptr;
    if (acdbOpenObject(record, block, AcDb::kForRead) != Acad::eOk) return true;
    AcDbBlockTableRecordIterator* it = nullptr;
    if (record->newIterator(it) == Acad::eOk) {
      for (; !it->done(); it->step()) {
        AcDbEntity* entity = nullptr;
        if (it->getEntity(entity, AcDb::kForRead) != Acad::eOk) continue;
        if (auto* definition = AcDbAttributeDefinition::cast(entity);
            definition && !definition->isConstant()) {
          std::wstring prompt = definition->promptConst();
          if (prompt.empty()) prompt = definition->tagConst();
          definitions.push_back({definition->objectId(), prompt, definition->textStringConst(),
                                 definition->isPreset()});
        }
        entity->close();
      }
      delete it;
    }
    record->close();

    bool announced = false;
    for (const Asked& asked : definitions) {
      std::wstring value = asked.value;
      if (!asked.preset) {
        if (!announced) say(msg::kAttributeValues);
        announced = true;
        std::wstring prompt = L"\n" + asked.prompt;
        if (!asked.value.empty()) prompt += L" <" + asked.value + L">";
        prompt += L": ";
        ACHAR answer[kAcedGetStringBufferLength];
        if (acedGetString(1, prompt.c_str(), answer) != RTNORM) return false;
        if (answer[0] != L'\0') value = answer;
      }
      answers.push_back({asked.id, value});
    }
    return true;
  }

  // Each attribute takes its definition's properties placed by the reference.
  void addAttributes(AcDbBlockReference& reference, const std::vector<AttributeAnswer>& answers) {
    AcGeMatrix3d transform = reference.blockTransform();
    for (const AttributeAnswer& answer : answers) {
      AcDbAttributeDefinition* definition = nullptr;
      if (acdbOpenObject(definition, answer.definition, AcDb::kForRead) != Acad::eOk) continue;
      auto* attribute = new AcDbAttribute();
      attribute->setAttributeFromBlock(definition, transform);
      definition->close();
      attribute->setTextString(answer.value.c_str());
      attribute->adjustAlignment(db_);
      if (reference.appendAttribute(attribute) != Acad::eOk) delete attribute;
    }
  }

  AcDbDatabase* db_;
};

}  // namespace

void insertCommand() {
  if (AcDbDatabase* db = drawing()) BlockInsertion(db).run();
}

}  // namespace ed::draw
