// The command line of the window: the transcript's history (read only, prompts and answers as
// the terminal shows them) over an input line with its own history (up/down). Enter gives the
// line (an empty one is Enter), Escape a cancel.
#pragma once
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QPlainTextEdit;
class QLineEdit;

namespace gui {

class CommandLineWidget : public QWidget {
  Q_OBJECT

 public:
  explicit CommandLineWidget(QWidget* parent = nullptr);

  // Text written to the transcript (a piece of a line, or several lines).
  void appendTranscript(const QString& text);
  QString historyText() const;
  QLineEdit* inputLine() const { return input_; }
  const std::vector<QString>& typed() const { return typed_; }

 signals:
  void lineEntered(QString line);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void recall(int step);

  QPlainTextEdit* history_ = nullptr;
  QLineEdit* input_ = nullptr;
  std::vector<QString> typed_;
  size_t recallAt_ = 0;
};

}  // namespace gui
