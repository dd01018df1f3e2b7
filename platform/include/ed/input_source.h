// Where the command line reads its input: the terminal, standard input, a script file, or a queue
// of answers given by a test. Each read gives one whole line without its end of line.
#pragma once
#include <deque>
#include <memory>
#include <string>

namespace ed {

class InputSource {
 public:
  virtual ~InputSource() = default;
  // The next line; false once the source is exhausted.
  virtual bool readLine(std::wstring& line) = 0;
};

// Answers given in advance, one per line.
class QueueSource : public InputSource {
 public:
  QueueSource() = default;
  explicit QueueSource(std::deque<std::wstring> lines) : lines_(std::move(lines)) {}
  void push(const std::wstring& line) { lines_.push_back(line); }
  size_t remaining() const { return lines_.size(); }
  bool readLine(std::wstring& line) override;

 private:
  std::deque<std::wstring> lines_;
};

// A script: UTF-8 text, one input per line, CR LF or LF; lines beginning with ";" are comments.
class ScriptFileSource : public InputSource {
 public:
  // The inputs of a script's text: a leading byte-order mark, line ends and comments dropped.
  static std::deque<std::wstring> splitLines(std::string text);

  // Reads the whole file; ok() is false when it could not be opened.
  explicit ScriptFileSource(const std::wstring& fileName);
  bool ok() const { return ok_; }
  bool readLine(std::wstring& line) override;

 private:
  bool ok_ = false;
  std::deque<std::wstring> lines_;
};

// Standard input read as UTF-8 lines, without line editing (pipes, redirected files).
class StreamSource : public InputSource {
 public:
  bool readLine(std::wstring& line) override;
};

// The interactive terminal: line editing (left/right, backspace, delete, home/end) and a history
// recalled with up/down. What was typed is wiped when the line is done: the transcript echoes the
// answer as for every other source. Falls back to StreamSource's behaviour when stdin is not a terminal.
class TerminalSource : public InputSource {
 public:
  TerminalSource();
  ~TerminalSource() override;
  bool readLine(std::wstring& line) override;
  const std::deque<std::wstring>& history() const { return history_; }

 private:
  bool interactive_ = false;
  std::deque<std::wstring> history_;
};

// The terminal when stdin is one, else standard input.
std::unique_ptr<InputSource> makeConsoleSource();

}  // namespace ed
