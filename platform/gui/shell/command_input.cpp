#include "shell/command_input.h"

#include <QEventLoop>

#include "ed/editor.h"

namespace gui {
namespace {

// What the editor owns: a forwarder that gives false once the window's input is gone.
class ForwardingSource : public ed::InputSource {
 public:
  explicit ForwardingSource(std::shared_ptr<CommandInput*> target) : target_(std::move(target)) {}
  bool readLine(std::wstring& line) override {
    CommandInput* input = *target_;
    return input != nullptr && input->read(line);
  }

 private:
  std::shared_ptr<CommandInput*> target_;
};

}  // namespace

CommandInput::~CommandInput() {
  *self_ = nullptr;
  if (loop_ != nullptr) loop_->quit();
}

std::unique_ptr<ed::InputSource> CommandInput::makeSource(std::unique_ptr<ed::InputSource> script) {
  script_ = std::move(script);
  return std::make_unique<ForwardingSource>(self_);
}

void CommandInput::submit(const std::wstring& line) {
  if (closed_) return;
  lines_.push_back(line);
  if (loop_ != nullptr) loop_->quit();
}

void CommandInput::submitMove(const std::wstring& line) {
  if (closed_ || waiting_ == 0) return;
  if (!lines_.empty() && !ed::Editor::isCursorMove(lines_.back())) return;
  if (!lines_.empty()) lines_.pop_back();
  lines_.push_back(line);
  if (loop_ != nullptr) loop_->quit();
}

void CommandInput::close() {
  closed_ = true;
  lines_.clear();
  if (loop_ != nullptr) loop_->quit();
}

bool CommandInput::read(std::wstring& line) {
  if (script_) {
    if (script_->readLine(line)) return true;
    script_.reset();
  }
  ++waiting_;
  while (lines_.empty() && !closed_) {
    emit aboutToWait(lastWasMove_);
    if (!lines_.empty() || closed_) break;
    std::shared_ptr<CommandInput*> self = self_;  // the window may go while we wait
    QEventLoop loop;
    QEventLoop* outer = loop_;
    loop_ = &loop;
    loop.exec();
    if (*self == nullptr) return false;
    loop_ = outer;
  }
  --waiting_;
  if (closed_ || lines_.empty()) return false;
  line = lines_.front();
  lines_.pop_front();
  lastWasMove_ = ed::Editor::isCursorMove(line);
  return true;
}

}  // namespace gui
