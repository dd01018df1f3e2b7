#include "ed/ssget_filter.h"

#include <cmath>

#include "db/acutads.h"
#include "db/dbentity.h"
#include "db/dbfiler.h"
#include "db/dbobject.h"
#include "db/dbsymtb.h"
#include "ed/selection_wildcard.h"
#include "os/case_map.h"

namespace ed {

struct SelectionFilter::Node {
  enum Kind { kAnd, kOr, kXor, kNot, kTest, kApps };
  explicit Node(Kind k) : kind(k) {}
  Kind kind;
  std::vector<std::unique_ptr<Node>> children;  // groups
  // kTest: the group code, its relational operator (empty: equality, or a wild-card match for
  // texts) and the value of the result buffer.
  int code = 0;
  std::wstring op;
  int valueType = RTNONE;
  std::wstring text;
  double number = 0.0;
  double point[3] = {0.0, 0.0, 0.0};
  int pointDim = 3;
  AcDbObjectId id;
  // kApps: application name patterns, all of which must have extended data on the entity.
  std::vector<std::wstring> apps;
};

namespace {

typedef SelectionFilter::Node Node;

std::wstring upper(const std::wstring& text) { return toUpperLatin(text); }

std::wstring widen(const char* text) {
  std::wstring out;
  for (const char* p = text; p && *p; ++p)
    out += static_cast<wchar_t>(static_cast<unsigned char>(*p));
  return out;
}

// The value of a test result buffer, read by the type its code carries.
bool readTestValue(const resbuf* rb, int code, Node& node) {
  int type = rb->restype == RTDXF0 ? RTSTR : acdbGroupCodeToType(code);
  node.valueType = type;
  switch (type) {
    case RTSTR:
      node.text = rb->resval.rstring ? rb->resval.rstring : L"";
      return true;
    case RTREAL:
    case RTANG:
      node.number = rb->resval.rreal;
      return true;
    case RTSHORT:
      node.number = rb->resval.rint;
      return true;
    case RTLONG:
      node.number = rb->resval.rlong;
      return true;
    case RTINT64:
      node.number = static_cast<double>(rb->resval.mnInt64);
      return true;
    case RTPOINT:
    case RT3DPOINT:
      for (int i = 0; i < 3; ++i) node.point[i] = rb->resval.rpoint[i];
      node.pointDim = type == RTPOINT ? 2 : 3;
      return true;
    case RTENAME:
      acdbGetObjectId(node.id, rb->resval.rlname);
      return true;
    default:
      return false;
  }
}

bool isRelational(const std::wstring& op) {
  static const wchar_t* const known[] = {L"=", L"!=", L"/=", L"<>", L"<", L"<=",
                                         L">", L">=", L"*",  L"&",  L"&="};
  for (const wchar_t* k : known)
    if (op == k) return true;
  return false;
}

bool compareNumbers(double value, const std::wstring& op, double wanted) {
  const double tolerance = 1e-10 * std::max(1.0, std::fabs(wanted));
  bool equal = std::fabs(value - wanted) <= tolerance;
  if (op.empty() || op == L"=") return equal;
  if (op == L"!=" || op == L"/=" || op == L"<>") return !equal;
  if (op == L"<") return value < wanted && !equal;
  if (op == L"<=") return value < wanted || equal;
  if (op == L">") return value > wanted && !equal;
  if (op == L">=") return value > wanted || equal;
  if (op == L"*") return true;
  long long a = std::llround(value), b = std::llround(wanted);
  if (op == L"&") return (a & b) != 0;
  if (op == L"&=") return (a & b) == b;
  return false;
}

bool compareText(const std::wstring& value, const std::wstring& op, const std::wstring& pattern) {
  if (op == L"*") return true;
  bool matched = matchesWildcard(value, pattern);
  if (op == L"!=" || op == L"/=" || op == L"<>") return !matched;
  return matched;
}

// Point operators: "op" for every coordinate, or "op,op[,op]" one per coordinate.
bool comparePoint(const double* value, const std::wstring& op, const Node& test) {
  std::vector<std::wstring> ops;
  size_t start = 0;
  for (;;) {
    size_t comma = op.find(L',', start);
    ops.push_back(
        op.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start));
    if (comma == std::wstring::npos) break;
    start = comma + 1;
  }
  for (int i = 0; i < test.pointDim; ++i) {
    const std::wstring& o =
        ops.size() == 1 ? ops[0] : (static_cast<size_t>(i) < ops.size() ? ops[i] : L"*");
    if (!compareNumbers(value[i], o, test.point[i])) return false;
  }
  return true;
}

// What the tests read from one entity; its group-code list is made on first use.
class EntityFacts {
 public:
  explicit EntityFacts(const AcDbEntity* entity) : entity_(entity) {}
  const AcDbEntity* entity() const { return entity_; }
  const DxfItemList& items() const {
    if (!loaded_) {
      DxfItemListFiler filer(entity_->database(), AcDbDxfFiler::kLispFiler);
      entity_->dxfOutFields(&filer);
      items_ = filer.takeItems();
      loaded_ = true;
    }
    return items_;
  }

