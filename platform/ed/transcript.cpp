#include "ed/transcript.h"

#include "os/codepage.h"

namespace ed {

Transcript::~Transcript() { closeLog(); }

void Transcript::write(const std::wstring& text) {
  if (text.empty()) return;
  if (observer_) observer_(text);
  if (toStdout_ || log_) {
    std::string utf8 = wideToUtf8(text);
    if (toStdout_) {
      std::fwrite(utf8.data(), 1, utf8.size(), stdout);
      std::fflush(stdout);
    }
    if (log_) {
      std::fwrite(utf8.data(), 1, utf8.size(), log_);
      std::fflush(log_);
    }
  }
  if (capture_) captured_ += text;
  atLineStart_ = text.back() == L'\n';
}

bool Transcript::openLog(const std::wstring& fileName) {
  closeLog();
  if (fileName.empty()) return true;
  log_ = std::fopen(wideToUtf8(fileName).c_str(), "ab");
  return log_ != nullptr;
}

void Transcript::closeLog() {
  if (log_) std::fclose(log_);
  log_ = nullptr;
}

}  // namespace ed
