// The command line: the "Commande: " prompt loop that scripts, the terminal and tests drive. Each
// input is a LISP expression (a line starting with "("), "!symbol" (the symbol's value), an empty
// line (the last command again) or a command name run through acedRunCommand.
#pragma once
#include <string>

namespace ed {

class CommandLine {
 public:
  // With strict set, the first error ends the loop (see run()).
  explicit CommandLine(bool strict = false) : strict_(strict) {}

  // Prompts and runs inputs until QUIT, the end of the input, or (strict) the first error. The
  // editor's input source is watched for the time of the loop so that an input running out in
  // the middle of a prompt counts as an error.
  void run();
  // One command prompt and what was typed at it. False when the input is exhausted or QUIT ran.
  bool step();

  // Errors seen so far: unknown commands, LISP errors, commands that failed (see
  // noteCommandError), an input that ran out in the middle of a prompt.
  int errorCount() const { return errors_; }
  // The text of the first error, as printed.
  const std::wstring& firstError() const { return firstError_; }
  bool quitRequested() const;

 private:
  void error(const std::wstring& text);
  void runLisp(std::wstring text);
  void printSymbol(const std::wstring& name);
  void runCommand(const std::wstring& name);

  bool strict_;
  int errors_ = 0;
  std::wstring firstError_;
  std::wstring lastCommand_;
};

// The prompt of the command line, and the host's answer to a name it does not know.
extern const wchar_t* const kCommandPrompt;
std::wstring unknownCommandMessage(const std::wstring& name);

// A command says that it failed (a drawing that could not be opened or saved...): the message is
// already printed; the command line counts it as an error.
void noteCommandError(const std::wstring& message);
// QUIT asks the command line to stop once the command returns.
void requestQuit();

// True while the parentheses of the text are not all closed (strings and ";" comments skipped).
bool lispTextIsOpen(const std::wstring& text);

}  // namespace ed
