#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "lisp/interpreter.h"
#include "os/codepage.h"
#include "rx/acdocman.h"
#include "rx/cmdrun.h"
#include "rx/rxdlinkr.h"

namespace {

// The module is built beside the tests; RX_TEST_MODULE overrides where it is looked for.
std::wstring testModulePath() {
  if (const char* env = std::getenv("RX_TEST_MODULE")) return utf8ToWide(env);
#ifdef RX_TEST_MODULE_PATH
  return utf8ToWide(RX_TEST_MODULE_PATH);
#else
  return L"";
#endif
}

std::vector<int> messagesOf(const std::wstring& module) {
  auto count = reinterpret_cast<int (*)()>(
      acrxDynamicLinker->getSymbolAddress(module.c_str(), "rxTestMessageCount"));
  auto at = reinterpret_cast<int (*)(int)>(
      acrxDynamicLinker->getSymbolAddress(module.c_str(), "rxTestMessage"));
  std::vector<int> messages;
  if (count == nullptr || at == nullptr) return messages;
  for (int i = 0; i < count(); ++i) messages.push_back(at(i));
  return messages;
}

class ModuleLoadingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path = testModulePath();
    if (path.empty()) GTEST_SKIP() << "the test module was not built";
    acDocManager->closeAll();
  }
  void TearDown() override {
    acrxDynamicLinker->unloadAll();
    acDocManager->closeAll();
  }
  std::wstring path;
};

TEST_F(ModuleLoadingTest, ModuleHearsTheLifeOfEachDrawingInOrder) {
  std::filesystem::path saved = std::filesystem::temp_directory_path() /
                                ("rx_module_" + std::to_string(::testing::UnitTest::GetInstance()
                                                                   ->random_seed()) + ".dxf");
  AcApDocument* first = acDocManager->newDocument();
  ASSERT_TRUE(acrxDynamicLinker->loadModule(path.c_str())) << wideToUtf8(acrxDynamicLinker->lastError());
  // Loading twice is harmless and sends nothing.
  ASSERT_TRUE(acrxDynamicLinker->loadModule(path.c_str()));
  const std::wstring name = L"MESSAGE_LOG_MODULE.SO";  // found by file name, any case
  EXPECT_EQ(messagesOf(name), (std::vector<int>{1, 3}));

  lisp::Interpreter& interp = first->interpreter();
  EXPECT_EQ(interp.evaluateToText(L"(rxtestadd 2 3 4)"), L"9");
  EXPECT_EQ(acDocManager->saveDocument(first, saved.wstring().c_str()), Acad::eOk);
  EXPECT_TRUE(acDocManager->closeDocument(first) == Acad::eOk);
  EXPECT_EQ(messagesOf(name), (std::vector<int>{1, 3, 5, 9, 4}));

  // Refused while the module keeps itself locked.
  EXPECT_FALSE(acrxDynamicLinker->unloadModule(name.c_str()));
  EXPECT_FALSE(acrxDynamicLinker->lastError().empty());
  auto unlock = reinterpret_cast<void (*)()>(
      acrxDynamicLinker->getSymbolAddress(L"/elsewhere/Message_Log_Module.so", "rxTestUnlock"));
  ASSERT_NE(unlock, nullptr);
  unlock();
  std::vector<int> before = messagesOf(name);
  ASSERT_TRUE(acrxDynamicLinker->unloadModule(name.c_str()));
  EXPECT_FALSE(acrxDynamicLinker->isModuleLoaded(name.c_str()));
  // The module's own log is gone with it: check what it held just before, plus the unload.
  before.push_back(2);
  EXPECT_EQ(before, (std::vector<int>{1, 3, 5, 9, 4, 2}));
  std::filesystem::remove(saved);
}

TEST_F(ModuleLoadingTest, FunctionsAreDefinedPerDrawingAndRunAsCommands) {
  AcApDocument* a = acDocManager->newDocument();
  ASSERT_TRUE(acrxDynamicLinker->loadModule(path.c_str()));
  AcApDocument* b = acDocManager->newDocument();  // hears kLoadDwgMsg after the module loaded
  EXPECT_EQ(messagesOf(path), (std::vector<int>{1, 3, 3}));
  EXPECT_EQ(a->interpreter().evaluateToText(L"(rxtestadd 1 1)"), L"2");
  EXPECT_EQ(b->interpreter().evaluateToText(L"(rxtestadd 5)"), L"5");

  AcEdCommandOutcome outcome = acedRunCommand(L"RXTESTCMD");
  EXPECT_TRUE(outcome.found);
  EXPECT_TRUE(outcome.error.empty()) << wideToUtf8(outcome.error);

  auto unlock = reinterpret_cast<void (*)()>(
      acrxDynamicLinker->getSymbolAddress(path.c_str(), "rxTestUnlock"));
  unlock();
  ASSERT_TRUE(acrxDynamicLinker->unloadModule(path.c_str()));
  // The drawing forgets the functions of a module that is gone.
  lisp::EvalResult result = a->interpreter().evaluate(L"(rxtestadd 1 1)");
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(acedRunCommand(L"RXTESTCMD").found);
}

TEST_F(ModuleLoadingTest, MissingFilesAndSymbolsFailCleanly) {
  EXPECT_FALSE(acrxDynamicLinker->loadModule(L"/nonexistent/nothing.so"));
  EXPECT_NE(acrxDynamicLinker->lastError().find(L"nothing.so"), std::wstring::npos);
  EXPECT_FALSE(acrxDynamicLinker->unloadModule(L"nothing.so"));
  EXPECT_EQ(acrxDynamicLinker->getSymbolAddress(L"nothing.so", "acrxEntryPoint"), nullptr);
  ASSERT_TRUE(acrxDynamicLinker->loadModule(path.c_str()));
  EXPECT_EQ(acrxDynamicLinker->getSymbolAddress(path.c_str(), "noSuchSymbol"), nullptr);
  EXPECT_NE(acrxDynamicLinker->getSymbolAddress(path.c_str(), "acrxEntryPoint"), nullptr);
}

}  // namespace
