// A host with the module loaded and a new drawing current; LISP evaluated in that drawing, the
// command line's transcript kept in memory and answers given in advance.
#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "ed/editor.h"
#include "lisp/interpreter.h"
#include "lisp/reader.h"
#include "os/codepage.h"
#include "rx/acdocman.h"
#include "rx/rxdlinkr.h"

inline std::wstring modulePath() {
#ifdef ARPENTA_MODULE_PATH
  return utf8ToWide(ARPENTA_MODULE_PATH);
#else
  return L"";
#endif
}

class ModuleHost : public ::testing::Test {
 protected:
  void SetUp() override {
    acDocManager->closeAll();
    ed::Editor& editor = ed::Editor::instance();
    editor.resetState();
    editor.transcript().setStdout(false);
    editor.transcript().setCapture(true);
    editor.transcript().clearCaptured();
    editor.setInput(std::make_unique<ed::QueueSource>());
    document = acDocManager->newDocument();
    ASSERT_NE(document, nullptr);
    ASSERT_TRUE(acrxDynamicLinker->loadModule(modulePath().c_str()))
        << wideToUtf8(acrxDynamicLinker->lastError());
  }
  void TearDown() override {
    acDocManager->closeAll();
    acrxDynamicLinker->unloadAll();
    ed::Editor::instance().setInput(nullptr);
    ed::Editor::instance().transcript().setCapture(false);
    ed::Editor::instance().resetState();
  }

  // The value printed as the command line prints it, or the error message.
  std::wstring eval(const std::wstring& source) {
    lisp::EvalResult result = acDocManager->curDocument()->interpreter().evaluate(source);
    if (!result.ok) return result.error;
    return lisp::printValue(result.value, true);
  }
  void answer(std::deque<std::wstring> lines) {
    ed::Editor::instance().setInput(std::make_unique<ed::QueueSource>(std::move(lines)));
  }
  std::wstring transcript() const { return ed::Editor::instance().transcript().captured(); }
  void clearTranscript() { ed::Editor::instance().transcript().clearCaptured(); }
  AcDbDatabase* database() const { return acDocManager->curDocument()->database(); }

  AcApDocument* document = nullptr;
};
