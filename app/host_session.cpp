#include "host_session.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "db/dbdatabase.h"
#include "ed/command_line.h"
#include "ed/editor.h"
#include "ed/host_commands.h"
#include "ed/input_source.h"
#include "os/codepage.h"
#include "rx/acdocman.h"
#include "rx/rxdlinkr.h"

namespace cadhost {
namespace {

namespace text {
const wchar_t* const kErrorPrefix = L"Erreur : ";
const wchar_t* const kWarningPrefix = L"Avertissement : ";
const wchar_t* const kNoScript = L"impossible de lire le script ";
const wchar_t* const kNoTranscript = L"impossible d'écrire le journal ";
const wchar_t* const kNothingToSave = L"aucun dessin ouvert à enregistrer";
const wchar_t* const kStopped = L"arrêt à la première erreur (--strict)";
}  // namespace text

void say(const std::wstring& line) { ed::Editor::instance().transcript().write(line + L"\n"); }

// Host-level failures go to the transcript and to standard error (when the transcript does not
// already go to the terminal, the message would be lost otherwise).
void fail(const std::wstring& message) {
  ed::Transcript& transcript = ed::Editor::instance().transcript();
  if (!transcript.atLineStart()) transcript.write(L"\n");
  say(text::kErrorPrefix + message);
  if (!transcript.toStdout()) std::fprintf(stderr, "%s\n", wideToUtf8(text::kErrorPrefix + message).c_str());
}

bool openDrawing(const HostOptions& options) {
  AcApDocManager& docs = *acDocManager;
  if (options.drawing.empty()) return docs.newDocument() != nullptr;
  auto database = std::make_unique<AcDbDatabase>(false, false);
  if (database->readDwgFile(options.drawing.c_str()) != Acad::eOk) {
    fail(utf8ToWide(database->lastError()));
    return false;
  }
  for (const std::string& warning : database->readReport().warnings) {
    say(text::kWarningPrefix + utf8ToWide(warning));
  }
  return docs.addDocument(std::move(database), options.drawing.c_str()) != nullptr;
}

std::unique_ptr<ed::InputSource> makeInput(const HostOptions& options, const FrontEnd* frontEnd) {
  std::unique_ptr<ed::InputSource> script;
  if (!options.script.empty()) {
    auto file = std::make_unique<ed::ScriptFileSource>(options.script);
    if (!file->ok()) return nullptr;
    script = std::move(file);
  }
  if (frontEnd != nullptr && frontEnd->input) return frontEnd->input(std::move(script));
  return script ? std::move(script) : ed::makeConsoleSource();
}

bool saveDrawing(const std::wstring& fileName) {
  AcApDocument* document = acDocManager->curDocument();
  if (document == nullptr) {
    fail(text::kNothingToSave);
    return false;
  }
  if (acDocManager->saveDocument(document, fileName.c_str()) != Acad::eOk) {
    fail(utf8ToWide(document->database()->lastError()));
    return false;
  }
  return true;
}

// The drawings close (kUnloadDwgMsg to the modules) before the modules unload (kUnloadAppMsg).
void shutDown() {
  acDocManager->closeAll();
  acrxDynamicLinker->unloadAll();
  ed::removeHostCommands();
}

}  // namespace

int runSession(const HostOptions& options, const FrontEnd* frontEnd) {
  ed::Editor& editor = ed::Editor::instance();
  if (!options.transcript.empty()) {
    std::remove(wideToUtf8(options.transcript).c_str());
    if (!editor.transcript().openLog(options.transcript)) {
      fail(text::kNoTranscript + options.transcript);
      return 1;
    }
  }
  ed::registerHostCommands();
  if (!openDrawing(options)) {
    bool goOn = frontEnd != nullptr && frontEnd->newDrawingWhenOpenFails &&
                acDocManager->newDocument() != nullptr;
    if (!goOn) {
      shutDown();
      return 1;
    }
  }
  int status = 0;
  std::vector<std::wstring> modules = options.modules;
  if (options.surveyModule && !surveyModulePath().empty()) {
    modules.insert(modules.begin(), surveyModulePath());
  }
  for (const std::wstring& module : modules) {
    if (!acrxDynamicLinker->loadModule(module.c_str())) {
      fail(acrxDynamicLinker->lastError());
      if (options.strict) status = 1;
    }
  }
  std::unique_ptr<ed::InputSource> input = makeInput(options, frontEnd);
  if (!input) {
    fail(text::kNoScript + options.script);
    status = 1;
  }
  if (status == 0) {
    editor.setInput(std::move(input));
    ed::CommandLine commandLine(options.strict);
    commandLine.run();
    editor.setInput(nullptr);
    if (options.strict && commandLine.errorCount() > 0) {
      fail(text::kStopped);
      status = 1;
    }
  }
  if (status == 0 && !options.saveAs.empty() && !saveDrawing(options.saveAs)) status = 1;
  shutDown();
  editor.transcript().closeLog();
  return status;
}

int runMain(int argc, char** argv, const std::function<int(const HostOptions&)>& session) {
  HostOptions options;
  std::wstring error;
  if (!parseArguments(argc, argv, options, error)) {
    std::fprintf(stderr, "Erreur : %s\n%s", wideToUtf8(error).c_str(), kUsage);
    return 2;
  }
  try {
    return session(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "Erreur : %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "Erreur inattendue\n");
  }
  return 1;
}

}  // namespace cadhost
