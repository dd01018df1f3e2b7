#include "dialogs/control_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "os/codepage.h"
#include "ui/afxcmn.h"
#include "ui/dialog_driver.h"
#include "ui/window.h"

namespace gui {

namespace {

using K = AcUiControlKind;

QString qs(const std::wstring& text) { return QString::fromStdWString(text); }

std::wstring id(HWND control) { return std::to_wstring(control->id); }

// A multi-line edit keeps CR LF; the "set" action writes a line break as "\n".
std::wstring escapedLines(std::wstring text) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
    if (text[i] == L'\n') {
      out += L"\\n";
    } else {
      out += text[i];
    }
  }
  return out;
}

QString shownLines(const std::wstring& text) {
  QString out = qs(text);
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return out;
}

bool isMultiline(HWND c) {
  return c->kind == K::kRichEdit || (c->kind == K::kEdit && (c->style & kCtlMultiline));
}

bool isEditableCombo(HWND c) { return c->kind == K::kComboDropDown || c->kind == K::kMruCombo; }

// The colours a colour combo offers, with the names its "choose" action knows.
struct ColourChoice {
  int index;
  const char* name;
};
const ColourChoice kColours[] = {{0, "DuBloc"}, {1, "Rouge"},   {2, "Jaune"},
                                 {3, "Vert"},   {4, "Cyan"},    {5, "Bleu"},
                                 {6, "Magenta"}, {7, "Blanc"}, {256, "DuCalque"}};

QWidget* makeSpin(HWND c, QWidget* parent, ControlEvents& events) {
  auto* box = new QWidget(parent);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (int up = 1; up >= 0; --up) {
    auto* arrow = new QToolButton(box);
    arrow->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
    arrow->setObjectName(up ? QStringLiteral("haut") : QStringLiteral("bas"));
    arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    QObject::connect(arrow, &QToolButton::clicked, box, [&events, c, up] {
      events.userAction(L"click " + id(c) + (up ? L" haut" : L" bas"));
    });
    layout->addWidget(arrow);
  }
  return box;
}

QWidget* makeListView(HWND c, QWidget* parent, ControlEvents& events) {
  auto* list = new QTreeWidget(parent);
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setSelectionMode((c->style & kCtlSingleSel) ? QAbstractItemView::SingleSelection
                                                    : QAbstractItemView::ExtendedSelection);
  list->header()->setSectionsClickable(!(c->style & kCtlNoSortHeader));
  list->header()->setStretchLastSection(false);
  QObject::connect(list, &QTreeWidget::itemSelectionChanged, list, [&events, c, list] {
    std::wstring rows;
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
      if (list->topLevelItem(r)->isSelected())
        rows += (rows.empty() ? L"" : L",") + std::to_wstring(r);
    }
    events.userAction(L"select " + id(c) + (rows.empty() ? L"" : L" " + rows));
  });
  QObject::connect(list, &QTreeWidget::itemDoubleClicked, list,
                   [&events, c, list](QTreeWidgetItem* item) {
                     events.userAction(L"dblclick " + id(c) + L" " +
                                       std::to_wstring(list->indexOfTopLevelItem(item)));
                   });
  QObject::connect(list, &QTreeWidget::itemChanged, list,
                   [&events, c, list](QTreeWidgetItem* item, int column) {
                     if (column != 0) return;
                     bool on = item->checkState(0) == Qt::Checked;
                     events.userAction(L"check " + id(c) + L" " +
                                       std::to_wstring(list->indexOfTopLevelItem(item)) +
                                       (on ? L" on" : L" off"));
                   });
  QObject::connect(list->header(), &QHeaderView::sectionClicked, list, [&events, c](int column) {
    events.userAction(L"sort " + id(c) + L" #" + std::to_wstring(column));
  });
  return list;
}

