#include <algorithm>
#include <string>

#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "ed/editor.h"
#include "rx/acdocman.h"
#include "rx/rxdlinkr.h"

AcApDocManager& AcApDocManager::instance() {
  static AcApDocManager manager;
  return manager;
}

AcApDocManager* acDocManagerPtr() { return &AcApDocManager::instance(); }
AcApDocument* curDoc() { return AcApDocManager::instance().curDocument(); }

AcApDocManager::AcApDocManager() = default;

// At process exit the databases may depend on state already destroyed, and modules may be gone:
// documents still open are left to the system. The host and tests call closeAll before.
AcApDocManager::~AcApDocManager() {
  for (auto& document : documents_) static_cast<void>(document.release());
}

template <typename F>
void AcApDocManager::notify(F&& call) {
  // A reactor may remove itself (or others) while being told.
  std::vector<AcApDocManagerReactor*> snapshot = reactors_;
  for (AcApDocManagerReactor* reactor : snapshot) {
    if (std::find(reactors_.begin(), reactors_.end(), reactor) != reactors_.end()) call(reactor);
  }
}

std::wstring AcApDocManager::nextTitle() {
  return L"Dessin" + std::to_wstring(++untitledCount_) + L".dwg";
}

AcApDocument* AcApDocManager::adopt(std::unique_ptr<AcApDocument> owned) {
  AcApDocument* document = owned.get();
  notify([document](AcApDocManagerReactor* r) { r->documentCreateStarted(document); });
  documents_.push_back(std::move(owned));
  setCurDocument(document, AcAp::kNone, true);
  notify([document](AcApDocManagerReactor* r) { r->documentCreated(document); });
  acrxDynamicLinker->broadcast(AcRx::kLoadDwgMsg, document);
  return document;
}

AcApDocument* AcApDocManager::newDocument() {
  return adopt(std::unique_ptr<AcApDocument>(
      new AcApDocument(std::make_unique<AcDbDatabase>(true, false), L"", nextTitle())));
}

AcApDocument* AcApDocManager::openDocument(const ACHAR* fileName, Acad::ErrorStatus* status) {
  if (fileName == nullptr || *fileName == 0) {
    if (status != nullptr) *status = Acad::eInvalidInput;
    return nullptr;
  }
  auto database = std::make_unique<AcDbDatabase>(false, false);
  Acad::ErrorStatus es = database->readDwgFile(fileName);
  if (status != nullptr) *status = es;
  if (es != Acad::eOk) return nullptr;
  return addDocument(std::move(database), fileName);
}

AcApDocument* AcApDocManager::addDocument(std::unique_ptr<AcDbDatabase> database,
                                          const ACHAR* fileName) {
  if (!database) return nullptr;
  std::unique_ptr<AcApDocument> document(
      new AcApDocument(std::move(database), L"", nextTitle()));
  if (fileName != nullptr && *fileName != 0) {
    document->setFileName(fileName);
    --untitledCount_;  // a named drawing does not use up an untitled number
  }
  return adopt(std::move(document));
}

