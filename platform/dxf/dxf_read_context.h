// What the objects read from one drawing file share: the database they go to, the text decoding
// the header chose, the handles the file defines (so that a reference to a handle nobody defines
// is found while it is read), and the report of repairs.
#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
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

  // Handles given to objects in the file. References to other handles are dangling. All are
  // defined first (one pass over the file), then sealed, then looked up: a sorted list takes a
  // fifth of the memory of a hash set for the hundreds of thousands of handles of a large plan.
  void defineHandle(std::uint64_t handle) { defined_.push_back(handle); }
  void sealDefinitions();
  size_t definedCount() const { return defined_.size(); }
  bool isDefined(std::uint64_t handle) const {
    return std::binary_search(defined_.begin(), defined_.end(), handle);
  }
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
  std::vector<std::uint64_t> defined_;
  std::uint64_t largest_ = 0;
  std::vector<std::string> warnings_;
};

}  // namespace dxf
