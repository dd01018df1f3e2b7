// AcRxObject and AcRxClass: the host's run-time class information. Every database class declares
// its class with ACRX_DECLARE_MEMBERS and defines it with ACRX_DEFINE_MEMBERS, which also registers
// the class under its DXF name so that readers can create objects by type name.
#pragma once
#include <string>

#include "adesk.h"

class AcRxObject;
typedef AcRxObject* (*AcRxObjectFactory)();

class AcRxClass {
 public:
  AcRxClass(const ACHAR* name, AcRxClass* parent, const char* dxfName, AcRxObjectFactory factory);
  AcRxClass(const AcRxClass&) = delete;
  AcRxClass& operator=(const AcRxClass&) = delete;

  const ACHAR* name() const { return name_.c_str(); }
  // The type name in drawing files ("LINE"); empty for abstract classes.
  const char* dxfName() const { return dxfName_.c_str(); }
  AcRxClass* myParent() const { return parent_; }
  bool isDerivedFrom(const AcRxClass* other) const;
  // A new object of this class, or null for abstract classes.
  AcRxObject* create() const { return factory_ ? factory_() : nullptr; }

  // The class registered for a DXF type name, or null.
  static AcRxClass* findByDxfName(const char* dxfName);
  static AcRxClass* findByName(const ACHAR* name);

 private:
  std::wstring name_;
  AcRxClass* parent_;
  std::string dxfName_;
  AcRxObjectFactory factory_;
};

class AcRxObject {
 public:
  virtual ~AcRxObject() = default;
  static AcRxClass* desc();
  static AcRxObject* cast(const AcRxObject* object) { return const_cast<AcRxObject*>(object); }
  virtual AcRxClass* isA() const { return desc(); }
  bool isKindOf(const AcRxClass* cls) const { return isA()->isDerivedFrom(cls); }
};

#define ACRX_DECLARE_MEMBERS(CLASS)                                                 \
  static AcRxClass* desc();                                                         \
  static CLASS* cast(const AcRxObject* object) {                                    \
    return (object && object->isKindOf(CLASS::desc())) ? const_cast<CLASS*>(        \
                                                             static_cast<const CLASS*>(object)) \
                                                       : nullptr;                   \
  }                                                                                 \
  AcRxClass* isA() const override

// Concrete classes: created by type name when a drawing is read.
#define ACRX_DEFINE_MEMBERS(CLASS, PARENT, DXFNAME)                                          \
  AcRxClass* CLASS::desc() {                                                                 \
    static AcRxClass cls(L## #CLASS, PARENT::desc(), DXFNAME,                                \
                         []() -> AcRxObject* { return new CLASS(); });                       \
    return &cls;                                                                             \
  }                                                                                          \
  AcRxClass* CLASS::isA() const { return desc(); }                                           \
  [[maybe_unused]] static const AcRxClass* const registered_##CLASS = CLASS::desc()

// Abstract classes: never created by name.
#define ACRX_DEFINE_ABSTRACT_MEMBERS(CLASS, PARENT)                       \
  AcRxClass* CLASS::desc() {                                              \
    static AcRxClass cls(L## #CLASS, PARENT::desc(), "", nullptr);        \
    return &cls;                                                          \
  }                                                                       \
  AcRxClass* CLASS::isA() const { return desc(); }

#define ACRX_X_CALL(CLASS) CLASS::desc()