QWidget* makeListBox(HWND c, QWidget* parent, ControlEvents& events) {
  auto* list = new QListWidget(parent);
  list->setSelectionMode((c->style & kCtlMultiSel) ? QAbstractItemView::MultiSelection
                                                   : QAbstractItemView::SingleSelection);
  QObject::connect(list, &QListWidget::itemSelectionChanged, list, [&events, c, list] {
    std::wstring rows;
    for (int r = 0; r < list->count(); ++r) {
      if (list->item(r)->isSelected()) rows += (rows.empty() ? L"" : L",") + std::to_wstring(r);
    }
    events.userAction(L"select " + id(c) + (rows.empty() ? L"" : L" " + rows));
  });
  QObject::connect(list, &QListWidget::itemDoubleClicked, list,
                   [&events, c, list](QListWidgetItem* item) {
                     events.userAction(L"dblclick " + id(c) + L" " +
                                       std::to_wstring(list->row(item)));
                   });
  return list;
}

QWidget* makeCombo(HWND c, QWidget* parent, ControlEvents& events) {
  auto* combo = new QComboBox(parent);
  if (c->kind == K::kColorCombo) {
    for (const ColourChoice& colour : kColours)
      combo->addItem(QString::fromLatin1(colour.name), colour.index);
    QObject::connect(combo, &QComboBox::activated, combo, [&events, c, combo](int row) {
      events.userAction(L"choose " + id(c) + L" " +
                        std::to_wstring(combo->itemData(row).toInt()));
    });
    return combo;
  }
  if (isEditableCombo(c)) {
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(combo->lineEdit(), &QLineEdit::editingFinished, combo,
                     [&events] { events.editLeft(); });
  }
  QObject::connect(combo, &QComboBox::activated, combo, [&events, c, combo](int row) {
    // Enter in an editable combo also "activates" it: the typed text is what counts then.
    if (combo->isEditable() && combo->lineEdit()->text() != combo->itemText(row)) return;
    events.userAction(L"choose " + id(c) + L" #" + std::to_wstring(row));
  });
  return combo;
}

QWidget* makeEdit(HWND c, QWidget* parent, ControlEvents& events) {
  bool readOnly = (c->style & kCtlReadOnly) != 0;
  if (isMultiline(c)) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setReadOnly(readOnly);
    edit->setTabChangesFocus(true);
    return edit;
  }
  auto* edit = new QLineEdit(parent);
  edit->setReadOnly(readOnly);
  if (c->style & kCtlPassword) edit->setEchoMode(QLineEdit::Password);
  if (c->style & kCtlRight) edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QObject::connect(edit, &QLineEdit::editingFinished, edit, [&events] { events.editLeft(); });
  return edit;
}

QWidget* makeButton(HWND c, QWidget* parent, ControlEvents& events) {
  if (c->kind == K::kCheckBox || c->kind == K::kRadio) {
    QAbstractButton* box = nullptr;
    if (c->style & kCtlPushLike) {
      auto* push = new QPushButton(parent);
      push->setCheckable(true);
      push->setAutoDefault(false);
      box = push;
    } else if (c->kind == K::kCheckBox) {
      box = new QCheckBox(parent);
    } else {
      box = new QRadioButton(parent);
    }
    // The dialog's state decides which option of a group is on, not the widgets.
    box->setAutoExclusive(false);
    bool radio = c->kind == K::kRadio;
    QObject::connect(box, &QAbstractButton::clicked, box, [&events, c, radio](bool on) {
      events.userAction(L"check " + id(c) + (on || radio ? L" on" : L" off"));
    });
    return box;
  }
  auto* button = new QPushButton(parent);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, button,
                   [&events, c] { events.userAction(L"click " + id(c)); });
  return button;
}

