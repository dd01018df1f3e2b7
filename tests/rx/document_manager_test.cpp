#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "ed/editor.h"
#include "lisp/interpreter.h"
#include "rx/acdocman.h"

namespace {

// Records every notification as "event:title".
class RecordingReactor : public AcApDocManagerReactor {
 public:
  std::vector<std::wstring> events;
  void documentCreated(AcApDocument* d) override { add(L"created", d); }
  void documentToBeDestroyed(AcApDocument* d) override { add(L"toBeDestroyed", d); }
  void documentDestroyed(const ACHAR* fileName) override {
    events.push_back(std::wstring(L"destroyed:") + fileName);
  }
  void documentBecameCurrent(AcApDocument* d) override { add(L"current", d); }
  void documentToBeActivated(AcApDocument* d) override { add(L"toBeActivated", d); }
  void documentToBeDeactivated(AcApDocument* d) override { add(L"toBeDeactivated", d); }
  void documentActivated(AcApDocument* d) override { add(L"activated", d); }

 private:
  void add(const wchar_t* what, AcApDocument* d) {
    events.push_back(std::wstring(what) + L":" + d->docTitle());
  }
};

class DocumentManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    acDocManager->closeAll();
    acDocManager->addReactor(&reactor);
  }
  void TearDown() override {
    acDocManager->removeReactor(&reactor);
    acDocManager->closeAll();
  }
  RecordingReactor reactor;
};

TEST_F(DocumentManagerTest, NewDocumentsBecomeCurrentAndTheWorkingDatabaseFollows) {
  AcApDocument* first = acDocManager->newDocument();
  std::wstring firstTitle = first->docTitle();
  AcApDocument* second = acDocManager->newDocument();
  EXPECT_NE(firstTitle, second->docTitle());
  EXPECT_EQ(acDocManager->documentCount(), 2);
  EXPECT_EQ(acDocManager->curDocument(), second);
  EXPECT_EQ(acDocManager->mdiActiveDocument(), second);
  EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), second->database());
  EXPECT_EQ(acDocManager->document(first->database()), first);

  const std::wstring t2 = second->docTitle();
  const std::wstring t1 = firstTitle;
  std::vector<std::wstring> expected = {
      L"current:" + t2,         L"toBeDeactivated:" + t1, L"toBeActivated:" + t2,
      L"activated:" + t2,       L"created:" + t2};
  std::vector<std::wstring> tail(reactor.events.end() - 5, reactor.events.end());
  EXPECT_EQ(tail, expected);

  reactor.events.clear();
  ASSERT_EQ(acDocManager->setCurDocument(first), Acad::eOk);
  EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), first->database());
  EXPECT_EQ(reactor.events, std::vector<std::wstring>{L"current:" + t1});
  // Current without activation: the active window stays.
  EXPECT_EQ(acDocManager->mdiActiveDocument(), second);
  EXPECT_EQ(ed::Editor::instance().currentDatabase(), first->database());
  EXPECT_EQ(acDocManager->setCurDocument(nullptr), Acad::eInvalidInput);

  int seen = 0;
  for (auto it = acDocManager->newAcApDocumentIterator(); !it->done(); it->step()) ++seen;
  EXPECT_EQ(seen, 2);
}

TEST_F(DocumentManagerTest, ClosingTheCurrentDocumentHandsOverToTheLastOpened) {
  AcApDocument* a = acDocManager->newDocument();
  AcApDocument* b = acDocManager->newDocument();
  AcApDocument* c = acDocManager->newDocument();
  const std::wstring ta = a->docTitle(), tb = b->docTitle(), tc = c->docTitle();
  acDocManager->setCurDocument(a, AcAp::kNone, true);

  reactor.events.clear();
  ASSERT_EQ(acDocManager->closeDocument(b), Acad::eOk);  // not current: nothing moves
  EXPECT_EQ(reactor.events,
            (std::vector<std::wstring>{L"toBeDestroyed:" + tb, L"destroyed:" + tb}));
  EXPECT_EQ(acDocManager->curDocument(), a);

  reactor.events.clear();
  ASSERT_EQ(acDocManager->closeDocument(a), Acad::eOk);
  ASSERT_GE(reactor.events.size(), 3u);
  EXPECT_EQ(reactor.events[0], L"toBeDestroyed:" + ta);
  EXPECT_EQ(reactor.events[1], L"destroyed:" + ta);
  EXPECT_EQ(reactor.events[2], L"current:" + tc);
  EXPECT_EQ(acDocManager->curDocument(), c);
  EXPECT_EQ(acDocManager->mdiActiveDocument(), c);
  EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), c->database());

  ASSERT_EQ(acDocManager->closeDocument(c), Acad::eOk);
  EXPECT_EQ(acDocManager->curDocument(), nullptr);
  EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), nullptr);
  EXPECT_EQ(acDocManager->closeDocument(c), Acad::eInvalidInput);
}

