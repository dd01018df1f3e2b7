// The error that stops a drawing read: a status for the caller and a message naming the line.
// Thrown inside the reader only; the file functions of the database catch it.
#pragma once
#include <string>

#include "db/acadstrc.h"

namespace dxf {

class DxfReadError {
 public:
  DxfReadError(Acad::ErrorStatus status, int line, std::string detail)
      : status_(status), line_(line), detail_(std::move(detail)) {}
  Acad::ErrorStatus status() const { return status_; }
  // Line of the file where the damage is (1-based), or 0 when it is about the whole file.
  int line() const { return line_; }
  const std::string& detail() const { return detail_; }

 private:
  Acad::ErrorStatus status_;
  int line_;
  std::string detail_;
};

}  // namespace dxf
