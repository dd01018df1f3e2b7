// Helpers of the drawing-file tests: test data paths, scratch files, opening objects, and the
// independent reader (ezdxf) that every file our tests write goes through.
#pragma once
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "db/dbdatabase.h"
#include "db/dbobject.h"
#include "db/dbsymtb.h"

namespace dxftest {

inline std::string dataPath(const std::string& name) { return std::string(TEST_DATA_DIR) + "/dxf/" + name; }
inline std::string toolPath(const std::string& name) {
  return std::string(TEST_DATA_DIR) + "/../tools/" + name;
}
inline std::wstring wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// A scratch folder of this test process.
inline std::string scratchPath(const std::string& name) {
  static const std::string folder = [] {
    std::string path = "/tmp/dxf_tests_" + std::to_string(getpid());
    std::string command = "mkdir -p " + path;
    if (std::system(command.c_str()) != 0) std::perror("mkdir");
    return path;
  }();
  return folder + "/" + name;
}

inline std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

inline void writeText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

// Runs a command; gives its exit status and what it printed.
inline int runCommand(const std::string& command, std::string& output) {
  std::string log = scratchPath("command.log");
  int status = std::system((command + " > " + log + " 2>&1").c_str());
  output = readText(log);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// ezdxf loads the file, its audit finds no error, and the shared validator accepts it.
inline int ezdxfCheck(const std::string& path, std::string& output) {
  return runCommand("/usr/bin/python3 " + toolPath("ezdxf_check.py") + " '" + path + "'", output);
}

// An object opened for the scope of a test step.
template <class T>
class Opened {
 public:
  explicit Opened(AcDbObjectId id, AcDb::OpenMode mode = AcDb::kForRead) {
    status_ = acdbOpenObject(object_, id, mode);
  }
  ~Opened() {
    if (object_ != nullptr) object_->close();
  }
  Opened(const Opened&) = delete;
  Opened& operator=(const Opened&) = delete;
  T* operator->() const { return object_; }
  T* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  Acad::ErrorStatus status() const { return status_; }

 private:
  T* object_ = nullptr;
  Acad::ErrorStatus status_ = Acad::eOk;
};

// The entities of a block (model space by default) of one type name, in order.
inline std::vector<AcDbObjectId> entitiesOfType(AcDbDatabase* db, const char* type,
                                                AcDbObjectId block = AcDbObjectId()) {
  std::vector<AcDbObjectId> ids;
  Opened<AcDbBlockTableRecord> record(block.isNull() ? db->modelSpaceId() : block);
  if (!record) return ids;
  for (AcDbObjectId id : record->entityIds()) {
    if (!id.isErased() && id.objectClass() != nullptr &&
        std::string(id.objectClass()->dxfName()) == type) {
      ids.push_back(id);
    }
  }
  return ids;
}

inline bool hasWarning(const AcDbDatabase& db, const std::string& part) {
  for (const std::string& warning : db.readReport().warnings) {
    if (warning.find(part) != std::string::npos) return true;
  }
  return false;
}

inline std::string allWarnings(const AcDbDatabase& db) {
  std::string text;
  for (const std::string& warning : db.readReport().warnings) text += warning + "\n";
  return text;
}

}  // namespace dxftest
