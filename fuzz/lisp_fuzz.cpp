// Any text given to the LISP reader and evaluator ends in a value or a LISP error. The evaluation is
// bounded, as a user would cancel a program that loops; "command" is left out since it runs host
// commands that write files.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "ed/editor.h"
#include "ed/input_source.h"
#include "lisp/interpreter.h"
#include "lisp/reader.h"
#include "os/codepage.h"

namespace {

class DiscardOutput : public lisp::OutputSink {
 public:
  void write(const std::wstring&) override {}
};

bool mentionsCommand(const std::string& text) {
  std::string lower;
  for (char c : text) lower += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
  return lower.find("command") != std::string::npos || lower.find("getfiled") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  if (mentionsCommand(text)) return 0;
  std::wstring source = utf8ToWide(text);
  static DiscardOutput output;
  // Functions that ask the user (getpoint, getstring…) find no answer instead of waiting on stdin.
  static const bool quiet = [] {
    ed::Editor::instance().transcript().setStdout(false);
    ed::Editor::instance().setInput(std::make_unique<ed::QueueSource>());
    return true;
  }();
  (void)quiet;
  lisp::Interpreter interpreter;
  interpreter.setOutput(&output);
  interpreter.setEvaluationLimit(20000);
  interpreter.evaluateToText(source);
  try {
    for (const lisp::ValuePtr& form : lisp::readAll(source)) lisp::printValue(form, true);
  } catch (const lisp::LispError&) {
  }
  return 0;
}
