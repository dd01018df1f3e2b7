// What the objects read from one drawing file share: the database they go to, the text decoding
// the header chose, the handles the file defines (so that a reference to a handle nobody defines
// is found while it is read), and the report of repairs.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "db/dbtag.h"
#include "dxf/dxf_encoding.h"
#include "dxf/dxf_tokenizer.h"

class AcDbDatabase;

namespace dxf {

class DxfReadContext {
 public:
  explicit DxfReadContext(AcDbDatabase* database) : database_(database) {}

  AcDbDatabase* database() const { return database_; }
  DxfTextDecoder& decoder() { return decoder_; }

  // Handles given to objects in the file. References to other handles are dangling.
  void defineHandle(std::uint64_t handle) { defined_.insert(handle); }
  bool isDefined(std::uint64_t handle) const { return defined_.count(handle) != 0; }
  std::uint64_t largestDefinedHandle() const { return largest_; }
  void noteLargestHandle(std::uint64_t handle) {
    if (handle > largest_) largest_ = handle;
  }

  void warn(int line, const std::string& detail);
  std::vector<std::string>& warnings() { return warnings_; }

  // Converts the token at tokens[0] (with the y and z of a point that follow it) to an item, and
  // returns how many tokens it used. Throws DxfReadError on a value that is not of the code's kind.
  size_t convert(const DxfToken* tokens, size_t count, DxfItem& item);

 private:
  AcDbDatabase* database_;
  DxfTextDecoder decoder_;
  std::unordered_set<std::uint64_t> defined_;
  std::uint64_t largest_ = 0;
  std::vector<std::string> warnings_;
};

}  // namespace dxf
