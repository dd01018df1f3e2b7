// The host's LISP functions for application modules: (arxload name [onfailure]),
// (arxunload name [onfailure]) and (arx), the list of loaded modules by file name.
#include <string>

#include "lisp/builtins.h"
#include "rx/rxdlinkr.h"

namespace {

using lisp::Interpreter;
using lisp::LispError;
using lisp::ValuePtr;
using Args = std::vector<ValuePtr>;

std::wstring fileName(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"/\\");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// The module's name on success; on failure the fallback when there is one, else an error naming
// the function, as the host reports it.
template <bool (AcRxDynamicLinker::*Operation)(const ACHAR*, bool, bool)>
ValuePtr moduleFunction(const wchar_t* function, const Args& a) {
  lisp::checkArgCount(a, 1, 2);
  const std::wstring& name = lisp::stringArg(a[0]);
  if ((acrxDynamicLinker->*Operation)(name.c_str(), false, false)) return a[0];
  if (a.size() == 2) return a[1];
  throw LispError(std::wstring(function) + L" failed: " + name);
}

ValuePtr fnArxload(Interpreter&, const Args& a) {
  return moduleFunction<&AcRxDynamicLinker::loadModule>(L"ARXLOAD", a);
}

ValuePtr fnArxunload(Interpreter&, const Args& a) {
  return moduleFunction<&AcRxDynamicLinker::unloadModule>(L"ARXUNLOAD", a);
}

ValuePtr fnArx(Interpreter&, const Args& a) {
  lisp::checkArgCount(a, 0, 0);
  std::vector<ValuePtr> names;
  for (const std::wstring& path : acrxDynamicLinker->loadedModules()) {
    names.push_back(lisp::makeString(fileName(path)));
  }
  return lisp::makeList(names);
}

const bool registered = [] {
  lisp::BuiltinRegistry& r = lisp::BuiltinRegistry::instance();
  r.add(L"ARXLOAD", fnArxload);
  r.add(L"ARXUNLOAD", fnArxunload);
  r.add(L"ARX", fnArx);
  return true;
}();

}  // namespace
