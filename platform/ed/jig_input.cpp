#include "ed/jig_input.h"

#include <cwctype>

#include "ed/editor.h"
#include "ed/messages.h"
#include "ed/point_input.h"

namespace ed {

namespace {

void say(const std::wstring& text) { Editor::instance().transcript().write(text); }


}  // namespace

DragInput readDragInput(bool wholeLine, bool echoCancel) {
  Editor& editor = Editor::instance();
  DragInput input;
  std::wstring line;
  RequestScope scope(InputRequest::kDrag);
  for (;;) {
    if (!editor.readLineOrMove(line) || line == L"^C") {
      if (echoCancel) say(std::wstring(msg::kCancel) + L"\n");
      input.kind = DragInput::kCancel;
      return input;
    }
    if (!Editor::isCursorMove(line)) break;
    ads_point p;
    if (parsePointInput(line.substr(1), nullptr, editor.lastPoint(), p)) {
      input.kind = DragInput::kMove;
      input.cursor = AcGePoint3d(p[0], p[1], p[2]);
      return input;
    }
  }
  if (!wholeLine) line = Editor::instance().takeFirstWord(line);
  say(line + L"\n");
  input.kind = line.empty() ? DragInput::kEnter : DragInput::kAnswer;
  input.text = line;
  return input;
}

}  // namespace ed
