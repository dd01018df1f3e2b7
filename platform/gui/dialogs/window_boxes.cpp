// Message boxes and file dialogs of the platform drawn by Qt. The platform keeps its rules (the
// buttons, the checks of a chosen name): these only ask the user.
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "dialogs/window_dialog_driver.h"

namespace gui {

namespace {

QString qs(const std::wstring& text) { return QString::fromStdWString(text); }

QMessageBox::Icon iconOf(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
      return QMessageBox::Critical;
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
      return QMessageBox::Warning;
    case MB_ICONASTERISK:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

QMessageBox::ButtonRole roleOf(int id) {
  switch (id) {
    case IDOK:
    case IDYES:
    case IDRETRY:
      return QMessageBox::AcceptRole;
    case IDNO:
      return QMessageBox::NoRole;
    case IDCANCEL:
    case IDABORT:
      return QMessageBox::RejectRole;
    default:
      return QMessageBox::ActionRole;
  }
}

// "Texte (*.txt)" with its patterns, in Qt's form "Texte (*.txt) (*.txt *.csv)": Qt reads the
// patterns from the last parentheses.
QString qtFilter(const std::pair<std::wstring, std::wstring>& filter) {
  QString patterns = qs(filter.second);
  patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
  return qs(filter.first) + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

}  // namespace

int showMessageBox(QWidget* parent, const ui::MessageBoxRequest& box) {
  QMessageBox dialog(iconOf(box.type), qs(box.caption), qs(box.text), QMessageBox::NoButton,
                     parent);
  std::vector<std::pair<QAbstractButton*, int>> buttons;
  for (const auto& [id, caption] : box.buttons) {
    QPushButton* button = dialog.addButton(qs(caption), roleOf(id));
    buttons.emplace_back(button, id);
    if (id == box.defaultId) dialog.setDefaultButton(button);
    if (id == box.escapeId) dialog.setEscapeButton(button);
  }
  dialog.exec();
  for (const auto& [button, id] : buttons) {
    if (dialog.clickedButton() == button) return id;
  }
  return box.escapeId;
}

bool chooseFile(QWidget* parent, const ui::FileDialogRequest& request, std::wstring& line) {
  QFileDialog dialog(parent, qs(request.title));
  // Qt's own dialog: the same everywhere, and one that tests can drive.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  // The platform asks about replacing a file itself.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  for (const auto& filter : request.filters) filters << qtFilter(filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    int index = std::clamp(request.filterIndex, 1, static_cast<int>(filters.size()));
    dialog.selectNameFilter(filters[index - 1]);
  }
  if (!request.defaultName.empty()) dialog.selectFile(qs(request.defaultName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  std::wstring path = dialog.selectedFiles().front().toStdWString();
  int chosen = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  line = chosen > 0 && chosen != request.filterIndex
             ? L"filtre " + std::to_wstring(chosen) + L" " + path
             : path;
  return true;
}

}  // namespace gui
