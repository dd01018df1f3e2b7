// Internal: the filter lists of selection sets. A filter is a result-buffer chain of group-code
// tests (entity type 0, layer 8, block name 2, subclass marker 100, colour 62, any other code of
// the entity's list), extended-data applications (-3 followed by 1001 names), relational operators
// on the next test (-4 "=", "!=", "/=", "<>", "<", "<=", ">", ">=", "*", "&", "&=", or one operator
// per coordinate for points: ">,>,*") and nested logical groups (-4 "<AND" … "AND>", "<OR" … "OR>",
// "<XOR" two operands "XOR>", "<NOT" one operand "NOT>"). The top level is an implicit AND.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "db/adsdef.h"

class AcDbEntity;

namespace ed {

class SelectionFilter {
 public:
  // Compiles the chain (null: a filter that takes everything). A malformed chain (unbalanced
  // groups, a wrong number of operands, an unknown operator, an operator with nothing to apply
  // to) leaves ok() false.
  explicit SelectionFilter(const resbuf* chain);
  ~SelectionFilter();
  SelectionFilter(const SelectionFilter&) = delete;
  SelectionFilter& operator=(const SelectionFilter&) = delete;

  bool ok() const { return ok_; }
  // What is wrong with a malformed filter (for messages), empty when ok.
  const std::wstring& error() const { return error_; }
  // True when the entity (open for read) passes every test.
  bool matches(const AcDbEntity* entity) const;

  struct Node;

 private:
  std::unique_ptr<Node> root_;
  bool ok_ = true;
  std::wstring error_;
};

}  // namespace ed
