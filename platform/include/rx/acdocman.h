// Documents: each open drawing with its database, LISP interpreter, lock and automation object;
// the document manager that creates, switches and closes them and tells its reactors.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "adesk.h"
#include "db/acadstrc.h"
#include "ge/gepnt3d.h"
#include "rx/rxwintypes.h"

class AcDbDatabase;
class AcApDocManager;
class AcAxDocument;
namespace lisp {
class Interpreter;
}

namespace AcAp {
enum DocLockMode {
  kNone = 0x00,
  kAutoWrite = 0x01,
  kNotLocked = 0x02,
  kWrite = 0x04,
  kProtectedAutoWrite = 0x14,
  kRead = 0x20,
  kXWrite = 0x40,
};
}  // namespace AcAp

// What the view of a document shows: the part of model space on the screen, the views it showed
// before (ZOOM Précédent) and the transient vectors drawn over it. The operations live in
// ed/view.h.
struct AcApViewState {
  // A placement of the view: its centre and height (drawing units); the width follows from the
  // screen's aspect.
  struct Placement {
    AcGePoint3d center;
    double height = 0.0;
  };
  // A vector drawn by acedGrDraw or acedGrVecs: not part of the drawing, gone at the next redraw
  // or regeneration.
  struct TransientVector {
    AcGePoint3d from;  // (drawing units)
    AcGePoint3d to;
    int color = 7;  // colour index; -1 draws in the inverse of what is under it
    bool highlighted = false;
  };

  bool initialized = false;  // false until the view of the drawing was set up
  Placement placement;
  int screenWidth = 1024;  // (pixels)
  int screenHeight = 768;
  std::vector<Placement> previous;  // the placements shown before, oldest first
  std::vector<TransientVector> transients;

  bool zoomed = false;    // a zoom window was given
  AcGePoint3d windowMin;  // the last zoom window, its corners in order (drawing units)
  AcGePoint3d windowMax;
};

class AcApDocument {
 public:
  ~AcApDocument();
  AcApDocument(const AcApDocument&) = delete;
  AcApDocument& operator=(const AcApDocument&) = delete;

  AcDbDatabase* database() const { return database_.get(); }
  // The full path of the drawing file, or the title for a drawing never saved.
  const ACHAR* fileName() const;
  // The file name without folder ("Dessin1.dwg" for a new drawing).
  const ACHAR* docTitle() const { return title_.c_str(); }
  // The lock mode of the innermost lock, kNotLocked when none.
  AcAp::DocLockMode lockMode(bool bIncludeMyLocks = true) const;
  AcAp::DocLockMode myLockMode() const { return lockMode(true); }
  bool isQuiescent() const { return lockStack_.empty(); }
  bool isReadOnly() const { return false; }

  lisp::Interpreter& interpreter() const { return *interpreter_; }
  // The document's automation object (StartUndoMark, EndUndoMark by name).
  AcAxDocument* acadDocument() const { return automation_.get(); }

  AcApViewState& viewState() { return view_; }
  const AcApViewState& viewState() const { return view_; }

  // Undo grouping: the undo journal plugs in here. Without hooks StartUndoMark/EndUndoMark only
  // keep the nesting depth.
  void setUndoMarkHooks(std::function<void()> onStart, std::function<void()> onEnd);
  void startUndoMark();
  // False when no mark was open.
  bool endUndoMark();
  int undoMarkDepth() const { return undoDepth_; }

  // Renames the document after a save under another name.
  void setFileName(const std::wstring& fileName);

 private:
  friend class AcApDocManager;
  AcApDocument(std::unique_ptr<AcDbDatabase> database, std::wstring fileName, std::wstring title);

  std::unique_ptr<AcDbDatabase> database_;
  std::wstring fileName_;  // empty until saved or opened from a file
  std::wstring title_;
  std::vector<AcAp::DocLockMode> lockStack_;
  std::unique_ptr<lisp::Interpreter> interpreter_;
  std::unique_ptr<class DocumentFunctions> functions_;
  std::unique_ptr<AcAxDocument> automation_;
  AcApViewState view_;
  std::function<void()> onStartUndo_;
  std::function<void()> onEndUndo_;
  int undoDepth_ = 0;
};

// Notified of document events; every function is optional. Registered with addReactor.
class AcApDocManagerReactor {
 public:
  virtual ~AcApDocManagerReactor() = default;
  virtual void documentCreateStarted(AcApDocument*) {}
  virtual void documentCreated(AcApDocument*) {}
  virtual void documentToBeDestroyed(AcApDocument*) {}
  virtual void documentDestroyed(const ACHAR* /*fileName*/) {}
  virtual void documentLockModeChanged(AcApDocument*, AcAp::DocLockMode /*myPreviousMode*/,
                                       AcAp::DocLockMode /*myCurrentMode*/,
                                       AcAp::DocLockMode /*currentMode*/,
                                       const ACHAR* /*globalCmdName*/) {}
  virtual void documentBecameCurrent(AcApDocument*) {}
  virtual void documentToBeActivated(AcApDocument*) {}
  virtual void documentToBeDeactivated(AcApDocument*) {}
  virtual void documentActivated(AcApDocument*) {}
};

