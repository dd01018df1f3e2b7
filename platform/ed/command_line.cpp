#include "ed/command_line.h"

#include <memory>

#include "ed/editor.h"
#include "lisp/interpreter.h"
#include "lisp/reader.h"
#include "rx/acdocman.h"
#include "rx/cmdrun.h"

namespace ed {

const wchar_t* const kCommandPrompt = L"\nCommande: ";

namespace {

namespace text {
const wchar_t* const kContinuationPrompt = L"(_> ";
const wchar_t* const kCancel = L"*Annuler*\n";
const wchar_t* const kNeedsDrawing =
    L"Aucun dessin ouvert : seules les commandes NOUVEAU, OUVRIR, APPCHARG et QUITTER et les "
    L"expressions LISP sont disponibles.\n";
const wchar_t* const kInputEnded = L"Fin du script au milieu d'une commande.\n";
const wchar_t* const kResourceImbalance =
    L"La commande n'a pas rétabli la pile des ressources.\n";
const std::wstring kObjectsLeftOpen = L"Objets laissés ouverts par la commande : ";
}  // namespace text

int g_commandErrors = 0;
std::wstring g_lastCommandError;
bool g_quit = false;

void say(const std::wstring& text) { Editor::instance().transcript().write(text); }

// The prompt starts a line of its own without leaving an empty line after an answer's echo.
void prompt(const wchar_t* text) {
  if (Editor::instance().transcript().atLineStart() && text[0] == L'\n') ++text;
  say(text);
}

// Watches the input for the loop's lifetime: running out of lines inside a command is an error.
class WatchedSource : public InputSource {
 public:
  explicit WatchedSource(std::unique_ptr<InputSource> inner) : inner_(std::move(inner)) {}
  bool readLine(std::wstring& line) override {
    if (inner_->readLine(line)) return true;
    exhausted_ = true;
    return false;
  }
  bool exhausted() const { return exhausted_; }
  std::unique_ptr<InputSource> release() { return std::move(inner_); }

