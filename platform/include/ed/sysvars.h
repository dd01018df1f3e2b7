// The registry of system variables behind acedGetVar/acedSetVar and getvar/setvar. Other areas of
// the platform add their variables with add().
#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "db/adsdef.h"

namespace ed {

class SysVarRegistry {
 public:
  // get fills the result buffer (strings allocated with acutNewString) and returns RTNORM.
  // set checks and stores the value and returns RTNORM, or RTERROR to refuse it.
  typedef std::function<int(resbuf& result)> Getter;
  typedef std::function<int(const resbuf& value)> Setter;
  struct Variable {
    std::wstring name;
    Getter get;
    Setter set;  // empty for read-only variables
  };

  static SysVarRegistry& instance();

  // Names are case-insensitive; a new definition replaces an older one.
  void add(const std::wstring& name, Getter get, Setter set = nullptr);
  const Variable* find(const std::wstring& name) const;
  std::vector<std::wstring> names() const;

 private:
  SysVarRegistry();
  std::map<std::wstring, Variable> variables_;
};

// ERRNO, which functions of the host set when they fail.
void setErrno(int value);

}  // namespace ed