TEST_F(DocumentManagerTest, SavedDrawingsReopenUnderTheirFileName) {
  std::filesystem::path dir = std::filesystem::temp_directory_path() /
                              ("rx_docs_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  std::wstring path = (dir / "plan.dxf").wstring();

  AcApDocument* created = acDocManager->newDocument();
  EXPECT_EQ(acDocManager->saveDocument(created, nullptr), Acad::eInvalidInput);  // never named
  ASSERT_EQ(acDocManager->saveDocument(created, path.c_str()), Acad::eOk);
  EXPECT_EQ(created->fileName(), path);
  EXPECT_EQ(created->docTitle(), std::wstring(L"plan.dxf"));

  // A ".dwg" name is found as the ".dxf" beside it.
  std::wstring asDwg = (dir / "plan.dwg").wstring();
  Acad::ErrorStatus status = Acad::eNotImplementedYet;
  AcApDocument* opened = acDocManager->openDocument(asDwg.c_str(), &status);
  ASSERT_NE(opened, nullptr) << status;
  EXPECT_EQ(acDocManager->curDocument(), opened);
  EXPECT_NE(opened->database(), created->database());

  EXPECT_EQ(acDocManager->appContextOpenDocument((dir / "missing.dxf").wstring().c_str()),
            Acad::eFileNotFound);
  EXPECT_EQ(acDocManager->documentCount(), 2);
  std::filesystem::remove_all(dir);
}

TEST_F(DocumentManagerTest, LocksNestAndEachDocumentHasItsOwnLisp) {
  AcApDocument* a = acDocManager->newDocument();
  AcApDocument* b = acDocManager->newDocument();
  EXPECT_EQ(a->lockMode(), AcAp::kNotLocked);
  ASSERT_EQ(acDocManager->lockDocument(a, AcAp::kWrite), Acad::eOk);
  ASSERT_EQ(acDocManager->lockDocument(a, AcAp::kRead), Acad::eOk);
  EXPECT_EQ(a->lockMode(), AcAp::kRead);
  EXPECT_FALSE(a->isQuiescent());
  acDocManager->unlockDocument(a);
  EXPECT_EQ(a->lockMode(), AcAp::kWrite);
  acDocManager->unlockDocument(a);
  EXPECT_EQ(acDocManager->unlockDocument(a), Acad::eInvalidInput);
  EXPECT_EQ(b->lockMode(), AcAp::kNotLocked);

  a->interpreter().evaluate(L"(setq where \"a\")");
  EXPECT_EQ(a->interpreter().evaluateToText(L"where"), L"\"a\"");
  EXPECT_EQ(b->interpreter().evaluateToText(L"where"), L"nil");
  EXPECT_EQ(a->interpreter().database(), a->database());
}

TEST_F(DocumentManagerTest, ResourceStackIsBalancedPerCaller) {
  size_t depth = acDocManager->resourceDepth();
  auto* mine = reinterpret_cast<HINSTANCE>(0x20);
  auto* inner = reinterpret_cast<HINSTANCE>(0x30);
  acDocManager->pushResourceHandle(mine);
  acDocManager->pushResourceHandle(inner);
  EXPECT_EQ(acDocManager->currentResourceHandle(), inner);
  EXPECT_EQ(acDocManager->popResourceHandle(), inner);
  EXPECT_EQ(acDocManager->currentResourceHandle(), mine);
  EXPECT_FALSE(acDocManager->checkResourceBalance(depth));
  EXPECT_EQ(acDocManager->resourceDepth(), depth);
  EXPECT_TRUE(acDocManager->checkResourceBalance(depth));
  // Popping more than was pushed is an imbalance too.
  for (size_t i = 0; i <= depth; ++i) acDocManager->popResourceHandle();
  EXPECT_FALSE(acDocManager->checkResourceBalance(0));
  EXPECT_TRUE(acDocManager->checkResourceBalance(0));
}

}  // namespace
