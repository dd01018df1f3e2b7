// The interactive command line: a small line editor over the terminal in raw mode. Keys: left and
// right arrows, Home/End (and ^A/^E), backspace, Delete, up/down through the history, ^U to clear
// the line, ^D on an empty line to end input. ^C gives the line "^C", which the prompts read as a
// cancel.
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "ed/input_source.h"
#include "os/codepage.h"

namespace ed {

namespace {

constexpr size_t kHistoryLimit = 500;

// One UTF-8 character from the terminal; false at end of input.
bool readChar(wchar_t& c) {
  unsigned char first;
  if (::read(STDIN_FILENO, &first, 1) != 1) return false;
  std::string bytes(1, static_cast<char>(first));
  int more = first >= 0xF0 ? 3 : first >= 0xE0 ? 2 : first >= 0xC0 ? 1 : 0;
  for (int i = 0; i < more; ++i) {
    unsigned char next;
    if (::read(STDIN_FILENO, &next, 1) != 1) break;
    bytes += static_cast<char>(next);
  }
  std::wstring wide = utf8ToWide(bytes);
  c = wide.empty() ? L'?' : wide[0];
  return true;
}

void out(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

// Redraws the line after the prompt the transcript already printed: back to where the line began,
// rewrite, clear the rest, then move the cursor back to its place.
void redraw(const std::wstring& line, size_t cursor, size_t shownCursor) {
  std::string s;
  if (shownCursor > 0) s += "\x1b[" + std::to_string(shownCursor) + "D";
  s += wideToUtf8(line) + "\x1b[K";
  if (line.size() > cursor) s += "\x1b[" + std::to_string(line.size() - cursor) + "D";
  out(s);
  std::fflush(stdout);
}

}  // namespace

TerminalSource::TerminalSource() : interactive_(::isatty(STDIN_FILENO) && ::isatty(STDOUT_FILENO)) {}

TerminalSource::~TerminalSource() = default;

bool TerminalSource::readLine(std::wstring& result) {
  if (!interactive_) {
    std::string narrow;
    if (!std::getline(std::cin, narrow)) return false;
    if (!narrow.empty() && narrow.back() == '\r') narrow.pop_back();
    result = utf8ToWide(narrow);
    return true;
  }
  std::fflush(stdout);
  termios saved;
  ::tcgetattr(STDIN_FILENO, &saved);
  termios raw = saved;
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  ::tcsetattr(STDIN_FILENO, TCSADRAIN, &raw);

  std::wstring line;
  size_t cursor = 0;
  size_t historyIndex = history_.size();  // == size: the line being typed
  std::wstring pending;                   // what was typed before browsing the history
  bool gotLine = false;
  auto show = [&](const std::wstring& text) {
    size_t before = cursor;
    line = text;
    cursor = line.size();
    redraw(line, cursor, before);
  };
  wchar_t c;
  while (readChar(c)) {
    size_t before = cursor;
    if (c == L'\r' || c == L'\n') {
      gotLine = true;
      break;
    }
    if (c == 3) {  // ^C
      line = L"^C";
      out("^C");
      gotLine = true;
      break;
    }
    if (c == 4) {  // ^D
      if (line.empty()) break;
      if (cursor < line.size()) line.erase(cursor, 1);
    } else if (c == 127 || c == 8) {
      if (cursor > 0) line.erase(--cursor, 1);
    } else if (c == 1) {
      cursor = 0;
    } else if (c == 5) {
      cursor = line.size();
    } else if (c == 21) {
      line.clear();
      cursor = 0;
    } else if (c == 27) {
      wchar_t a, b;
      if (!readChar(a) || !readChar(b)) break;
      if (a != L'[' && a != L'O') continue;
      if (b == L'D' && cursor > 0) --cursor;
      else if (b == L'C' && cursor < line.size()) ++cursor;
      else if (b == L'H') cursor = 0;
      else if (b == L'F') cursor = line.size();
      else if (b == L'3') {  // Delete: ESC [ 3 ~
        wchar_t tilde;
        readChar(tilde);
        if (cursor < line.size()) line.erase(cursor, 1);
      } else if (b == L'A' && historyIndex > 0) {
        if (historyIndex == history_.size()) pending = line;
        show(history_[--historyIndex]);
        continue;
      } else if (b == L'B' && historyIndex < history_.size()) {
        ++historyIndex;
        show(historyIndex == history_.size() ? pending : history_[historyIndex]);
        continue;
      }
    } else if (c >= 32) {
      line.insert(cursor++, 1, c);
    }
    redraw(line, cursor, before);
  }
  ::tcsetattr(STDIN_FILENO, TCSADRAIN, &saved);
  // The transcript echoes the answer itself, so wipe what was typed from the screen first.
  redraw(std::wstring(), 0, cursor);
  if (!gotLine) return false;
  if (!line.empty() && line != L"^C" && (history_.empty() || history_.back() != line)) {
    history_.push_back(line);
    if (history_.size() > kHistoryLimit) history_.pop_front();
  }
  result = line;
  return true;
}

std::unique_ptr<InputSource> makeConsoleSource() {
  if (::isatty(STDIN_FILENO)) return std::make_unique<TerminalSource>();
  return std::make_unique<StreamSource>();
}

}  // namespace ed
