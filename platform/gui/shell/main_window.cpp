#include "shell/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <cwchar>

#include "db/dbdatabase.h"
#include "ed/editor.h"
#include "os/codepage.h"
#include "rx/acdocman.h"
#include "rx/cmdrun.h"
#include "shell/command_input.h"
#include "shell/command_line_widget.h"
#include "shell/view_picker.h"
#include "shell/window_commands.h"
#include "view/drawing_view.h"

namespace gui {
namespace text {
const char* const kTitle = "Cadhost";
const char* const kFileMenu = "&Fichier";
const char* const kViewMenu = "&Affichage";
const char* const kOpen = "&Ouvrir...";
const char* const kSave = "&Enregistrer";
const char* const kZoomExtents = "Zoom &étendu";
const char* const kQuit = "&Quitter";
const char* const kCommandLine = "Ligne de commande";
const char* const kDrawingFilter = "Dessins (*.dxf *.dwg);;Tous les fichiers (*)";
const char* const kOpenTitle = "Ouvrir un dessin";
const char* const kSaveTitle = "Enregistrer le dessin sous";
const char* const kBusy = "Une commande est en cours : terminez-la ou annulez-la (Échap).";
const char* const kYes = "Oui";
const char* const kNo = "Non";
const char* const kCancel = "Annuler";
QString saveChanges(const QString& title) {
  return QString::fromUtf8("Enregistrer les modifications apportées à %1 ?").arg(title);
}
}  // namespace text

namespace {

QString qs(const char* utf8) { return QString::fromUtf8(utf8); }

bool hasFile(AcApDocument* document) {
  return std::wcscmp(document->fileName(), document->docTitle()) != 0;
}

}  // namespace

MainWindow::MainWindow() : input_(std::make_unique<CommandInput>()) {
  setWindowTitle(qs(text::kTitle));
  view_ = new DrawingView(this);
  setCentralWidget(view_);
  commandLine_ = new CommandLineWidget(this);
  auto* dock = new QDockWidget(qs(text::kCommandLine), this);
  dock->setObjectName(QStringLiteral("commandLine"));
  dock->setWidget(commandLine_);
  dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  addDockWidget(Qt::BottomDockWidgetArea, dock);
  picker_ = std::make_unique<ViewPicker>(*view_, *input_);
  registerWindowCommands(view_);
  buildMenus();
  resize(1100, 800);

  ed::Editor::instance().transcript().setObserver(
      [this](const std::wstring& written) { commandLine_->appendTranscript(QString::fromStdWString(written)); });
  connect(commandLine_, &CommandLineWidget::lineEntered, this,
          [this](const QString& line) { input_->submit(line.toStdWString()); });
  connect(input_.get(), &CommandInput::aboutToWait, this, &MainWindow::refresh);

  chooseFile_ = [this](bool forSaving, const QString& suggested) {
    return forSaving ? QFileDialog::getSaveFileName(this, qs(text::kSaveTitle), suggested, qs(text::kDrawingFilter))
                     : QFileDialog::getOpenFileName(this, qs(text::kOpenTitle), suggested, qs(text::kDrawingFilter));
  };
  askClose_ = [this](const QString& title) {
    QMessageBox box(QMessageBox::Question, qs(text::kTitle), text::saveChanges(title), QMessageBox::NoButton, this);
    QPushButton* yes = box.addButton(qs(text::kYes), QMessageBox::YesRole);
    QPushButton* no = box.addButton(qs(text::kNo), QMessageBox::NoRole);
    box.addButton(qs(text::kCancel), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.exec();
    if (box.clickedButton() == yes) return CloseAnswer::kYes;
    if (box.clickedButton() == no) return CloseAnswer::kNo;
    return CloseAnswer::kCancel;
  };
}

MainWindow::~MainWindow() {
  removeWindowCommands();
  ed::Editor::instance().transcript().setObserver(nullptr);
  view_->setOverlay(nullptr);
}

std::unique_ptr<ed::InputSource> MainWindow::makeInput(std::unique_ptr<ed::InputSource> script) {
  return input_->makeSource(std::move(script));
}

void MainWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu(qs(text::kFileMenu));
  QMenu* display = menuBar()->addMenu(qs(text::kViewMenu));
  QToolBar* tools = addToolBar(qs(text::kFileMenu).remove(QLatin1Char('&')));
  tools->setObjectName(QStringLiteral("tools"));
  auto add = [&](QMenu* menu, const char* label, QKeySequence keys, void (MainWindow::*slot)()) {
    QAction* action = menu->addAction(qs(label));
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, slot);
    tools->addAction(action);
    return action;
  };
  add(file, text::kOpen, QKeySequence::Open, &MainWindow::openDrawing);
  add(file, text::kSave, QKeySequence::Save, &MainWindow::saveDrawing);
  file->addSeparator();
  QAction* quit = file->addAction(qs(text::kQuit));
  quit->setShortcut(QKeySequence::Quit);
  connect(quit, &QAction::triggered, this, &QWidget::close);
  tools->addAction(quit);
  add(display, text::kZoomExtents, QKeySequence(), &MainWindow::zoomExtents);
}

