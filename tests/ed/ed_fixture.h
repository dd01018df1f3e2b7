// A command line fed with answers given in advance, its transcript kept in memory.
#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "ed/editor.h"

class ScriptedEditor : public ::testing::Test {
 protected:
  ScriptedEditor() {
    ed::Editor& editor = ed::Editor::instance();
    editor.resetState();
    editor.transcript().setStdout(false);
    editor.transcript().setCapture(true);
    editor.transcript().clearCaptured();
    editor.setInput(std::make_unique<ed::QueueSource>());
  }
  ~ScriptedEditor() override {
    ed::Editor::instance().setInput(nullptr);
    ed::Editor::instance().transcript().setCapture(false);
    ed::Editor::instance().resetState();
  }

  void answer(std::deque<std::wstring> lines) {
    ed::Editor::instance().setInput(std::make_unique<ed::QueueSource>(std::move(lines)));
  }
  const std::wstring& transcript() { return ed::Editor::instance().transcript().captured(); }
};
