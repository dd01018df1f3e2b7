// Any script text is split into inputs, and each input read the ways a prompt reads it (a point, a
// keyword, an open LISP expression), without a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "db/adsdef.h"
#include "ed/command_line.h"
#include "ed/input_source.h"
#include "ed/keywords.h"
#include "ed/point_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  const ads_real base[3] = {10.0, 20.0, 5.0};
  const ads_real last[3] = {-1.0, 2.5, 0.0};
  ed::KeywordList keywords = ed::parseKeywordList(L"Oui Non LType,LT eXit _Yes No Ltype Exit");
  for (const std::wstring& line : ed::ScriptFileSource::splitLines(text)) {
    ads_point point;
    ed::parsePointInput(line, base, last, point);
    ed::parsePointInput(line, nullptr, last, point);
    ed::matchKeyword(keywords, line);
    ed::KeywordList own = ed::parseKeywordList(line);
    ed::matchKeyword(own, line);
    ed::lispTextIsOpen(line);
  }
  return 0;
}
