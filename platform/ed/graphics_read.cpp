// acedGrRead over the editor's line input: a line that reads as a point is a pick, a line ">x,y"
// a cursor movement, anything else keys typed, given one character per call; an empty line is the
// Enter key.
#include <cwctype>
#include <string>

#include "ed/acedgraph.h"
#include "ed/editor.h"
#include "ed/point_input.h"

namespace {

// The rest of a line being given as keys. It is handed back to the editor as well, so that a
// prompt asked in the meantime receives it, as it would receive the keys still in the keyboard
// buffer; the next acedGrRead recognises it and goes on giving it key by key.
struct PendingKeys {
  bool active = false;
  std::wstring text;
};

PendingKeys& pendingKeys() {
  static PendingKeys keys;
  return keys;
}

std::wstring trimmed(const std::wstring& text) {
  size_t start = 0, end = text.size();
  while (start < end && std::iswspace(text[start])) ++start;
  while (end > start && std::iswspace(text[end - 1])) --end;
  return text.substr(start, end - start);
}

void givePoint(resbuf* result, const ads_point p) {
  result->restype = RT3DPOINT;
  ads_point_set(p, result->resval.rpoint);
}

}  // namespace

int acedGrRead(int track, int* type, resbuf* result) {
  if (type == nullptr || result == nullptr) return RTERROR;
  ed::Editor& editor = ed::Editor::instance();
  PendingKeys& pending = pendingKeys();
  result->rbnext = nullptr;
  std::wstring line;
  for (;;) {
    if (!editor.readLineOrMove(line)) {
      pending.active = false;
      return RTCAN;
    }
    bool continuing = pending.active && line == pending.text;
    pending.active = false;
    if (!continuing) {
      if (line == L"^C") return RTCAN;
      if (ed::Editor::isCursorMove(line)) {
        ads_point p;
        if ((track & GRREAD_TRACK) == 0 ||
            !ed::parsePointInput(trimmed(line.substr(1)), nullptr, editor.lastPoint(), p)) {
          continue;  // a movement nobody tracks, or one that says nowhere
        }
        *type = 5;
        givePoint(result, p);
        return RTNORM;
      }
      std::wstring text = trimmed(line);
      ads_point p;
      if (text != L"@" && ed::parsePointInput(text, nullptr, editor.lastPoint(), p)) {
        *type = 3;
        givePoint(result, p);
        return RTNORM;
      }
    }
    *type = 2;
    result->restype = RTSHORT;
    if (line.empty()) {
      result->resval.rint = 13;
      return RTNORM;
    }
    // Character codes beyond a short's range cannot be given; they arrive as "?".
    unsigned long code = static_cast<unsigned long>(line[0]);
    result->resval.rint = static_cast<short>(code <= 0x7FFF ? code : L'?');
    // The rest of the line waits for the next calls; the line's end gives no key of its own
    // (an empty line is the Enter key), so a one-key answer leaves nothing behind for the prompts.
    if (line.size() > 1) {
      pending.text = line.substr(1);
      pending.active = true;
      editor.unread(pending.text);
    }
    return RTNORM;
  }
}
