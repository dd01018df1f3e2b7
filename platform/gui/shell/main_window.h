// The main window of the desktop host: the drawing view in the middle, the command line docked
// below, menus and a toolbar for opening, saving, zoom extents and quitting. The platform's one
// command loop reads from the window (CommandInput); closing with unsaved changes asks first.
#pragma once
#include <QMainWindow>
#include <functional>
#include <memory>

#include "ed/input_source.h"

class AcApDocument;

namespace gui {

class CommandInput;
class CommandLineWidget;
class DrawingView;
class ViewPicker;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow();
  ~MainWindow() override;

  // The source the command loop reads (see CommandInput::makeSource).
  std::unique_ptr<ed::InputSource> makeInput(std::unique_ptr<ed::InputSource> script);

  DrawingView& view() const { return *view_; }
  CommandLineWidget& commandLine() const { return *commandLine_; }
  CommandInput& input() const { return *input_; }
  ViewPicker& picker() const { return *picker_; }

  // The answer to "save the changes?": what the user chose.
  enum class CloseAnswer { kYes, kNo, kCancel };
  // Replaces the questions the window asks (tests): the file to open or save (empty: none
  // chosen) and the answer about unsaved changes.
  void setFileChooser(std::function<QString(bool forSaving, const QString& suggested)> chooser) {
    chooseFile_ = std::move(chooser);
  }
  void setCloseQuestion(std::function<CloseAnswer(const QString& title)> question) {
    askClose_ = std::move(question);
  }

  // The menu actions.
  void openDrawing();
  void saveDrawing();
  void zoomExtents();

  // Shows what the editor has now: the current document, the entities a command added or
  // changed, the prompt's state.
  void refresh(bool lastWasMove);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  bool atCommandPrompt() const;
  // Saves a modified document before closing; false when the user keeps the window.
  bool settle(AcApDocument* document);
  void updateTitle();

  DrawingView* view_ = nullptr;
  CommandLineWidget* commandLine_ = nullptr;
  std::unique_ptr<CommandInput> input_;
  std::unique_ptr<ViewPicker> picker_;
  std::function<QString(bool, const QString&)> chooseFile_;
  std::function<CloseAnswer(const QString&)> askClose_;
};

}  // namespace gui