 private:
  std::unique_ptr<InputSource> inner_;
  bool exhausted_ = false;
};

WatchedSource* g_watch = nullptr;

// Without a drawing, LISP still runs: in an interpreter of its own.
lisp::Interpreter& interpreter() {
  if (AcApDocument* document = acDocManager->curDocument()) return document->interpreter();
  static lisp::Interpreter* standalone = [] {
    auto* created = new lisp::Interpreter;
    created->setOutput(&Editor::instance().transcript());
    return created;
  }();
  return *standalone;
}

}  // namespace

std::wstring unknownCommandMessage(const std::wstring& name) {
  return L"Commande inconnue \"" + name + L"\".  Appuyez sur F1 pour obtenir de l'aide.";
}

void noteCommandError(const std::wstring& message) {
  ++g_commandErrors;
  g_lastCommandError = message;
}

void requestQuit() { g_quit = true; }

bool lispTextIsOpen(const std::wstring& text) {
  int depth = 0;
  bool inString = false;
  for (size_t i = 0; i < text.size(); ++i) {
    wchar_t c = text[i];
    if (inString) {
      if (c == L'\\') ++i;
      else if (c == L'"') inString = false;
      continue;
    }
    if (c == L'"') {
      inString = true;
    } else if (c == L';') {
      size_t end = text.find(L'\n', i);
      if (end == std::wstring::npos) break;
      i = end;
    } else if (c == L'(') {
      ++depth;
    } else if (c == L')') {
      // A closing parenthesis too many is the reader's error to report, not more input to wait for.
      if (--depth < 0) return false;
    }
  }
  return depth > 0 || inString;
}

bool CommandLine::quitRequested() const { return g_quit; }

void CommandLine::error(const std::wstring& text) {
  if (errors_++ == 0) firstError_ = text;
}

void CommandLine::run() {
  Editor& editor = Editor::instance();
  g_quit = false;
  std::unique_ptr<InputSource> inner = editor.setInput(nullptr);
  if (!inner) inner = makeConsoleSource();
  auto watched = std::make_unique<WatchedSource>(std::move(inner));
  WatchedSource* outerWatch = g_watch;
  g_watch = watched.get();
  editor.setInput(std::move(watched));
  while (step()) {
    if (strict_ && errors_ > 0) break;
  }
  g_watch = outerWatch;
  // Give the source back unwrapped, unless a command replaced it meanwhile.
  std::unique_ptr<InputSource> current = editor.setInput(nullptr);
  auto* stillMine = dynamic_cast<WatchedSource*>(current.get());
  editor.setInput(stillMine ? stillMine->release() : std::move(current));
}

bool CommandLine::step() {
  if (g_quit) return false;
  Editor& editor = Editor::instance();
  prompt(kCommandPrompt);
  std::wstring line;
  bool read = false;
  {
    RequestScope scope(InputRequest::kCommand);
    read = editor.readLine(line);
  }
  if (!read) {
    // The end of the input at the command prompt is the normal end of a script.
    say(L"\n");
    return false;
  }
  // Leading blanks are nothing; a blank after a command name ends it, as Enter does.
  size_t start = line.find_first_not_of(L" \t");
  line.erase(0, start == std::wstring::npos ? line.size() : start);
  if (!line.empty() && line[0] == L'(') {
    say(line + L"\n");
    runLisp(line);
  } else if (!line.empty() && line[0] == L'!') {
    say(line + L"\n");
    printSymbol(line.substr(1));
  } else if (line == L"^C") {
    say(text::kCancel);
  } else {
    size_t end = line.find_first_of(L" \t");
    if (end != std::wstring::npos) {
      size_t next = line.find_first_not_of(L" \t", end);
      if (next != std::wstring::npos) editor.unread(line.substr(next));
      line.erase(end);
    }
    // Enter at the prompt repeats the last command, as on the host.
    if (line.empty()) line = lastCommand_;
    say(line + L"\n");
    if (!line.empty()) runCommand(line);
  }
  return !g_quit;
}

void CommandLine::runLisp(std::wstring text) {
  Editor& editor = Editor::instance();
  while (lispTextIsOpen(text)) {
    say(text::kContinuationPrompt);
    std::wstring more;
    if (!editor.readLine(more)) {
      say(L"\n");
      break;  // the reader reports the unbalanced text
    }
    if (more == L"^C") {
      say(text::kCancel);
      return;
    }
    say(more + L"\n");
    text += L"\n" + more;
  }
  int errorsBefore = g_commandErrors;
  lisp::EvalResult result;
  {
    AcEdCommandStep step(kUndoGroupName);
    result = interpreter().evaluate(text);
  }
  if (!result.ok) {
    if (!result.error.empty()) {
      if (!editor.transcript().atLineStart()) say(L"\n");
      say(result.error + L"\n");
      error(result.error);
    }
    return;
  }
  if (g_commandErrors != errorsBefore) error(g_lastCommandError);
  say(lisp::printValue(result.value, true) + L"\n");
}

void CommandLine::printSymbol(const std::wstring& name) {
  lisp::EvalResult result = interpreter().evaluate(name);
  if (!result.ok) {
    say(result.error + L"\n");
    error(result.error);
    return;
  }
  say(lisp::printValue(result.value, true) + L"\n");
}

void CommandLine::runCommand(const std::wstring& name) {
  int errorsBefore = g_commandErrors;
  bool exhaustedBefore = g_watch != nullptr && g_watch->exhausted();
  AcEdCommandOutcome outcome = acedRunCommand(name.c_str());
  if (!outcome.found) {
    std::wstring message = unknownCommandMessage(name);
    say(message + L"\n");
    error(message);
    return;
  }
  lastCommand_ = name;
  if (outcome.needsDrawing) {
    say(text::kNeedsDrawing);
    error(text::kNeedsDrawing);
    return;
  }
  if (!outcome.error.empty()) {
    if (!Editor::instance().transcript().atLineStart()) say(L"\n");
    say(outcome.error + L"\n");
    error(outcome.error);
  }
  if (outcome.resourceImbalance) {
    say(text::kResourceImbalance);
    error(text::kResourceImbalance);
  }
  if (outcome.objectsLeftOpen > 0) {
    const std::wstring message = text::kObjectsLeftOpen + std::to_wstring(outcome.objectsLeftOpen) + L"\n";
    say(message);
    error(message);
  }
  if (g_commandErrors != errorsBefore) error(g_lastCommandError);
  if (!exhaustedBefore && g_watch != nullptr && g_watch->exhausted()) {
    say(text::kInputEnded);
    error(text::kInputEnded);
  }
}

}  // namespace ed
