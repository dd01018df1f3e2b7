// The LISP's getfiled: the host's file dialog, answered from the input like every dialog.
#include "db/acutads.h"
#include "lisp/builtins.h"
#include "ui/acedfiled.h"

namespace {

using lisp::ValuePtr;

// (getfiled title default extension flags): the path chosen, or nil.
ValuePtr fnGetfiled(lisp::Interpreter&, const std::vector<ValuePtr>& a) {
  lisp::checkArgCount(a, 4, 4);
  resbuf result{};
  if (acedGetFileD(lisp::stringArg(a[0]).c_str(), lisp::stringArg(a[1]).c_str(),
                   lisp::stringArg(a[2]).c_str(), lisp::intArg(a[3]), &result) != RTNORM ||
      result.restype != RTSTR) {
    return nullptr;
  }
  ValuePtr path = lisp::makeString(result.resval.rstring ? result.resval.rstring : L"");
  acutDelString(result.resval.rstring);
  return path;
}

const bool registered = [] {
  lisp::BuiltinRegistry::instance().add(L"GETFILED", fnGetfiled);
  return true;
}();

}  // namespace
