// The transcript: everything the command line shows (messages, prompts, the answers echoed after
// them, LISP output) goes through one sink, copied to standard output, to an optional log file and
// to an optional in-memory copy that tests read.
#pragma once
#include <cstdio>
#include <functional>
#include <string>

#include "lisp/interpreter.h"

namespace ed {

class Transcript : public lisp::OutputSink {
 public:
  Transcript() = default;
  ~Transcript() override;
  Transcript(const Transcript&) = delete;
  Transcript& operator=(const Transcript&) = delete;

  void write(const std::wstring& text) override;

  void setStdout(bool on) { toStdout_ = on; }
  bool toStdout() const { return toStdout_; }
  // Appends to a UTF-8 log file; an empty name closes it. False when it cannot be opened.
  bool openLog(const std::wstring& fileName);
  void closeLog();
  // The in-memory copy, kept only while capturing.
  void setCapture(bool on) { capture_ = on; }
  const std::wstring& captured() const { return captured_; }
  void clearCaptured() { captured_.clear(); }
  // A front end that shows the transcript itself (a window's command line) is given every text
  // written; an empty function stops it.
  void setObserver(std::function<void(const std::wstring&)> observer) { observer_ = std::move(observer); }
  // True when the last character written ended a line (prompts start on a fresh line).
  bool atLineStart() const { return atLineStart_; }

 private:
  bool toStdout_ = true;
  bool capture_ = false;
  bool atLineStart_ = true;
  std::FILE* log_ = nullptr;
  std::wstring captured_;
  std::function<void(const std::wstring&)> observer_;
};

}  // namespace ed