 private:
  const AcDbEntity* entity_;
  mutable bool loaded_ = false;
  mutable DxfItemList items_;
};

bool testItem(const DxfItem& item, const Node& test) {
  switch (item.kind) {
    case DxfKind::kString:
      return test.valueType == RTSTR && compareText(item.text, test.op, test.text);
    case DxfKind::kHandle: {
      if (test.valueType != RTSTR) return false;
      wchar_t buffer[32];
      swprintf(buffer, 32, L"%llX", static_cast<unsigned long long>(item.integer));
      return compareText(buffer, test.op, test.text);
    }
    case DxfKind::kReal:
      return compareNumbers(item.real, test.op, test.number);
    case DxfKind::kInt:
    case DxfKind::kBool:
      return compareNumbers(static_cast<double>(item.integer), test.op, test.number);
    case DxfKind::kPoint:
      return (test.valueType == RTPOINT || test.valueType == RT3DPOINT) &&
             comparePoint(item.point, test.op, test);
    case DxfKind::kId: {
      if (test.op == L"*") return true;
      bool same = test.valueType == RTENAME && item.id == test.id;
      return (test.op == L"!=" || test.op == L"/=" || test.op == L"<>") ? !same : same;
    }
    case DxfKind::kBinary:
      return false;
  }
  return false;
}

bool testSubclass(const EntityFacts& facts, const Node& test) {
  if (test.valueType != RTSTR) return false;
  bool found = false;
  // Every class the entity derives from counts ("AcDbCurve" takes lines, arcs and polylines),
  // and so does every subclass marker it writes (an arc writes "AcDbCircle").
  for (const AcRxClass* cls = facts.entity()->isA(); cls && !found; cls = cls->myParent())
    found = matchesWildcard(cls->name(), test.text);
  if (!found) {
    for (const DxfItem& item : facts.items())
      if (item.code == 100 && matchesWildcard(item.text, test.text)) found = true;
  }
  if (test.op == L"*") return true;
  return (test.op == L"!=" || test.op == L"/=" || test.op == L"<>") ? !found : found;
}

bool testApps(const EntityFacts& facts, const Node& node) {
  std::vector<std::wstring> present;
  for (const DxfItem& item : facts.entity()->xDataItems())
    if (item.code == 1001) present.push_back(item.text);
  if (node.apps.empty()) return !present.empty();
  for (const std::wstring& pattern : node.apps) {
    bool found = false;
    for (const std::wstring& app : present)
      if (matchesWildcard(app, pattern)) found = true;
    if (!found) return false;
  }
  return true;
}

bool testNode(const EntityFacts& facts, const Node& node);

bool testLeaf(const EntityFacts& facts, const Node& test) {
  const AcDbEntity* entity = facts.entity();
  switch (test.code) {
    case 0:
      return test.valueType == RTSTR && compareText(widen(entity->dxfName()), test.op, test.text);
    case 8:
      return test.valueType == RTSTR && compareText(entity->layerName(), test.op, test.text);
    case 100:
      return testSubclass(facts, test);
    case 62:
      return test.valueType != RTSTR && compareNumbers(entity->colorIndex(), test.op, test.number);
    default:
      break;
  }
  bool present = false;
  for (const DxfItem& item : facts.items()) {
    if (item.code != test.code) continue;
    present = true;
    if (testItem(item, test)) return true;
  }
  if (present) return false;
  // Properties left out of the list when they have their default value.
  if (test.code == 67) return compareNumbers(0.0, test.op, test.number);
  if (test.code == 6 && test.valueType == RTSTR) return compareText(L"BYLAYER", test.op, test.text);
  return false;
}

bool testNode(const EntityFacts& facts, const Node& node) {
  switch (node.kind) {
    case Node::kTest:
      return testLeaf(facts, node);
    case Node::kApps:
      return testApps(facts, node);
    case Node::kAnd:
      for (const auto& child : node.children)
        if (!testNode(facts, *child)) return false;
      return true;
    case Node::kOr:
      for (const auto& child : node.children)
        if (testNode(facts, *child)) return true;
      return false;
    case Node::kXor:
      return testNode(facts, *node.children[0]) != testNode(facts, *node.children[1]);
    case Node::kNot:
      return !testNode(facts, *node.children[0]);
  }
  return false;
}

struct GroupWord {
  const wchar_t* open;
  const wchar_t* close;
  Node::Kind kind;
};
const GroupWord kGroups[] = {{L"<AND", L"AND>", Node::kAnd},
                             {L"<OR", L"OR>", Node::kOr},
                             {L"<XOR", L"XOR>", Node::kXor},
                             {L"<NOT", L"NOT>", Node::kNot}};

bool operandCountOk(const Node& group) {
  size_t n = group.children.size();
  switch (group.kind) {
    case Node::kXor:
      return n == 2;
    case Node::kNot:
      return n == 1;
    default:
      return n >= 1;
  }
}

}  // namespace

