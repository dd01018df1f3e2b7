// Automation objects: the document's and the application's methods, invoked by name as a module
// does through the host's automation interface.
#pragma once
#include <string>
#include <variant>
#include <vector>

#include "ge/gepnt3d.h"
#include "rx/rxwintypes.h"

class AcApDocument;

// One argument of an automation call.
typedef std::variant<std::monostate, double, std::wstring, AcGePoint3d> AcAxValue;

class AcAxDispatch {
 public:
  virtual ~AcAxDispatch() = default;
  // Calls the method of that name (case-insensitive). DISP_E_UNKNOWNNAME for a name the object
  // does not have, DISP_E_BADPARAMCOUNT or E_INVALIDARG for wrong arguments, E_FAIL when the
  // method cannot run now.
  virtual HRESULT invoke(const wchar_t* name, const std::vector<AcAxValue>& args = {}) = 0;
};

// StartUndoMark, EndUndoMark.
class AcAxDocument : public AcAxDispatch {
 public:
  explicit AcAxDocument(AcApDocument* document) : document_(document) {}
  HRESULT invoke(const wchar_t* name, const std::vector<AcAxValue>& args = {}) override;
  AcApDocument* document() const { return document_; }

 private:
  AcApDocument* document_;
};

// ZoomWindow(lowerLeft, upperRight) on the active document.
class AcAxApplication : public AcAxDispatch {
 public:
  HRESULT invoke(const wchar_t* name, const std::vector<AcAxValue>& args = {}) override;
};

AcAxApplication* acedGetAcadApplication();
