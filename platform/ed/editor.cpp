#include "ed/editor.h"

#include <cwctype>

#include "db/dbapserv.h"

namespace ed {

// One level of nested input: the enclosing source and what it had given back with unread.
struct Editor::Nested {
  std::unique_ptr<InputSource> outer;
  std::deque<std::wstring> outerPending;
};

namespace {

// The lines of a nested input, then the enclosing input.
class NestedSource : public InputSource {
 public:
  NestedSource(std::deque<std::wstring> lines, InputSource& outer,
               std::deque<std::wstring>& outerPending)
      : lines_(std::move(lines)), outer_(outer), outerPending_(outerPending) {}
  bool readLine(std::wstring& line) override {
    if (!lines_.empty()) {
      bool pause = lines_.front() == L"\\";
      line = std::move(lines_.front());
      lines_.pop_front();
      if (!pause) return true;
    }
    return readOuter(line);
  }
  std::deque<std::wstring> takeLines() { return std::move(lines_); }

 private:
  bool readOuter(std::wstring& line) {
    if (!outerPending_.empty()) {
      line = std::move(outerPending_.front());
      outerPending_.pop_front();
      return true;
    }
    return outer_.readLine(line);
  }
  std::deque<std::wstring> lines_;
  InputSource& outer_;
  std::deque<std::wstring>& outerPending_;
};

}  // namespace

Editor::Editor() = default;
Editor::~Editor() = default;

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

std::wstring Editor::takeFirstWord(const std::wstring& line) {
  size_t start = 0;
  while (start < line.size() && std::iswspace(line[start])) ++start;
  size_t end = start;
  while (end < line.size() && !std::iswspace(line[end])) ++end;
  size_t next = end;
  while (next < line.size() && std::iswspace(line[next])) ++next;
  if (next < line.size()) unread(line.substr(next));
  return line.substr(start, end - start);
}

bool Editor::peekLine(std::wstring& line) {
  if (pending_.empty()) {
    std::wstring next;
    if (!input().readLine(next)) return false;
    pending_.push_back(std::move(next));
  }
  line = pending_.front();
  return true;
}

void Editor::setCurrentDrawing(AcDbDatabase* database, const std::wstring& fileName) {
  database_ = database;
  fileName_ = fileName;
}

AcDbDatabase* Editor::currentDatabase() const {
  return database_ ? database_ : acdbHostApplicationServices()->workingDatabase();
}

void Editor::pushInput(std::deque<std::wstring> lines) {
  InputSource& outer = input();
  auto level = std::make_unique<Nested>();
  level->outerPending = std::move(pending_);
  pending_.clear();
  auto source = std::make_unique<NestedSource>(std::move(lines), outer, level->outerPending);
  level->outer = std::move(input_);
  input_ = std::move(source);
  nested_.push_back(std::move(level));
}

std::deque<std::wstring> Editor::popInput() {
  if (nested_.empty()) return {};
  std::deque<std::wstring> rest;
  if (auto* source = dynamic_cast<NestedSource*>(input_.get())) rest = source->takeLines();
  // Text split off a nested line and not read yet belongs to the lines not read.
  for (auto it = pending_.rbegin(); it != pending_.rend(); ++it) rest.push_front(*it);
  std::unique_ptr<Nested> level = std::move(nested_.back());
  nested_.pop_back();
  input_ = std::move(level->outer);
  pending_ = std::move(level->outerPending);
  return rest;
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
  request_ = InputRequest();
  dragged_ = nullptr;
}

}  // namespace ed
