// The LISP's wcmatch: the host's wild-card patterns, letters compared with their case.
#include "ed/selection_wildcard.h"
#include "lisp/builtins.h"

namespace {

using lisp::ValuePtr;

ValuePtr fnWcmatch(lisp::Interpreter&, const std::vector<ValuePtr>& a) {
  lisp::checkArgCount(a, 2, 2);
  return lisp::boolValue(ed::matchesWildcard(lisp::stringArg(a[0]), lisp::stringArg(a[1]), false));
}

const bool registered = [] {
  lisp::BuiltinRegistry::instance().add(L"WCMATCH", fnWcmatch);
  return true;
}();

}  // namespace
