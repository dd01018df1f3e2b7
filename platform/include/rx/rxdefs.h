// Messages the host sends to a module's entry point, and what the entry point answers.
#pragma once

namespace AcRx {

// Numeric values are part of the module interface: a module built elsewhere switches on them.
enum AppMsgCode {
  kNullMsg = 0,
  kInitAppMsg = 1,    // the module was just loaded
  kUnloadAppMsg = 2,  // the module is about to be unloaded
  kLoadDwgMsg = 3,    // a drawing was opened or created; acedDefun defines in it
  kUnloadDwgMsg = 4,  // a drawing is about to close
  kInvkSubrMsg = 5,   // LISP called one of the functions the module defined (acedGetFunCode)
  kCfgMsg = 6,
  kEndMsg = 7,
  kQuitMsg = 8,
  kSaveMsg = 9,       // a drawing is about to be written
  kDependencyMsg = 10,
  kNoDependencyMsg = 11,
  kOleUnloadAppMsg = 12,
  kPreQuitMsg = 13,
  kInitDialogMsg = 14,
  kEndDialogMsg = 15,
  kSuspendMsg = 16,
};

enum AppRetCode {
  kRetOK = 0,
  kRetError = 3,
};

}  // namespace AcRx

// The entry point every module exports.
typedef AcRx::AppRetCode (*AcRxEntryPointFn)(AcRx::AppMsgCode msg, void* appId);