void refreshListView(HWND c, QTreeWidget* list) {
  bool checks = (c->extendedStyle & LVS_EX_CHECKBOXES) != 0;
  int columns = std::max<int>(1, static_cast<int>(c->columns.size()));
  if (list->columnCount() != columns) list->setColumnCount(columns);
  QStringList captions;
  for (const ListViewColumn& column : c->columns) captions << qs(column.caption);
  list->setHeaderLabels(captions);
  for (size_t k = 0; k < c->columns.size(); ++k) {
    if (c->columns[k].width > 0 && list->header()->sectionSize(static_cast<int>(k)) == 100)
      list->header()->resizeSection(static_cast<int>(k), c->columns[k].width);
  }
  int rows = static_cast<int>(c->rows.size());
  while (list->topLevelItemCount() > rows) delete list->takeTopLevelItem(rows);
  while (list->topLevelItemCount() < rows) list->addTopLevelItem(new QTreeWidgetItem);
  for (int r = 0; r < rows; ++r) {
    const ListViewRow& row = c->rows[static_cast<size_t>(r)];
    QTreeWidgetItem* item = list->topLevelItem(r);
    for (int k = 0; k < columns; ++k) {
      QString text = static_cast<size_t>(k) < row.cells.size() ? qs(row.cells[k]) : QString();
      if (item->text(k) != text) item->setText(k, text);
      Qt::Alignment align = static_cast<size_t>(k) < c->columns.size() &&
                                    (c->columns[k].format & LVCFMT_RIGHT)
                                ? Qt::AlignRight | Qt::AlignVCenter
                                : Qt::AlignLeft | Qt::AlignVCenter;
      item->setTextAlignment(k, align);
    }
    if (checks) item->setCheckState(0, row.checked ? Qt::Checked : Qt::Unchecked);
    item->setSelected((row.state & LVIS_SELECTED) != 0);
  }
}

void refreshListBox(HWND c, QListWidget* list) {
  int count = static_cast<int>(c->items.size());
  while (list->count() > count) delete list->takeItem(count);
  while (list->count() < count) list->addItem(QString());
  bool multi = (c->style & kCtlMultiSel) != 0;
  for (int r = 0; r < count; ++r) {
    QListWidgetItem* item = list->item(r);
    QString text = qs(c->items[static_cast<size_t>(r)]);
    if (item->text() != text) item->setText(text);
    bool selected = multi ? static_cast<size_t>(r) < c->itemSelected.size() &&
                                c->itemSelected[static_cast<size_t>(r)]
                          : r == c->curSel;
    item->setSelected(selected);
  }
}

void refreshCombo(HWND c, QComboBox* combo) {
  if (c->kind == K::kColorCombo) {
    int row = combo->findData(c->pos);
    if (row < 0) {
      combo->addItem(QString::number(c->pos), c->pos);
      row = combo->count() - 1;
    }
    combo->setCurrentIndex(row);
    return;
  }
  QStringList items;
  for (const std::wstring& item : c->items) items << qs(item);
  QStringList shown;
  for (int r = 0; r < combo->count(); ++r) shown << combo->itemText(r);
  if (shown != items) {
    combo->clear();
    combo->addItems(items);
  }
  combo->setCurrentIndex(c->curSel);
  if (combo->isEditable()) combo->lineEdit()->setText(qs(ui::controlText(c)));
}

void refreshWebView(HWND c, QTextBrowser* browser) {
  QString url = qs(c->text);
  if (browser->property("page").toString() == url) return;
  browser->setProperty("page", url);
  if (url.isEmpty()) {
    browser->clear();
    return;
  }
  QUrl address = QUrl::fromUserInput(url, QString(), QUrl::AssumeLocalFile);
  if (!address.isLocalFile()) {
    browser->setSource(address);
    return;
  }
  // The report pages are written in the system's code page, without a charset: decoded here as
  // the module wrote them rather than guessed.
  QFile file(address.toLocalFile());
  if (!file.open(QIODevice::ReadOnly)) {
    browser->setPlainText(QStringLiteral("Page introuvable : ") + url);
    return;
  }
  QByteArray bytes = file.readAll();
  browser->document()->setBaseUrl(address);
  browser->setHtml(qs(ansiToWide(std::string_view(bytes.constData(), bytes.size()))));
}

}  // namespace

