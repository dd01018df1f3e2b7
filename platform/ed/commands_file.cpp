// The drawing commands: NEW, OPEN, SAVE, SAVEAS, CLOSE, QUIT and APPLOAD, as the host runs them
// with FILEDIA=0: file names are asked on the command line (blanks allowed, Enter ends the name).
// Drawings are DXF files; a name without extension is given ".dxf".
#include <memory>
#include <string>

#include "db/dbdatabase.h"
#include "ed/aced.h"
#include "ed/command_line.h"
#include "ed/command_line_undo.h"
#include "ed/editor.h"
#include "ed/host_command_families.h"
#include "os/codepage.h"
#include "rx/acdocman.h"
#include "rx/cmdrun.h"
#include "rx/rxdlinkr.h"

namespace ed {
namespace {

namespace text {
const wchar_t* const kOpenPrompt = L"\nEntrez le nom du dessin à ouvrir: ";
std::wstring saveAsPrompt(const std::wstring& name) {
  return L"\nEnregistrer le dessin sous <" + name + L">: ";
}
std::wstring saveChangesPrompt(const std::wstring& title) {
  return L"\nEnregistrer les modifications apportées à " + title + L" ? [Oui/Non] <Oui>: ";
}

const wchar_t* const kYesNo = L"Oui Non _Yes No";
const wchar_t* const kModulePrompt = L"\nEntrez le nom du module à charger: ";
const wchar_t* const kModuleLoaded = L"\n%s chargé.\n";
const wchar_t* const kWarning = L"Avertissement : ";
const wchar_t* const kNoName = L"\nAucun nom de fichier donné.\n";
}  // namespace text

// Reports go on a line of their own.
void report(const std::wstring& message) {
  Transcript& out = Editor::instance().transcript();
  if (!out.atLineStart()) out.write(L"\n");
  out.write(message + L"\n");
}

// A failure is also counted as the command's error.
void failed(const std::wstring& message) {
  report(message);
  noteCommandError(message);
}

std::wstring withDrawingExtension(const std::wstring& name) {
  size_t slash = name.find_last_of(L"/\\");
  size_t dot = name.find_last_of(L'.');
  if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return name + L".dxf";
  return name;
}

// A file name typed at a prompt; fallback on Enter. False on a cancel or an empty name.
bool askFileName(const std::wstring& prompt, const std::wstring& fallback, std::wstring& name) {
  ACHAR answer[kAcedGetStringBufferLength];
  if (acedGetString(1, prompt.c_str(), answer) != RTNORM) return false;
  name = answer;
  // Blanks around a name are never meant: a name may hold blanks, not start or end with them.
  name.erase(0, name.find_first_not_of(L" \t"));
  name.erase(name.find_last_not_of(L" \t") + 1);
  if (name.size() >= 2 && name.front() == L'"' && name.back() == L'"') name = name.substr(1, name.size() - 2);
  if (name.empty()) name = fallback;
  if (name.empty()) {
    acutPrintf(L"%s", text::kNoName);
    return false;
  }
  name = withDrawingExtension(name);
  return true;
}

// The name a never-saved drawing is offered: its title as a DXF file.
std::wstring suggestedName(AcApDocument* document) {
  std::wstring title = document->docTitle();
  size_t dot = title.find_last_of(L'.');
  return (dot == std::wstring::npos ? title : title.substr(0, dot)) + L".dxf";
}

// A drawing never saved answers its title for its file name: the same text, not a copy of it.
bool hasFile(AcApDocument* document) { return document->fileName() != document->docTitle(); }

bool saveTo(AcApDocument* document, const std::wstring& name) {
  Acad::ErrorStatus status = acDocManager->saveDocument(document, name.c_str());
  if (status != Acad::eOk) {
    failed(utf8ToWide(document->database()->lastError()));
    return false;
  }
  acedSetDocumentModified(document, false);
  return true;
}

// SAVE of a drawing that has a file writes it there; otherwise the name is asked.
bool saveDocument(AcApDocument* document) {
  if (document->database() != nullptr && hasFile(document)) return saveTo(document, document->fileName());
  std::wstring name;
  std::wstring prompt = text::saveAsPrompt(suggestedName(document));
  if (!askFileName(prompt, suggestedName(document), name)) return false;
  return saveTo(document, name);
}

// Asks whether to save a modified drawing. False when the user cancels (the caller stops).
bool settleChanges(AcApDocument* document) {
  if (!acedIsDocumentModified(document)) return true;
  acedInitGet(0, text::kYesNo);
  ACHAR answer[32];
  std::wstring prompt = text::saveChangesPrompt(document->docTitle());
  int status = acedGetKword(prompt.c_str(), answer);
  if (status == RTNORM && std::wstring(answer) == L"No") return true;
  if (status != RTNORM && status != RTNONE) return false;
  return saveDocument(document);
}

void newCommand() { acDocManager->newDocument(); }

void openCommand() {
  std::wstring name;
  if (!askFileName(text::kOpenPrompt, L"", name)) return;
  auto database = std::make_unique<AcDbDatabase>(false, false);
  if (database->readDwgFile(name.c_str()) != Acad::eOk) {
    failed(utf8ToWide(database->lastError()));
    return;
  }
  for (const std::string& warning : database->readReport().warnings) {
    report(text::kWarning + utf8ToWide(warning));
  }
  acDocManager->addDocument(std::move(database), name.c_str());
}

void saveCommand() {
  if (AcApDocument* document = acDocManager->curDocument()) saveDocument(document);
}

void saveAsCommand() {
  AcApDocument* document = acDocManager->curDocument();
  if (document == nullptr) return;
  std::wstring current = hasFile(document) ? document->fileName() : suggestedName(document);
  std::wstring name;
  if (!askFileName(text::saveAsPrompt(current), current, name)) return;
  saveTo(document, name);
}

void closeCommand() {
  AcApDocument* document = acDocManager->curDocument();
  if (document == nullptr || !settleChanges(document)) return;
  acDocManager->closeDocument(document);
}

// QUIT settles every modified drawing, then ends the session; the host closes the drawings
// (kUnloadDwgMsg) and unloads the modules as it exits. A cancel keeps the session going.
void quitCommand() {
  auto it = acDocManager->newAcApDocumentIterator();
  for (; !it->done(); it->step()) {
    if (!settleChanges(it->document())) return;
  }
  requestQuit();
}

void apploadCommand() {
  ACHAR answer[kAcedGetStringBufferLength];
  if (acedGetString(1, text::kModulePrompt, answer) != RTNORM || answer[0] == 0) return;
  std::wstring path = answer;
  if (!acrxDynamicLinker->loadModule(path.c_str())) {
    failed(acrxDynamicLinker->lastError());
    return;
  }
  size_t slash = path.find_last_of(L"/\\");
  acutPrintf(text::kModuleLoaded, path.substr(slash == std::wstring::npos ? 0 : slash + 1).c_str());
}

}  // namespace

void addFileCommands(AcEdCommandStack& stack) {
  // Commands that open, create or leave drawings run without one, and lock nothing themselves.
  addHostCommand(stack, L"NEW", L"NOUVEAU", newCommand, ACRX_CMD_SESSION);
  addHostCommand(stack, L"OPEN", L"OUVRIR", openCommand, ACRX_CMD_SESSION);
  addHostCommand(stack, L"QUIT", L"QUITTER", quitCommand, ACRX_CMD_SESSION);
  addHostCommand(stack, L"APPLOAD", L"APPCHARG", apploadCommand, ACRX_CMD_SESSION);
  addHostCommand(stack, L"SAVE", L"ENREG", saveCommand);
  addHostCommand(stack, L"SAVEAS", L"ENREGSOUS", saveAsCommand);
  addHostCommand(stack, L"CLOSE", L"FERMER", closeCommand);
  addUndoCommands(stack);
}

}  // namespace ed
