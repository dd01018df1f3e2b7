// The module's LISP functions (and commands) callable from a test's interpreter by their names in
// upper case, called the way the host calls them: no value unless the function gives one.
#pragma once
#include <map>
#include <string>

#include "lisp/acedads.h"
#include "lisp/interpreter.h"

class FonctionsModule : public lisp::ExternalFunctionHandler {
 public:
  explicit FonctionsModule(std::map<std::wstring, void (*)()> fonctions)
      : fonctions_(std::move(fonctions)) {}
  bool isDefined(const std::wstring& name) const override { return fonctions_.count(name) != 0; }
  int invoke(const std::wstring& name, lisp::Interpreter&) override {
    acedRetVoid();
    fonctions_.at(name)();
    return RTNORM;
  }

 private:
  std::map<std::wstring, void (*)()> fonctions_;
};