QWidget* makeControlWidget(HWND c, QWidget* parent, ControlEvents& events) {
  switch (c->kind) {
    case K::kStatic: {
      auto* label = new QLabel(parent);
      label->setAlignment(((c->style & kCtlRight) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
      label->setWordWrap(true);
      return label;
    }
    case K::kPicture: {
      auto* picture = new QLabel(parent);
      picture->setFrameShape(QFrame::StyledPanel);
      picture->setAlignment(Qt::AlignCenter);
      picture->setWordWrap(true);
      return picture;
    }
    case K::kGroupBox:
      return new QGroupBox(parent);
    case K::kEdit:
    case K::kRichEdit:
      return makeEdit(c, parent, events);
    case K::kButton:
    case K::kDefButton:
    case K::kCheckBox:
    case K::kRadio:
      return makeButton(c, parent, events);
    case K::kComboDropList:
    case K::kComboDropDown:
    case K::kMruCombo:
    case K::kColorCombo:
      return makeCombo(c, parent, events);
    case K::kListBox:
      return makeListBox(c, parent, events);
    case K::kListView:
      return makeListView(c, parent, events);
    case K::kSpin:
      return makeSpin(c, parent, events);
    case K::kProgress: {
      auto* bar = new QProgressBar(parent);
      bar->setTextVisible(false);
      return bar;
    }
    case K::kWebBrowser: {
      auto* browser = new QTextBrowser(parent);
      browser->setOpenExternalLinks(true);
      // The report tables give their cells no room of their own; a browser adds some.
      browser->document()->setDefaultStyleSheet(QStringLiteral("td, th { padding: 1px 6px; }"));
      return browser;
    }
  }
  return nullptr;
}

void refreshControlWidget(HWND c, QWidget* widget) {
  QSignalBlocker quiet(widget);
  widget->setEnabled(c->enabled);
  widget->setVisible(c->visible);
  switch (c->kind) {
    case K::kStatic:
      static_cast<QLabel*>(widget)->setText(qs(c->text));
      break;
    case K::kPicture: {
      std::wstring shown = ui::pictureDescription(c);
      static_cast<QLabel*>(widget)->setText(qs(shown.empty() ? c->text : shown));
      break;
    }
    case K::kGroupBox:
      static_cast<QGroupBox*>(widget)->setTitle(qs(c->text));
      break;
    case K::kEdit:
    case K::kRichEdit:
      if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) {
        QString text = shownLines(c->text);
        if (lines->toPlainText() != text) lines->setPlainText(text);
      } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        QString text = qs(c->text);
        if (line->text() != text) line->setText(text);
      }
      break;
    case K::kButton:
    case K::kDefButton:
    case K::kCheckBox:
    case K::kRadio: {
      auto* button = static_cast<QAbstractButton*>(widget);
      button->setText(qs(c->text));
      if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        box->setTristate(c->check == BST_INDETERMINATE);
        box->setCheckState(c->check == BST_CHECKED         ? Qt::Checked
                           : c->check == BST_INDETERMINATE ? Qt::PartiallyChecked
                                                           : Qt::Unchecked);
      } else if (button->isCheckable()) {
        button->setChecked(c->check == BST_CHECKED);
      }
      break;
    }
    case K::kComboDropList:
    case K::kComboDropDown:
    case K::kMruCombo:
    case K::kColorCombo:
      refreshCombo(c, static_cast<QComboBox*>(widget));
      break;
    case K::kListBox:
      refreshListBox(c, static_cast<QListWidget*>(widget));
      break;
    case K::kListView:
      refreshListView(c, static_cast<QTreeWidget*>(widget));
      break;
    case K::kSpin:
      break;
    case K::kProgress: {
      auto* bar = static_cast<QProgressBar*>(widget);
      bar->setRange(std::min(c->lower, c->upper), std::max(c->lower, c->upper));
      bar->setValue(std::clamp(c->pos, bar->minimum(), bar->maximum()));
      break;
    }
    case K::kWebBrowser:
      refreshWebView(c, static_cast<QTextBrowser*>(widget));
      break;
  }
}

bool typedText(HWND c, QWidget* widget, std::wstring& text) {
  if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) {
    if (lines->isReadOnly()) return false;
    text = escapedLines(lines->toPlainText().toStdWString());
    return true;
  }
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    if (line->isReadOnly()) return false;
    text = line->text().toStdWString();
    return true;
  }
  auto* combo = qobject_cast<QComboBox*>(widget);
  if (combo && combo->isEditable() && isEditableCombo(c)) {
    text = combo->lineEdit()->text().toStdWString();
    return true;
  }
  return false;
}

std::wstring stateText(HWND c) {
  return isMultiline(c) ? escapedLines(c->text) : ui::controlText(c);
}

}  // namespace gui
