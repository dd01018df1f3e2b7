#include "shell/command_line_widget.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

namespace gui {
namespace {
// The history keeps this many lines of transcript.
constexpr int kHistoryLines = 5000;
}  // namespace

CommandLineWidget::CommandLineWidget(QWidget* parent) : QWidget(parent) {
  history_ = new QPlainTextEdit(this);
  history_->setReadOnly(true);
  history_->setMaximumBlockCount(kHistoryLines);
  history_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  history_->setFocusPolicy(Qt::NoFocus);
  input_ = new QLineEdit(this);
  input_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  input_->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  layout->addWidget(history_, 1);
  layout->addWidget(input_);
  connect(input_, &QLineEdit::returnPressed, this, [this] {
    QString line = input_->text();
    input_->clear();
    if (!line.isEmpty() && (typed_.empty() || typed_.back() != line)) typed_.push_back(line);
    recallAt_ = typed_.size();
    emit lineEntered(line);
  });
}

void CommandLineWidget::appendTranscript(const QString& text) {
  QTextCursor end(history_->document());
  end.movePosition(QTextCursor::End);
  end.insertText(text);
  history_->verticalScrollBar()->setValue(history_->verticalScrollBar()->maximum());
}

QString CommandLineWidget::historyText() const { return history_->toPlainText(); }

void CommandLineWidget::recall(int step) {
  if (typed_.empty()) return;
  long at = static_cast<long>(recallAt_) + step;
  at = std::clamp<long>(at, 0, static_cast<long>(typed_.size()));
  recallAt_ = static_cast<size_t>(at);
  input_->setText(recallAt_ < typed_.size() ? typed_[recallAt_] : QString());
}

bool CommandLineWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched == input_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Up) {
      recall(-1);
      return true;
    }
    if (key->key() == Qt::Key_Down) {
      recall(1);
      return true;
    }
    if (key->key() == Qt::Key_Escape) {
      input_->clear();
      emit lineEntered(QStringLiteral("^C"));
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace gui
