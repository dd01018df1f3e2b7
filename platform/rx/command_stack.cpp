#include <algorithm>
#include <string>

#include "os/case_map.h"
#include "rx/accmd.h"
#include "rx/rxdlinkr.h"

namespace {

std::wstring upper(const ACHAR* text) { return toUpperLatin(text ? text : L""); }

}  // namespace

AcEdCommand::AcEdCommand(std::wstring group, std::wstring globalName, std::wstring localName,
                         Adesk::Int32 flags, AcRxFunctionPtr function, void* appId,
                         HINSTANCE resourceHandle)
    : group_(std::move(group)),
      global_(std::move(globalName)),
      local_(std::move(localName)),
      flags_(flags),
      function_(function),
      appId_(appId),
      resourceHandle_(resourceHandle) {}

void AcEdCommand::commandUndef(bool undefIt) {
  flags_ = undefIt ? (flags_ | ACRX_CMD_UNDEFINED) : (flags_ & ~ACRX_CMD_UNDEFINED);
}

struct AcEdCommandStack::Group {
  std::wstring upperName;
  std::vector<std::unique_ptr<AcEdCommand>> commands;
};

AcEdCommandStack::AcEdCommandStack() = default;
AcEdCommandStack::~AcEdCommandStack() = default;

AcEdCommandStack* acedRegCmds() {
  static AcEdCommandStack stack;
  return &stack;
}

AcEdCommandStack::Group* AcEdCommandStack::findGroup(const std::wstring& upperName) const {
  for (const auto& group : groups_) {
    if (group->upperName == upperName) return group.get();
  }
  return nullptr;
}

Acad::ErrorStatus AcEdCommandStack::addCommand(const ACHAR* cmdGroupName,
                                               const ACHAR* cmdGlobalName,
                                               const ACHAR* cmdLocalName,
                                               Adesk::Int32 commandFlags,
                                               AcRxFunctionPtr functionAddr, void* /*uiContext*/,
                                               int /*fcode*/, HINSTANCE resourceHandle,
                                               AcEdCommand** cmdPtrRet) {
  if (cmdGroupName == nullptr || *cmdGroupName == 0 || cmdGlobalName == nullptr ||
      *cmdGlobalName == 0 || functionAddr == nullptr) {
    return Acad::eInvalidInput;
  }
  const ACHAR* local = (cmdLocalName != nullptr && *cmdLocalName != 0) ? cmdLocalName : cmdGlobalName;
  std::wstring groupKey = upper(cmdGroupName);
  Group* group = findGroup(groupKey);
  if (group == nullptr) {
    auto created = std::make_unique<Group>();
    created->upperName = groupKey;
    group = created.get();
    groups_.insert(groups_.begin(), std::move(created));
  }
  std::wstring globalKey = upper(cmdGlobalName);
  std::wstring localKey = upper(local);
  for (const auto& command : group->commands) {
    if (upper(command->globalName()) == globalKey || upper(command->localName()) == localKey) {
      return Acad::eDuplicateKey;
    }
  }
  group->commands.push_back(std::make_unique<AcEdCommand>(
      cmdGroupName, cmdGlobalName, local, commandFlags, functionAddr,
      acrxDynamicLinker->currentAppId(), resourceHandle));
  if (cmdPtrRet != nullptr) *cmdPtrRet = group->commands.back().get();
  return Acad::eOk;
}

Acad::ErrorStatus AcEdCommandStack::removeCmd(const ACHAR* cmdGroupName,
                                              const ACHAR* cmdGlobalName) {
  Group* group = findGroup(upper(cmdGroupName));
  if (group == nullptr) return Acad::eKeyNotFound;
  std::wstring key = upper(cmdGlobalName);
  auto it = std::find_if(group->commands.begin(), group->commands.end(),
                         [&key](const auto& command) { return upper(command->globalName()) == key; });
  if (it == group->commands.end()) return Acad::eKeyNotFound;
  group->commands.erase(it);
  return Acad::eOk;
}

Acad::ErrorStatus AcEdCommandStack::removeGroup(const ACHAR* groupName) {
  std::wstring key = upper(groupName);
  auto it = std::find_if(groups_.begin(), groups_.end(),
                         [&key](const auto& group) { return group->upperName == key; });
  if (it == groups_.end()) return Acad::eKeyNotFound;
  groups_.erase(it);
  return Acad::eOk;
}

AcEdCommand* AcEdCommandStack::lookupCmd(const ACHAR* cmdName, bool globalFlag,
                                         bool /*allGroupsFlag*/, bool skipUndefed) const {
  std::wstring key = upper(cmdName);
  if (key.empty()) return nullptr;
  for (const auto& group : groups_) {
    for (const auto& command : group->commands) {
      if (skipUndefed && (command->commandFlags() & ACRX_CMD_UNDEFINED) != 0) continue;
      if (upper(globalFlag ? command->globalName() : command->localName()) == key) {
        return command.get();
      }
    }
  }
  return nullptr;
}

AcEdCommand* AcEdCommandStack::resolve(const ACHAR* typed) const {
  std::wstring name = typed ? typed : L"";
  bool globalOnly = false;
  // "._LINE" and "_.LINE" are both written by scripts that must run in any language.
  while (!name.empty() && (name[0] == L'.' || name[0] == L'_')) {
    if (name[0] == L'_') globalOnly = true;
    name.erase(0, 1);
  }
  if (name.empty()) return nullptr;
  if (globalOnly) return lookupCmd(name.c_str(), true);
  AcEdCommand* command = lookupCmd(name.c_str(), false);
  return command != nullptr ? command : lookupCmd(name.c_str(), true);
}

void AcEdCommandStack::removeCommandsOf(void* appId) {
  if (appId == nullptr) return;
  for (auto& group : groups_) {
    std::erase_if(group->commands, [appId](const auto& command) {
      return command->commandApp() == appId;
    });
  }
  std::erase_if(groups_, [](const auto& group) { return group->commands.empty(); });
}

std::vector<std::wstring> AcEdCommandStack::groupNames() const {
  std::vector<std::wstring> names;
  for (const auto& group : groups_) names.push_back(group->upperName);
  return names;
}
