#include "ed/editor.h"

#include "db/dbapserv.h"

namespace ed {

Editor& Editor::instance() {
  static Editor editor;
  return editor;
}

std::unique_ptr<InputSource> Editor::setInput(std::unique_ptr<InputSource> source) {
  pending_.clear();
  std::unique_ptr<InputSource> previous = std::move(input_);
  input_ = std::move(source);
  return previous;
}

InputSource& Editor::input() {
  if (!input_) input_ = makeConsoleSource();
  return *input_;
}

bool Editor::readLine(std::wstring& line) {
  while (readLineOrMove(line)) {
    if (!isCursorMove(line)) return true;
  }
  return false;
}

bool Editor::readLineOrMove(std::wstring& line) {
  if (!pending_.empty()) {
    line = std::move(pending_.front());
    pending_.pop_front();
    return true;
  }
  return input().readLine(line);
}

void Editor::setCurrentDrawing(AcDbDatabase* database, const std::wstring& fileName) {
  database_ = database;
  fileName_ = fileName;
}

AcDbDatabase* Editor::currentDatabase() const {
  return database_ ? database_ : acdbHostApplicationServices()->workingDatabase();
}

Editor::InitGet Editor::takeInitGet() {
  InitGet armed = std::move(initGet_);
  initGet_ = InitGet();
  return armed;
}

void Editor::resetState() {
  database_ = nullptr;
  fileName_.clear();
  initGet_ = InitGet();
  pending_.clear();
  lastInput_.clear();
  lastPoint_[0] = lastPoint_[1] = lastPoint_[2] = 0.0;
}

}  // namespace ed