Acad::ErrorStatus AcApDocManager::appContextNewDocument(const ACHAR* /*templateName*/) {
  newDocument();
  return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::appContextOpenDocument(const ACHAR* fileName) {
  Acad::ErrorStatus status = Acad::eOk;
  openDocument(fileName, &status);
  return status;
}

Acad::ErrorStatus AcApDocManager::closeDocument(AcApDocument* document) {
  auto it = std::find_if(documents_.begin(), documents_.end(),
                         [document](const auto& d) { return d.get() == document; });
  if (it == documents_.end()) return Acad::eInvalidInput;
  acrxDynamicLinker->broadcast(AcRx::kUnloadDwgMsg, document);
  notify([document](AcApDocManagerReactor* r) { r->documentToBeDestroyed(document); });
  // The messages may have closed documents too: find it again.
  it = std::find_if(documents_.begin(), documents_.end(),
                    [document](const auto& d) { return d.get() == document; });
  if (it == documents_.end()) return Acad::eOk;
  std::unique_ptr<AcApDocument> owned = std::move(*it);
  documents_.erase(it);
  bool wasCurrent = current_ == document;
  if (wasCurrent) {
    current_ = nullptr;
    if (acdbHostApplicationServices()->workingDatabase() == owned->database()) {
      acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    }
    ed::Editor::instance().setCurrentDrawing(nullptr, L"");
  }
  if (active_ == document) active_ = nullptr;
  std::wstring fileName = owned->fileName();
  owned.reset();
  notify([&fileName](AcApDocManagerReactor* r) { r->documentDestroyed(fileName.c_str()); });
  // The most recently opened of the others takes over, as the host's window list does.
  if (wasCurrent && !documents_.empty()) setCurDocument(documents_.back().get(), AcAp::kNone, true);
  return Acad::eOk;
}

void AcApDocManager::closeAll() {
  while (!documents_.empty()) closeDocument(documents_.back().get());
}

Acad::ErrorStatus AcApDocManager::saveDocument(AcApDocument* document, const ACHAR* fileName) {
  if (document == nullptr) return Acad::eInvalidInput;
  std::wstring target = (fileName != nullptr && *fileName != 0) ? fileName : L"";
  if (target.empty()) {
    // A drawing never saved has only its title; it needs a name.
    if (document->fileName_.empty()) return Acad::eInvalidInput;
    target = document->fileName_;
  }
  acrxDynamicLinker->broadcast(AcRx::kSaveMsg, document);
  Acad::ErrorStatus status = document->database()->saveAs(target.c_str());
  if (status == Acad::eOk) {
    document->setFileName(target);
    if (document == current_) {
      ed::Editor::instance().setCurrentDrawing(document->database(), document->fileName());
    }
  }
  return status;
}

Acad::ErrorStatus AcApDocManager::setCurDocument(AcApDocument* document, AcAp::DocLockMode mode,
                                                 bool activate) {
  if (this->document(document ? document->database() : nullptr) != document ||
      document == nullptr) {
    return Acad::eInvalidInput;
  }
  if (current_ != document) {
    current_ = document;
    acdbHostApplicationServices()->setWorkingDatabase(document->database());
    ed::Editor::instance().setCurrentDrawing(document->database(), document->fileName());
    notify([document](AcApDocManagerReactor* r) { r->documentBecameCurrent(document); });
  }
  if (mode != AcAp::kNone) lockDocument(document, mode);
  if (activate) return activateDocument(document);
  return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::activateDocument(AcApDocument* document, bool /*passThru*/) {
  if (document == nullptr || this->document(document->database()) != document) {
    return Acad::eInvalidInput;
  }
  if (active_ == document) return Acad::eOk;
  AcApDocument* previous = active_;
  if (previous != nullptr) {
    notify([previous](AcApDocManagerReactor* r) { r->documentToBeDeactivated(previous); });
  }
  notify([document](AcApDocManagerReactor* r) { r->documentToBeActivated(document); });
  active_ = document;
  // The active document is the one commands work in.
  setCurDocument(document);
  notify([document](AcApDocManagerReactor* r) { r->documentActivated(document); });
  return Acad::eOk;
}

AcApDocument* AcApDocManager::document(const AcDbDatabase* database) const {
  if (database == nullptr) return nullptr;
  for (const auto& document : documents_) {
    if (document->database() == database) return document.get();
  }
  return nullptr;
}

std::unique_ptr<AcApDocumentIterator> AcApDocManager::newAcApDocumentIterator() const {
  std::vector<AcApDocument*> all;
  for (const auto& document : documents_) all.push_back(document.get());
  return std::make_unique<AcApDocumentIterator>(std::move(all));
}

Acad::ErrorStatus AcApDocManager::lockDocument(AcApDocument* document, AcAp::DocLockMode mode,
                                               const ACHAR* globalCmdName,
                                               const ACHAR* /*localCmdName*/, bool /*prompt*/) {
  if (document == nullptr || this->document(document->database()) != document) {
    return Acad::eNotApplicable;
  }
  AcAp::DocLockMode previous = document->lockMode();
  document->lockStack_.push_back(mode);
  notify([&](AcApDocManagerReactor* r) {
    r->documentLockModeChanged(document, previous, mode, mode, globalCmdName ? globalCmdName : L"");
  });
  return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::unlockDocument(AcApDocument* document) {
  if (document == nullptr || this->document(document->database()) != document) {
    return Acad::eNotApplicable;
  }
  if (document->lockStack_.empty()) return Acad::eInvalidInput;
  AcAp::DocLockMode previous = document->lockStack_.back();
  document->lockStack_.pop_back();
  AcAp::DocLockMode now = document->lockMode();
  notify([&](AcApDocManagerReactor* r) {
    r->documentLockModeChanged(document, previous, now, now, L"");
  });
  return Acad::eOk;
}

void AcApDocManager::addReactor(AcApDocManagerReactor* reactor) {
  if (reactor != nullptr && std::find(reactors_.begin(), reactors_.end(), reactor) == reactors_.end()) {
    reactors_.push_back(reactor);
  }
}

void AcApDocManager::removeReactor(AcApDocManagerReactor* reactor) {
  reactors_.erase(std::remove(reactors_.begin(), reactors_.end(), reactor), reactors_.end());
}

void AcApDocManager::pushResourceHandle(HINSTANCE handle) { resources_.push_back(handle); }

HINSTANCE AcApDocManager::popResourceHandle() {
  if (resources_.empty()) {
    ++poppedWhenEmpty_;
    return nullptr;
  }
  HINSTANCE top = resources_.back();
  resources_.pop_back();
  return top;
}

HINSTANCE AcApDocManager::currentResourceHandle() const {
  return resources_.empty() ? nullptr : resources_.back();
}

bool AcApDocManager::checkResourceBalance(size_t depthBefore) {
  bool underflow = poppedWhenEmpty_ != 0;
  poppedWhenEmpty_ = 0;
  if (resources_.size() == depthBefore && !underflow) return true;
  // Too deep: drop what the command left. Too shallow: the command popped handles it did not
  // push; the outer ones cannot be restored, so the stack stays as it is.
  if (resources_.size() > depthBefore) resources_.resize(depthBefore);
  return false;
}