class AcApDocumentIterator {
 public:
  explicit AcApDocumentIterator(std::vector<AcApDocument*> documents)
      : documents_(std::move(documents)) {}
  bool done() const { return index_ >= documents_.size(); }
  void step() { ++index_; }
  AcApDocument* document() const { return done() ? nullptr : documents_[index_]; }

 private:
  std::vector<AcApDocument*> documents_;
  size_t index_ = 0;
};

class AcApDocManager {
 public:
  static AcApDocManager& instance();
  ~AcApDocManager();
  AcApDocManager(const AcApDocManager&) = delete;
  AcApDocManager& operator=(const AcApDocManager&) = delete;

  // A new drawing from the default database ("Dessin1.dwg", "Dessin2.dwg"...), made current.
  // The template name is accepted for the host's signature and ignored.
  Acad::ErrorStatus appContextNewDocument(const ACHAR* templateName = nullptr);
  // Opens a drawing file (a ".dwg" name falls back to ".dxf") and makes it current.
  Acad::ErrorStatus appContextOpenDocument(const ACHAR* fileName);
  // The same, giving the document; null on failure (status in *status when given).
  AcApDocument* newDocument();
  AcApDocument* openDocument(const ACHAR* fileName, Acad::ErrorStatus* status = nullptr);
  // Takes a database the caller already read (or built) as a new current document.
  AcApDocument* addDocument(std::unique_ptr<AcDbDatabase> database, const ACHAR* fileName);

  // Sends kUnloadDwgMsg to the modules, tells the reactors, then destroys the document. When it
  // was current, the most recently opened remaining document becomes current.
  Acad::ErrorStatus closeDocument(AcApDocument* document);
  // Sends kSaveMsg to the modules, then writes the database; the document takes the new name.
  Acad::ErrorStatus saveDocument(AcApDocument* document, const ACHAR* fileName);
  // Closes every document (host shutdown and tests).
  void closeAll();

  AcApDocument* curDocument() const { return current_; }
  AcApDocument* mdiActiveDocument() const { return active_; }
  Acad::ErrorStatus setCurDocument(AcApDocument* document, AcAp::DocLockMode mode = AcAp::kNone,
                                   bool activate = false);
  Acad::ErrorStatus activateDocument(AcApDocument* document, bool passThru = false);
  AcApDocument* document(const AcDbDatabase* database) const;
  int documentCount() const { return static_cast<int>(documents_.size()); }
  std::unique_ptr<AcApDocumentIterator> newAcApDocumentIterator() const;
  // Same as newAcApDocumentIterator, named as the host's older interface.
  std::unique_ptr<AcApDocumentIterator> newDocumentIterator() const {
    return newAcApDocumentIterator();
  }

  // Locks nest; each lockDocument needs its unlockDocument. eNotApplicable for an unknown document,
  // eInvalidInput when unlocking a document that is not locked.
  Acad::ErrorStatus lockDocument(AcApDocument* document, AcAp::DocLockMode mode = AcAp::kWrite,
                                 const ACHAR* globalCmdName = nullptr,
                                 const ACHAR* localCmdName = nullptr, bool prompt = true);
  Acad::ErrorStatus unlockDocument(AcApDocument* document);

  void addReactor(AcApDocManagerReactor* reactor);
  void removeReactor(AcApDocManagerReactor* reactor);

  // The resource stack: a module pushes its own resource handle while it shows its dialogs and
  // pops it afterwards. The command runner checks the depth is back where it was.
  void pushResourceHandle(HINSTANCE handle);
  HINSTANCE popResourceHandle();
  HINSTANCE currentResourceHandle() const;
  size_t resourceDepth() const { return resources_.size(); }
  // True when the stack is at depthBefore. Otherwise false (the caller reports the imbalance),
  // and handles pushed beyond that depth are dropped.
  bool checkResourceBalance(size_t depthBefore);

 private:
  AcApDocManager();
  AcApDocument* adopt(std::unique_ptr<AcApDocument> document);
  std::wstring nextTitle();
  template <typename F>
  void notify(F&& call);

  std::vector<std::unique_ptr<AcApDocument>> documents_;  // in the order they were opened
  AcApDocument* current_ = nullptr;
  AcApDocument* active_ = nullptr;
  std::vector<AcApDocManagerReactor*> reactors_;
  std::vector<HINSTANCE> resources_;
  int poppedWhenEmpty_ = 0;  // pops of an empty stack since the last balance check
  int untitledCount_ = 0;
};

AcApDocManager* acDocManagerPtr();
#define acDocManager acDocManagerPtr()
AcApDocument* curDoc();
