// UNDO (ANNULER) and U: each command is one step of the current drawing's journal; Début/Fin group
// several commands into one step through the document's undo marks (the same marks a module sets
// through the automation object); Marque/Retour go back to a mark.
#include "ed/command_line_undo.h"

#include <map>
#include <string>
#include <vector>

#include "db/dbdatabase.h"
#include "db/dbundo.h"
#include "ed/aced.h"
#include "ed/editor.h"
#include "ed/host_command_families.h"
#include "rx/acdocman.h"
#include "rx/cmdrun.h"

namespace ed {
namespace {

namespace text {
const wchar_t* const kUndoPrompt =
    L"\nEntrez le nombre d'opérations à annuler ou "
    L"[Auto/Contrôle/Début/Fin/Marque/Retour] <1>: ";
const wchar_t* const kUndoKeywords =
    L"Auto Contrôle Début Fin Marque Retour _Auto Control BEgin End Mark Back";
const wchar_t* const kNothingToUndo = L"Rien à annuler\n";
const wchar_t* const kEverythingUndone = L"Tout a été annulé\n";
const wchar_t* const kStepOpen = L"Impossible d'annuler pendant un groupe ANNULER Début ouvert.\n";
const wchar_t* const kObjectsOpen = L"Impossible d'annuler : des objets sont encore ouverts.\n";
const wchar_t* const kOptionIgnored =
    L"Option sans effet : chaque commande est toujours une étape d'annulation.\n";
const wchar_t* const kUndoAll = L"\nTout sera annulé. OK ? [Oui/Non] <Oui>: ";
}  // namespace text

// Messages start on a line of their own, without an empty line after an echoed answer.
void report(const std::wstring& text) {
  Transcript& out = Editor::instance().transcript();
  if (!out.atLineStart()) out.write(L"\n");
  out.write(text);
}

// Marks of Marque per document: the journal's step count when each was set. They go with their
// document.
class UndoMarks : public AcApDocManagerReactor {
 public:
  static UndoMarks& instance() {
    // Never destroyed: the document manager may call its reactors during static destruction.
    static UndoMarks* marks = [] {
      auto* created = new UndoMarks;
      acDocManager->addReactor(created);
      return created;
    }();
    return *marks;
  }
  std::vector<int>& of(AcApDocument* document) { return marks_[document]; }
  void documentToBeDestroyed(AcApDocument* document) override { marks_.erase(document); }

 private:
  std::map<AcApDocument*, std::vector<int>> marks_;
};

std::vector<int>& undoMarks(AcApDocument* document) { return UndoMarks::instance().of(document); }

// Closes the brackets of the commands in progress (the UNDO command's own step, and the LISP line
// that called it) so that finished steps can be reverted; reopens as many afterwards.
class OpenStepsSuspended {
 public:
  explicit OpenStepsSuspended(UndoJournal& journal) : journal_(journal) {
    while (journal_.isStepOpen() && journal_.undoMarkDepth() == 0 && closed_ < kMaxDepth) {
      journal_.endStep();
      ++closed_;
    }
  }
  ~OpenStepsSuspended() {
    for (int i = 0; i < closed_; ++i) journal_.beginStep();
  }
  OpenStepsSuspended(const OpenStepsSuspended&) = delete;
  OpenStepsSuspended& operator=(const OpenStepsSuspended&) = delete;

 private:
  static constexpr int kMaxDepth = 64;
  UndoJournal& journal_;
  int closed_ = 0;
};

// Undoes up to count steps (all with count < 0, or down to stopAt steps), printing the names of
// what was undone as the host does on one line.
void undoSteps(int count, int stopAt = 0) {
  AcApDocument* document = acDocManager->curDocument();
  if (document == nullptr) return;
  UndoJournal& journal = document->database()->undoJournal();
  OpenStepsSuspended suspended(journal);
  if (journal.undoMarkDepth() > 0) {
    report(text::kStepOpen);
    return;
  }
  std::wstring names;
  int undone = 0;
  while ((count < 0 || undone < count) && journal.stepCount() > stopAt) {
    std::wstring name = acedLastUndoStepName(document);
    Acad::ErrorStatus status = journal.undoLastStep();
    if (status != Acad::eOk) {
      if (!names.empty()) report(names + L"\n");
      report(status == Acad::eNotApplicable ? text::kNothingToUndo : text::kObjectsOpen);
      return;
    }
    acedUndoStepsChanged(document);
    acedSetDocumentModified(document, true);
    names += (names.empty() ? L"" : L" ") + name;
    ++undone;
  }
  std::vector<int>& marks = undoMarks(document);
  while (!marks.empty() && marks.back() > journal.stepCount()) marks.pop_back();
  if (!names.empty()) report(names + L"\n");
  if (undone == 0) {
    report(text::kNothingToUndo);
  } else if (journal.stepCount() == 0 && count != undone) {
    report(text::kEverythingUndone);
  }
}

void goBackToMark(AcApDocument* document) {
  std::vector<int>& marks = undoMarks(document);
  if (!marks.empty()) {
    int mark = marks.back();
    marks.pop_back();
    undoSteps(-1, mark);
    return;
  }
  acedInitGet(0, L"Oui Non _Yes No");
  ACHAR answer[32];
  int status = acedGetKword(text::kUndoAll, answer);
  if (status == RTNORM && std::wstring(answer) == L"No") return;
  if (status == RTNORM || status == RTNONE) undoSteps(-1);
}

void undoCommand() {
  AcApDocument* document = acDocManager->curDocument();
  if (document == nullptr) return;
  acedInitGet(RSG_NOZERO | RSG_NONEG, text::kUndoKeywords);
  int count = 1;
  int status = acedGetInt(text::kUndoPrompt, &count);
  if (status == RTNONE) count = 1;
  if (status == RTNORM || status == RTNONE) {
    undoSteps(count);
    return;
  }
  if (status != RTKWORD) return;
  ACHAR option[64];
  acedGetInput(option);
  std::wstring keyword = option;
  if (keyword == L"BEgin") {
    document->startUndoMark();
  } else if (keyword == L"End") {
    document->endUndoMark();
  } else if (keyword == L"Mark") {
    undoMarks(document).push_back(document->database()->undoJournal().stepCount());
  } else if (keyword == L"Back") {
    goBackToMark(document);
  } else {
    report(text::kOptionIgnored);
  }
}

void undoOneCommand() { undoSteps(1); }

}  // namespace

void addUndoCommands(AcEdCommandStack& stack) {
  addHostCommand(stack, L"UNDO", L"ANNULER", undoCommand);
  addHostCommand(stack, L"U", L"U", undoOneCommand);
}

}  // namespace ed
