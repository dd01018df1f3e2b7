// The window's input for the command line: the lines typed in the command-line widget and the
// answers given by the mouse, read by the platform's one command loop. A read with nothing to give
// spins a nested event loop (the window stays live) until a line comes or the window closes.
#pragma once
#include <QObject>
#include <deque>
#include <memory>
#include <string>

#include "ed/input_source.h"

class QEventLoop;

namespace gui {

class CommandInput : public QObject {
  Q_OBJECT

 public:
  CommandInput() = default;
  ~CommandInput() override;

  // The source the editor reads: first what script gives (when there is one), then the window.
  // The source only forwards to this object and may outlive it.
  std::unique_ptr<ed::InputSource> makeSource(std::unique_ptr<ed::InputSource> script);

  // A line typed or picked, read after those already given.
  void submit(const std::wstring& line);
  // A cursor movement (">x,y"): given only to a read waiting with nothing else to read, and
  // replacing a movement not read yet.
  void submitMove(const std::wstring& line);
  // No more input: every read gives false from now on (the window closes).
  void close();
  bool closed() const { return closed_; }
  // True while a read waits for the window (also while aboutToWait is handled).
  bool waiting() const { return waiting_ > 0; }
  size_t pending() const { return lines_.size(); }

  // The read: the script's next line, else the window's.
  bool read(std::wstring& line);

 signals:
  // A read is about to wait: the window shows what changed and what the prompt asks for.
  // lastWasMove tells that the line given before was a cursor movement.
  void aboutToWait(bool lastWasMove);

 private:
  std::unique_ptr<ed::InputSource> script_;
  std::deque<std::wstring> lines_;
  bool closed_ = false;
  bool lastWasMove_ = false;
  QEventLoop* loop_ = nullptr;
  int waiting_ = 0;
  std::shared_ptr<CommandInput*> self_ = std::make_shared<CommandInput*>(this);
};

}  // namespace gui
