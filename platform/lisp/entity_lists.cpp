#include "lisp/entity_lists.h"

#include <cwctype>

namespace lisp {

namespace {

std::wstring hexOfBytes(const std::vector<unsigned char>& bytes) {
  static const wchar_t digits[] = L"0123456789ABCDEF";
  std::wstring out;
  for (unsigned char b : bytes) {
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

bool bytesOfHex(const std::wstring& text, std::vector<unsigned char>& bytes) {
  if (text.size() % 2 != 0) return false;
  bytes.clear();
  for (size_t i = 0; i < text.size(); i += 2) {
    int value = 0;
    for (size_t k = i; k < i + 2; ++k) {
      wchar_t c = static_cast<wchar_t>(std::towupper(text[k]));
      int digit = (c >= L'0' && c <= L'9') ? c - L'0' : (c >= L'A' && c <= L'F') ? c - L'A' + 10 : -1;
      if (digit < 0) return false;
      value = value * 16 + digit;
    }
    bytes.push_back(static_cast<unsigned char>(value));
  }
  return true;
}

bool matchesApp(const std::wstring& name, const std::vector<std::wstring>& apps) {
  std::wstring upper = makeSymbol(name)->text;
  for (const std::wstring& app : apps) {
    if (app == L"*" || makeSymbol(app)->text == upper) return true;
  }
  return false;
}

}  // namespace

ValuePtr itemToPair(const DxfItem& item) {
  ValuePtr key = makeInt(item.code);
  switch (item.kind) {
    case DxfKind::kString:
      return cons(key, makeString(item.text));
    case DxfKind::kReal:
      return cons(key, makeReal(item.real));
    case DxfKind::kInt:
    case DxfKind::kBool:
      return cons(key, makeInt(static_cast<Adesk::Int32>(item.integer)));
    case DxfKind::kPoint: {
      std::vector<ValuePtr> coords;
      for (int i = 0; i < item.dim; ++i) coords.push_back(makeReal(item.point[i]));
      return cons(key, makeList(coords));
    }
    case DxfKind::kHandle: {
      const std::string hex = item.handle().toHex();
      return cons(key, makeString(std::wstring(hex.begin(), hex.end())));
    }
    case DxfKind::kId:
      return cons(key, makeEname(item.id));
    case DxfKind::kBinary:
      return cons(key, makeString(hexOfBytes(item.bytes)));
  }
  return nullptr;
}

bool pairToItem(const ValuePtr& pair, DxfItem& item) {
  if (!isCons(pair) || !pair->car || pair->car->type != Type::kInt) return false;
  int code = pair->car->integer;
  const ValuePtr& value = pair->cdr;
  switch (dxfKindOfCode(code)) {
    case DxfKind::kString:
      if (!value || value->type != Type::kString) return false;
      item = DxfItem::makeString(code, value->text);
      return true;
    case DxfKind::kReal:
      if (!isNumber(value)) return false;
      item = DxfItem::makeReal(code, numberOf(value));
      return true;
    case DxfKind::kInt:
      if (!value || value->type != Type::kInt) return false;
      item = DxfItem::makeInt(code, value->integer);
      return true;
    case DxfKind::kBool:
      if (!value || value->type != Type::kInt) return false;
      item = DxfItem::makeBool(code, value->integer != 0);
      return true;
    case DxfKind::kPoint: {
      std::vector<ValuePtr> coords = listItems(value);
      if (!isCons(value) || coords.size() < 2 || coords.size() > 3) return false;
      double p[3] = {0.0, 0.0, 0.0};
      for (size_t i = 0; i < coords.size(); ++i) {
        if (!isNumber(coords[i])) return false;
        p[i] = numberOf(coords[i]);
      }
      item = DxfItem::makePoint(code, p[0], p[1], p[2], static_cast<int>(coords.size()));
      return true;
    }
    case DxfKind::kHandle: {
      if (!value || value->type != Type::kString) return false;
      item = DxfItem::makeHandle(code, AcDbHandle(value->text.c_str()));
      return true;
    }
    case DxfKind::kId:
      if (!value || value->type != Type::kEname) return false;
      item = DxfItem::makeId(code, value->id);
      return true;
    case DxfKind::kBinary: {
      std::vector<unsigned char> bytes;
      if (!value || value->type != Type::kString || !bytesOfHex(value->text, bytes)) return false;
      item = DxfItem::makeBinary(code, bytes.data(), bytes.size());
      return true;
    }
  }
  return false;
}

ValuePtr xdataEntry(const DxfItemList& xdata, const std::vector<std::wstring>& apps) {
  std::vector<ValuePtr> groups;
  std::vector<ValuePtr> current;
  bool keep = false;
  auto flush = [&]() {
    if (keep && !current.empty()) groups.push_back(makeList(current));
    current.clear();
  };
  for (const DxfItem& item : xdata) {
    if (item.code == 1001) {
      flush();
      keep = matchesApp(item.text, apps);
      current.push_back(makeString(item.text));
      continue;
    }
    if (keep) current.push_back(itemToPair(item));
  }
  flush();
  if (groups.empty()) return nullptr;
  return cons(makeInt(-3), makeList(groups));
}

bool xdataItems(const ValuePtr& entry, DxfItemList& items, std::vector<std::wstring>& apps) {
  for (const ValuePtr& group : listItems(entry->cdr)) {
    if (!isCons(group) || !group->car || group->car->type != Type::kString) return false;
    apps.push_back(group->car->text);
    items.push_back(DxfItem::makeString(1001, group->car->text));
    for (const ValuePtr& pair : listItems(group->cdr)) {
      DxfItem item;
      if (!pairToItem(pair, item) || item.code < 1000) return false;
      items.push_back(item);
    }
  }
  return true;
}

}  // namespace lisp
