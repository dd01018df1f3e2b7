// The command stack: commands that modules register by group, found by global or local name.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "adesk.h"
#include "db/acadstrc.h"
#include "rx/rxwintypes.h"

typedef void (*AcRxFunctionPtr)();

// Command flags (a module may combine them with |).
#define ACRX_CMD_MODAL 0x00000000
#define ACRX_CMD_TRANSPARENT 0x00000001
#define ACRX_CMD_USEPICKSET 0x00000002
#define ACRX_CMD_REDRAW 0x00000004
#define ACRX_CMD_NOPERSPECTIVE 0x00000008
#define ACRX_CMD_NOMULTIPLE 0x00000010
#define ACRX_CMD_NOTILEMODE 0x00000020
#define ACRX_CMD_NOPAPERSPACE 0x00000040
#define ACRX_CMD_NOOEM 0x00000100
#define ACRX_CMD_UNDEFINED 0x00000200
#define ACRX_CMD_INPROGRESS 0x00000400
#define ACRX_CMD_DEFUN 0x00000800
#define ACRX_CMD_NOINTERNALLOCK 0x00100000
#define ACRX_CMD_DOCREADLOCK 0x00080000
#define ACRX_CMD_DOCEXCLUSIVELOCK 0x00040000
#define ACRX_CMD_SESSION 0x00200000
#define ACRX_CMD_INTERRUPTIBLE 0x00400000
#define ACRX_CMD_NOHISTORY 0x00800000

class AcEdCommand {
 public:
  AcEdCommand(std::wstring group, std::wstring globalName, std::wstring localName,
              Adesk::Int32 flags, AcRxFunctionPtr function, void* appId, HINSTANCE resourceHandle);
  AcEdCommand(const AcEdCommand&) = delete;
  AcEdCommand& operator=(const AcEdCommand&) = delete;

  void commandUndef(bool undefIt);
  Adesk::Int32 commandFlags() const { return flags_; }
  AcRxFunctionPtr functionAddr() const { return function_; }
  void* commandApp() const { return appId_; }
  HINSTANCE resourceHandle() const { return resourceHandle_; }
  const ACHAR* globalName() const { return global_.c_str(); }
  const ACHAR* localName() const { return local_.c_str(); }
  const ACHAR* groupName() const { return group_.c_str(); }

 private:
  std::wstring group_;
  std::wstring global_;
  std::wstring local_;
  Adesk::Int32 flags_;
  AcRxFunctionPtr function_;
  void* appId_;
  HINSTANCE resourceHandle_;
};

class AcEdCommandStack {
 public:
  AcEdCommandStack();
  ~AcEdCommandStack();
  AcEdCommandStack(const AcEdCommandStack&) = delete;
  AcEdCommandStack& operator=(const AcEdCommandStack&) = delete;

  // eDuplicateKey when the group already has a command of that global or local name; eInvalidInput
  // for an empty name or a null function. A local name that is null or empty is the global one.
  Acad::ErrorStatus addCommand(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName,
                               const ACHAR* cmdLocalName, Adesk::Int32 commandFlags,
                               AcRxFunctionPtr functionAddr, void* uiContext = nullptr,
                               int fcode = -1, HINSTANCE resourceHandle = nullptr,
                               AcEdCommand** cmdPtrRet = nullptr);
  // eKeyNotFound when the group or the command is not there.
  Acad::ErrorStatus removeCmd(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName);
  Acad::ErrorStatus removeGroup(const ACHAR* groupName);

  // The command of that name (case-insensitive), the most recently added group first. With
  // globalFlag the global names are searched, otherwise the local ones. Commands marked undefined
  // are skipped when skipUndefed is set.
  AcEdCommand* lookupCmd(const ACHAR* cmdName, bool globalFlag, bool allGroupsFlag = false,
                         bool skipUndefed = false) const;
  // The command the user typed: a leading "." is ignored (it only bypasses redefinitions), a
  // leading "_" selects the global name; otherwise the local name, then the global one.
  AcEdCommand* resolve(const ACHAR* typed) const;

  // Commands registered by a module, removed when it unloads without removing them itself.
  void removeCommandsOf(void* appId);
  std::vector<std::wstring> groupNames() const;

 private:
  struct Group;
  Group* findGroup(const std::wstring& upperName) const;
  std::vector<std::unique_ptr<Group>> groups_;  // most recently added first
};

AcEdCommandStack* acedRegCmds();
