// Internal: the groups of built-in functions the registry starts with, and argument helpers.
#pragma once
#include <string>
#include <vector>

#include "lisp/interpreter.h"

namespace lisp {

void registerSpecialForms(BuiltinRegistry& registry);
void registerListFunctions(BuiltinRegistry& registry);
void registerMathFunctions(BuiltinRegistry& registry);
void registerStringFunctions(BuiltinRegistry& registry);
void registerEntityFunctions(BuiltinRegistry& registry);

// Argument checks raising the host's errors.
double numberArg(const ValuePtr& value);
Adesk::Int32 intArg(const ValuePtr& value);
const std::wstring& stringArg(const ValuePtr& value);
// A list argument (nil or a cons).
const ValuePtr& listArg(const ValuePtr& value);
// A point: a list of two or three numbers. dim receives 2 or 3.
void pointArg(const ValuePtr& value, double point[3], int* dim = nullptr);
inline ValuePtr boolValue(bool b) { return b ? makeT() : nullptr; }

}  // namespace lisp