bool MainWindow::atCommandPrompt() const {
  return input_->waiting() && input_->pending() == 0 &&
         ed::Editor::instance().request().kind == ed::InputRequest::kCommand;
}

// The menus run the host's own commands, answering their prompts as a script would.
void MainWindow::openDrawing() {
  if (!atCommandPrompt()) {
    statusBar()->showMessage(qs(text::kBusy), 5000);
    return;
  }
  QString name = chooseFile_(false, QString());
  if (name.isEmpty()) return;
  input_->submit(L"_OPEN");
  input_->submit(name.toStdWString());
}

void MainWindow::saveDrawing() {
  if (!atCommandPrompt()) {
    statusBar()->showMessage(qs(text::kBusy), 5000);
    return;
  }
  AcApDocument* document = acDocManager->curDocument();
  if (document == nullptr) return;
  if (hasFile(document)) {
    input_->submit(L"_SAVE");
    return;
  }
  QString name = chooseFile_(true, QString::fromStdWString(document->docTitle()));
  if (name.isEmpty()) return;
  input_->submit(L"_SAVEAS");
  input_->submit(name.toStdWString());
}

void MainWindow::zoomExtents() { view_->zoomExtents(); }

void MainWindow::refresh(bool lastWasMove) {
  AcApDocument* current = acDocManager->curDocument();
  if (current != view_->document()) {
    view_->setDocument(current);
  } else if (!lastWasMove) {
    // What the command changed so far shows, at the prompt and within a command alike.
    view_->updateFromChanges();
  }
  view_->update();
  updateTitle();
}

void MainWindow::updateTitle() {
  AcApDocument* document = view_->document();
  QString title = qs(text::kTitle);
  if (document != nullptr) {
    title = QString::fromStdWString(document->docTitle()) + (acedIsDocumentModified(document) ? "*" : "") +
            " - " + title;
  }
  setWindowTitle(title);
}

bool MainWindow::settle(AcApDocument* document) {
  if (!acedIsDocumentModified(document)) return true;
  CloseAnswer answer = askClose_(QString::fromStdWString(document->docTitle()));
  if (answer == CloseAnswer::kCancel) return false;
  if (answer == CloseAnswer::kNo) return true;
  QString name = hasFile(document) ? QString::fromStdWString(document->fileName())
                                   : chooseFile_(true, QString::fromStdWString(document->docTitle()));
  if (name.isEmpty()) return false;
  if (acDocManager->saveDocument(document, name.toStdWString().c_str()) != Acad::eOk) {
    QMessageBox::warning(this, qs(text::kTitle), QString::fromStdString(document->database()->lastError()));
    return false;
  }
  acedSetDocumentModified(document, false);
  return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!input_->closed()) {
    auto it = acDocManager->newAcApDocumentIterator();
    for (; !it->done(); it->step()) {
      if (!settle(it->document())) {
        event->ignore();
        return;
      }
    }
  }
  // The command loop ends: what waits is cancelled and the session closes the drawings.
  input_->close();
  event->accept();
}

}  // namespace gui
