// Internal: the LISP functions that modules defined in one document, and how the document's
// interpreter reaches them.
#pragma once
#include <map>
#include <string>

#include "lisp/interpreter.h"

class AcApDocument;

class DocumentFunctions : public lisp::ExternalFunctionHandler {
 public:
  explicit DocumentFunctions(AcApDocument* document);
  ~DocumentFunctions() override;
  DocumentFunctions(const DocumentFunctions&) = delete;
  DocumentFunctions& operator=(const DocumentFunctions&) = delete;

  bool isDefined(const std::wstring& upperName) const override;
  int invoke(const std::wstring& upperName, lisp::Interpreter& interp) override;

  int define(const std::wstring& name, int code, void* appId);
  int undefine(const std::wstring& name, int code, void* appId);
  void forget(void* appId);

 private:
  struct Definition {
    void* appId = nullptr;
    int code = 0;
  };
  AcApDocument* document_;
  std::map<std::wstring, Definition> definitions_;  // by upper-case name
};

// Drops every definition a module made, in every document (the module is unloading).
void moduleRegistryForget(void* appId);
// The table of a document, or null.
DocumentFunctions* documentFunctions(AcApDocument* document);
