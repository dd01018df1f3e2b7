// A new drawing, the host's commands registered and the command line fed by a queue: drawing
// commands run as a user would run them, their entities read back from model space.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "ed/host_commands.h"
#include "ed_fixture.h"
#include "model_space_entities.h"
#include "rx/acdocman.h"
#include "rx/cmdrun.h"

class DrawingCommand : public ScriptedEditor {
 protected:
  void SetUp() override {
    acDocManager->closeAll();
    ed::registerHostCommands();
    AcApDocument* document = acDocManager->newDocument();
    ASSERT_NE(document, nullptr);
    db = document->database();
  }
  void TearDown() override { acDocManager->closeAll(); }

  // Runs the command with those answers; every object it opened must be closed again.
  void run(const wchar_t* command, std::deque<std::wstring> answers) {
    answer(std::move(answers));
    AcEdCommandOutcome outcome = acedRunCommand(command);
    EXPECT_TRUE(outcome.found) << command;
    EXPECT_TRUE(outcome.error.empty()) << outcome.error;
    EXPECT_EQ(db->openObjectCount(), 0) << command;
  }

  // The live entities of model space of that kind, in drawing order.
  template <class T>
  std::vector<AcDbObjectId> entities() {
    return modelSpaceEntitiesOf<T>(db);
  }

  // Reads one entity.
  template <class T>
  void read(AcDbObjectId id, const std::function<void(const T&)>& check) {
    T* entity = nullptr;
    ASSERT_EQ(acdbOpenObject(entity, id, AcDb::kForRead), Acad::eOk);
    check(*entity);
    entity->close();
  }

  void clearTranscript() { ed::Editor::instance().transcript().clearCaptured(); }
  bool said(const std::wstring& text) { return transcript().find(text) != std::wstring::npos; }

  AcDbDatabase* db = nullptr;
};

#define EXPECT_POINT(p, ex, ey)     \
  do {                              \
    EXPECT_NEAR((p).x, (ex), 1e-9); \
    EXPECT_NEAR((p).y, (ey), 1e-9); \
  } while (0)
