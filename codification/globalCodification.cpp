#include "codification/globalCodification.h"

#include <memory>

namespace {

std::unique_ptr<tableCodification>& instance() {
  static std::unique_ptr<tableCodification> table;
  return table;
}

}  // namespace

tableCodification* globalCodification() {
  if (!instance()) instance() = std::make_unique<tableCodification>();
  return instance().get();
}

void oublierGlobalCodification() { instance().reset(); }
