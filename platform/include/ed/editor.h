// The state of the host's command line shared by the prompts, the system variables and the LISP
// input functions: the input source, the transcript, the keywords armed by acedInitGet, the last
// point given and the current drawing.
#pragma once
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "db/adsdef.h"
#include "ed/input_source.h"
#include "ge/gepnt3d.h"
#include "ed/transcript.h"

class AcDbDatabase;
class AcDbEntity;

namespace ed {

// What the prompt waiting for an answer asks for. A terminal ignores it; a front end with a mouse
// reads it to turn a click into the answer a script would type ("x,y", "#2A", a window...).
struct InputRequest {
  enum Kind {
    kText,       // anything typed: a number, a string, a keyword, a dialog action
    kCommand,    // the command prompt
    kPoint,      // a point (acedGetPoint, acedGetCorner, distances and angles)
    kEntity,     // one entity picked (acedEntSel and its kin)
    kSelection,  // the selection prompt: picks, windows and crossings
    kDrag,       // a drag sequence (AcEdJig): the cursor's movements are read too
  };
  Kind kind = kText;
  bool hasBase = false;  // the point is asked from a base point (a rubber band from it)
  bool corner = false;   // the opposite corner of a rectangle from the base
  AcGePoint3d base;
};

class Editor {
 public:
  static Editor& instance();

  Transcript& transcript() { return transcript_; }

  // The source prompts read from. Without one set, the console (terminal or stdin) is created on
  // first use. setInput takes ownership; the previous source is returned to the caller.
  std::unique_ptr<InputSource> setInput(std::unique_ptr<InputSource> source);
  InputSource& input();
  // One line from the source; false when it is exhausted. Text given back with unread comes
  // first: a blank ends an answer that cannot hold one, and what follows it is the next answer.
  // Cursor movements (lines ">x,y") are skipped: only what a click or the keyboard gives counts.
  bool readLine(std::wstring& line);
  // The same, giving cursor movements too: a line ">x,y" or ">x,y,z" stands for the cursor moving
  // to that point without a click (read by grread's tracking and the drag loop of jigs).
  bool readLineOrMove(std::wstring& line);
  static bool isCursorMove(const std::wstring& line) { return !line.empty() && line[0] == L'>'; }
  void unread(const std::wstring& text) { pending_.push_front(text); }
  // The first word of a line; the rest, when there is any, is given back for the next read (a
  // blank ends an answer that cannot hold one).
  std::wstring takeFirstWord(const std::wstring& line);
  // The next line (cursor movements included) without taking it; false when the input is exhausted.
  // Modeless dialogs look ahead this way to take only the actions meant for them.
  bool peekLine(std::wstring& line);

  // Nested input (LISP's command, acedCmd): the lines given are read first, a line "\\" (PAUSE)
  // reading one line from the enclosing input instead; once they run out, reading goes on from the
  // enclosing input. popInput gives back the lines not read and restores the enclosing input with
  // the text it had given back with unread.
  void pushInput(std::deque<std::wstring> lines);
  std::deque<std::wstring> popInput();
  size_t inputDepth() const { return nested_.size(); }

  // The drawing the command line works on; the document manager sets it. Without one the working
  // database is used, and DWGNAME falls back to the name of a new drawing.
  void setCurrentDrawing(AcDbDatabase* database, const std::wstring& fileName);
  AcDbDatabase* currentDatabase() const;
  const std::wstring& currentFileName() const { return fileName_; }

  // The restrictions and keywords of acedInitGet; they apply to the next input call only.
  struct InitGet {
    int flags = 0;
    std::wstring keywords;
  };
  void setInitGet(int flags, const std::wstring& keywords) { initGet_ = {flags, keywords}; }
  // Gives the armed restrictions and clears them.
  InitGet takeInitGet();

  // The text of the last input that gave RTKWORD (acedGetInput).
  void setLastInput(const std::wstring& text) { lastInput_ = text; }
  const std::wstring& lastInput() const { return lastInput_; }

  // The last point entered (LASTPOINT; "@" alone stands for it).
  void setLastPoint(const ads_point p) { ads_point_set(p, lastPoint_); }
  const ads_real* lastPoint() const { return lastPoint_; }

  // What the prompt being answered asks for; prompts set it before they read, and it falls back to
  // kText once they have their answer.
  void setRequest(const InputRequest& request) { request_ = request; }
  const InputRequest& request() const { return request_; }
  // The entity a drag sequence shows at the cursor (not necessarily in a database), null when no
  // drag runs. Set by AcEdJig::drag after each update.
  void setDragged(const AcDbEntity* entity) { dragged_ = entity; }
  const AcDbEntity* dragged() const { return dragged_; }

  // Restores the state of a fresh session (keeps the input source and transcript settings).
  void resetState();

 private:
  Editor();
  ~Editor();
  Transcript transcript_;
  std::unique_ptr<InputSource> input_;
  std::deque<std::wstring> pending_;
  struct Nested;
  std::vector<std::unique_ptr<Nested>> nested_;
  AcDbDatabase* database_ = nullptr;
  std::wstring fileName_;
  InitGet initGet_;
  std::wstring lastInput_;
  ads_point lastPoint_ = {0.0, 0.0, 0.0};
  InputRequest request_;
  const AcDbEntity* dragged_ = nullptr;
};

// Sets the request for the time of one read, then gives back the one before.
class RequestScope {
 public:
  explicit RequestScope(const InputRequest& request) : previous_(Editor::instance().request()) {
    Editor::instance().setRequest(request);
  }
  explicit RequestScope(InputRequest::Kind kind) : RequestScope(InputRequest{kind, false, false, {}}) {}
  ~RequestScope() { Editor::instance().setRequest(previous_); }
  RequestScope(const RequestScope&) = delete;
  RequestScope& operator=(const RequestScope&) = delete;

 private:
  InputRequest previous_;
};

}  // namespace ed