SelectionFilter::~SelectionFilter() = default;

SelectionFilter::SelectionFilter(const resbuf* chain) : root_(std::make_unique<Node>(Node::kAnd)) {
  std::vector<Node*> open = {root_.get()};
  auto fail = [this](const std::wstring& why) {
    ok_ = false;
    error_ = why;
  };
  for (const resbuf* rb = chain; rb != nullptr && ok_; rb = rb->rbnext) {
    if (rb->restype == -4) {
      std::wstring word = upper(rb->resval.rstring ? rb->resval.rstring : L"");
      bool handled = false;
      for (const GroupWord& g : kGroups) {
        if (word == g.open) {
          auto group = std::make_unique<Node>(g.kind);
          Node* raw = group.get();
          open.back()->children.push_back(std::move(group));
          open.push_back(raw);
          handled = true;
        } else if (word == g.close) {
          if (open.size() < 2 || open.back()->kind != g.kind) {
            fail(L"closing " + word + L" without its opening");
          } else if (!operandCountOk(*open.back())) {
            fail(L"wrong number of operands in " + word);
          } else {
            open.pop_back();
          }
          handled = true;
        }
      }
      if (handled) continue;
      if (!isRelational(word) && word.find(L',') == std::wstring::npos) {
        fail(L"unknown operator " + word);
        break;
      }
      const resbuf* operand = rb->rbnext;
      if (operand == nullptr || operand->restype == -4 || operand->restype == -3) {
        fail(L"operator " + word + L" without an operand");
        break;
      }
      auto test = std::make_unique<Node>(Node::kTest);
      test->code = operand->restype == RTDXF0 ? 0 : operand->restype;
      test->op = word;
      if (!readTestValue(operand, test->code, *test)) {
        fail(L"bad value for group " + std::to_wstring(test->code));
        break;
      }
      open.back()->children.push_back(std::move(test));
      rb = operand;
      continue;
    }
    if (rb->restype == -3) {
      auto apps = std::make_unique<Node>(Node::kApps);
      while (rb->rbnext != nullptr && rb->rbnext->restype == 1001) {
        rb = rb->rbnext;
        apps->apps.push_back(rb->resval.rstring ? rb->resval.rstring : L"");
      }
      open.back()->children.push_back(std::move(apps));
      continue;
    }
    auto test = std::make_unique<Node>(Node::kTest);
    test->code = rb->restype == RTDXF0 ? 0 : rb->restype;
    if (test->code >= 5000 || !readTestValue(rb, test->code, *test)) {
      fail(L"bad filter item " + std::to_wstring(rb->restype));
      break;
    }
    open.back()->children.push_back(std::move(test));
  }
  if (ok_ && open.size() != 1) fail(L"unclosed group");
}

bool SelectionFilter::matches(const AcDbEntity* entity) const {
  if (!ok_ || entity == nullptr) return false;
  EntityFacts facts(entity);
  return testNode(facts, *root_);
}

}  // namespace ed
