#include "dialogs/dialog_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/window.h"

namespace gui {

DialogWindow::DialogWindow(HWND dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog), units_(dialog->dialogTemplate) {
  setFont(units_.font());
  setWindowTitle(QString::fromStdWString(dialog->text));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client"));
  const AcUiDialogTemplate* tpl = dialog->dialogTemplate;
  client_->setFixedSize(units_.x(tpl ? tpl->cx : dialog->rect.right - dialog->rect.left),
                        units_.y(tpl ? tpl->cy : dialog->rect.bottom - dialog->rect.top));
  layout->addWidget(client_);
  buildMenu();
  if (menuBar_) layout->setMenuBar(menuBar_);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // In template order, so that frames lie under the controls they hold and Tab follows the
  // template, as on the host.
  QWidget* previous = nullptr;
  for (auto& child : dialog->children) {
    HWND c = child.get();
    QWidget* widget = makeControlWidget(c, client_, *this);
    if (!widget) continue;
    widget->setObjectName(QStringLiteral("ctl%1").arg(c->id));
    QRect place = units_.rect(c->rect.left, c->rect.top, c->rect.right, c->rect.bottom);
    // A combo's template height includes its dropped list: closed, it has its own height.
    if (ui::isComboKind(c->kind)) place.setHeight(widget->sizeHint().height());
    widget->setGeometry(place);
    if (ui::isDecorative(c->kind)) {
      widget->setFocusPolicy(Qt::NoFocus);
    } else if (previous) {
      QWidget::setTabOrder(previous, widget);
    }
    if (!ui::isDecorative(c->kind)) previous = widget;
    controls_.push_back(Control{c, widget, stateText(c)});
  }
  // A label's mnemonic gives the focus to the control that follows it.
  for (size_t i = 0; i + 1 < controls_.size(); ++i) {
    auto* label = qobject_cast<QLabel*>(controls_[i].widget);
    if (!label || controls_[i].handle->kind != AcUiControlKind::kStatic) continue;
    for (size_t k = i + 1; k < controls_.size(); ++k) {
      if (!ui::isDecorative(controls_[k].handle->kind)) {
        label->setBuddy(controls_[k].widget);
        break;
      }
    }
  }
  refresh();
}

QWidget* DialogWindow::controlWidget(int id) const {
  for (const Control& c : controls_) {
    if (c.handle->id == id) return c.widget;
  }
  return nullptr;
}

void DialogWindow::buildMenu() {
  std::vector<std::wstring> popups = ui::menuPopups(dialog_);
  if (popups.empty()) return;
  menuBar_ = new QMenuBar(this);
  for (const std::wstring& popup : popups) {
    QMenu* menu = menuBar_->addMenu(QString::fromStdWString(popup));
    for (const MenuItem& item : dialog_->menu) {
      if (item.popup != popup) continue;
      if (item.separator) {
        menu->addSeparator();
        continue;
      }
      QAction* action = menu->addAction(QString::fromStdWString(item.caption));
      unsigned id = item.id;
      connect(action, &QAction::triggered, this,
              [this, id] { userAction(L"click " + std::to_wstring(id)); });
      menuActions_.emplace_back(id, action);
    }
  }
}

void DialogWindow::refreshMenu() {
  for (auto& [id, action] : menuActions_) {
    MenuItem* item = ui::findMenuItem(dialog_, std::to_wstring(id));
    if (!item) continue;
    QSignalBlocker quiet(action);
    action->setText(QString::fromStdWString(item->caption));
    action->setEnabled(!item->grayed);
    action->setCheckable(item->checked);
    action->setChecked(item->checked);
  }
}

void DialogWindow::refresh() {
  if (!ui::isLiveWindow(dialog_)) return;
  setWindowTitle(QString::fromStdWString(dialog_->text));
  for (Control& c : controls_) {
    refreshControlWidget(c.handle, c.widget);
    c.sent = stateText(c.handle);
    if (auto* push = qobject_cast<QPushButton*>(c.widget))
      push->setDefault(!push->isCheckable() && c.handle->id == dialog_->defId);
  }
  refreshMenu();
  if (dialog_->focus != shownFocus_) {
    shownFocus_ = dialog_->focus;
    if (QWidget* focused = shownFocus_ ? controlWidget(shownFocus_->id) : nullptr)
      focused->setFocus(Qt::OtherFocusReason);
  }
  bool shown = dialog_->visible && !dialog_->hiddenForEditor && !dialog_->ended;
  if (shown != isVisible()) setVisible(shown);
}

bool DialogWindow::takeAction(std::wstring& action) {
  if (actions_.empty()) return false;
  action = std::move(actions_.front());
  actions_.pop_front();
  return true;
}

void DialogWindow::queue(const std::wstring& action) {
  actions_.push_back(action);
  emit actionQueued();
}

void DialogWindow::flushEdits() {
  for (Control& c : controls_) {
    std::wstring typed;
    if (!typedText(c.handle, c.widget, typed) || typed == c.sent) continue;
    c.sent = typed;
    queue(L"set " + std::to_wstring(c.handle->id) + L" " + typed);
  }
}

void DialogWindow::userAction(const std::wstring& action) {
  // What was typed reaches the dialog before the click that follows it, as the edit's losing
  // the focus would send it.
  flushEdits();
  queue(action);
}

void DialogWindow::editLeft() { flushEdits(); }

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      userAction(L"");  // the default button
      return;
    }
    if (event->key() == Qt::Key_Escape) {
      userAction(L"cancel");
      return;
    }
  }
  QDialog::keyPressEvent(event);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
  // The dialog's own handlers decide whether it closes: the title bar's button is Cancel.
  event->ignore();
  if (ui::isLiveWindow(dialog_) && !dialog_->ended) userAction(L"cancel");
}

void DialogWindow::reject() {
  if (ui::isLiveWindow(dialog_) && !dialog_->ended) userAction(L"cancel");
}

}  // namespace gui
