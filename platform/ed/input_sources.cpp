// Line sources that need no terminal: answers queued by a test, script files and standard input.
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "ed/input_source.h"
#include "os/codepage.h"

namespace ed {

namespace {

void dropCarriageReturn(std::string& line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
}

std::string narrowFileName(const std::wstring& fileName) { return wideToUtf8(fileName); }

}  // namespace

bool QueueSource::readLine(std::wstring& line) {
  if (lines_.empty()) return false;
  line = std::move(lines_.front());
  lines_.pop_front();
  return true;
}

ScriptFileSource::ScriptFileSource(const std::wstring& fileName) {
  std::ifstream in(narrowFileName(fileName), std::ios::binary);
  if (!in) return;
  ok_ = true;
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  lines_ = splitLines(std::move(text));
}

std::deque<std::wstring> ScriptFileSource::splitLines(std::string text) {
  // A byte-order mark written by some editors is not part of the first input.
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
  std::deque<std::wstring> inputs;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    dropCarriageReturn(line);
    if (!line.empty() && line[0] == ';') continue;
    inputs.push_back(utf8ToWide(line));
  }
  return inputs;
}

bool ScriptFileSource::readLine(std::wstring& line) {
  if (lines_.empty()) return false;
  line = std::move(lines_.front());
  lines_.pop_front();
  return true;
}

bool StreamSource::readLine(std::wstring& line) {
  std::string narrow;
  if (!std::getline(std::cin, narrow)) return false;
  dropCarriageReturn(narrow);
  line = utf8ToWide(narrow);
  return true;
}

}  // namespace ed
