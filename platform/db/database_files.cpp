// The file functions of a drawing database: reading and writing DXF files.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>
#include <string>
#include <vector>

#include "db/database_state.h"
#include "db/dbundo.h"
#include "db/dbdatabase.h"
#include "dxf/dxf_encoding.h"
#include "dxf/dxf_error.h"
#include "dxf/dxf_messages.h"
#include "dxf/dxf_reader.h"
#include "dxf/dxf_writer.h"

namespace {

// File names come as wide strings with "\" or "/" separators; the file system takes UTF-8 and "/".
std::string fileSystemPath(const ACHAR* fileName) {
  std::string path = dxf::toUtf8(fileName ? std::wstring(fileName) : std::wstring());
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

bool fileExists(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

bool endsWithNoCase(const std::string& text, const char* suffix) {
  size_t length = std::strlen(suffix);
  if (text.size() < length) return false;
  for (size_t i = 0; i < length; ++i) {
    char a = text[text.size() - length + i];
    if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
    if (a != suffix[i]) return false;
  }
  return true;
}

// The whole file in memory: the reader keeps views into it.
Acad::ErrorStatus readWholeFile(const std::string& path, std::string& text, std::string& reason) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    bool missing = errno == ENOENT;
    reason = missing ? dxf::msg::fileNotFound() : dxf::msg::fileUnreadable(std::strerror(errno));
    return missing ? Acad::eFileNotFound : Acad::eFileAccessErr;
  }
  text.clear();
  // One allocation of the file's size, then one read; a file that grows meanwhile is read on.
  if (std::fseek(file, 0, SEEK_END) == 0) {
    long size = std::ftell(file);
    if (size > 0) text.resize(static_cast<size_t>(size));
    std::rewind(file);
  }
  size_t count = text.empty() ? 0 : std::fread(text.data(), 1, text.size(), file);
  text.resize(count);
  char buffer[1 << 16];
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, count);
  bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    reason = dxf::msg::fileUnreadable(std::strerror(EIO));
    return Acad::eFileAccessErr;
  }
  return Acad::eOk;
}

// A file's text for the reader: a private read-only mapping when the system gives one, so that the
// reader can give its pages back as it goes, else a copy in memory.
class FileText {
 public:
  FileText() = default;
  FileText(const FileText&) = delete;
  FileText& operator=(const FileText&) = delete;
  ~FileText() {
    if (map_ != nullptr) ::munmap(map_, size_);
  }

  Acad::ErrorStatus open(const std::string& path, std::string& reason) {
    int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info;
    if (descriptor >= 0 && ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
      void* map = ::mmap(nullptr, static_cast<size_t>(info.st_size), PROT_READ, MAP_PRIVATE, descriptor, 0);
      if (map != MAP_FAILED) {
        map_ = map;
        size_ = static_cast<size_t>(info.st_size);
        ::close(descriptor);
        return Acad::eOk;
      }
    }
    if (descriptor >= 0) ::close(descriptor);
    return readWholeFile(path, copy_, reason);
  }
  std::string_view view() const {
    return map_ != nullptr ? std::string_view(static_cast<const char*>(map_), size_) : std::string_view(copy_);
  }
  bool mapped() const { return map_ != nullptr; }

 private:
  void* map_ = nullptr;
  size_t size_ = 0;
  std::string copy_;
};

void writeLog(const ACHAR* logFileName, const std::vector<std::string>& lines) {
  if (logFileName == nullptr || *logFileName == 0) return;
  std::FILE* log = std::fopen(fileSystemPath(logFileName).c_str(), "w");
  if (log == nullptr) return;
  for (const std::string& line : lines) std::fprintf(log, "%s\n", line.c_str());
  std::fclose(log);
}

// Exchanges the contents of two databases. The slots do not move (ids stay valid); they only learn
// their new database.
void swapDatabaseContents(AcDbDatabase* first, AcDbDatabase* second) {
  std::swap(first->state(), second->state());
  // Each journal knows its database: it stays with it.
  std::swap(first->state().undo, second->state().undo);
  for (AcDbDatabase* database : {first, second}) {
    DatabaseState& state = database->state();
    state.owner = database;
    for (AcDbStub& stub : state.stubs) stub.database = database;
  }
}

// Reads into a database of its own, then takes its contents: a file that cannot be read leaves
// this database as it was.
Acad::ErrorStatus readDrawingFile(AcDbDatabase* target, const std::string& path,
                                         const ACHAR* logFileName) {
  DatabaseState& state = target->state();
  state.readReport.warnings.clear();
  state.lastError.clear();
  std::string reason;
  FileText text;
  Acad::ErrorStatus es = text.open(path, reason);
  if (es != Acad::eOk) {
    state.lastError = dxf::msg::cannotRead(path, reason);
    state.readReport.warnings = {reason};
    writeLog(logFileName, state.readReport.warnings);
    return es;
  }
  auto read = std::make_unique<AcDbDatabase>(false, true);
  std::vector<std::string> warnings;
  try {
    dxf::readDrawing(read.get(), text.view(), warnings, text.mapped());
  } catch (const dxf::DxfReadError& error) {
    std::string detail = error.line() > 0 ? dxf::msg::atLine(error.line(), error.detail()) : error.detail();
    state.lastError = dxf::msg::cannotRead(path, detail);
    state.readReport.warnings = {detail};
    writeLog(logFileName, state.readReport.warnings);
    return error.status();
  }
  swapDatabaseContents(target, read.get());
  DatabaseState& filled = target->state();
  filled.undo->clear();  // what was done to the former contents cannot be undone on these
  filled.fileName = dxf::toWide(path);
  filled.readReport.warnings = std::move(warnings);
  filled.lastError.clear();
  writeLog(logFileName, filled.readReport.warnings);
  return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus AcDbDatabase::readDwgFile(const ACHAR* fileName) {
  std::string path = fileSystemPath(fileName);
  // A drawing named ".dwg" is looked for as DXF beside it when no such file exists.
  if (endsWithNoCase(path, ".dwg") && !fileExists(path)) {
    std::string dxfPath = path.substr(0, path.size() - 4) + ".dxf";
    if (fileExists(dxfPath)) path = dxfPath;
  }
  return readDrawingFile(this, path, nullptr);
}

Acad::ErrorStatus AcDbDatabase::dxfIn(const ACHAR* fileName, const ACHAR* logFileName) {
  return readDrawingFile(this, fileSystemPath(fileName), logFileName);
}

namespace {

// The mode the saved file gets: the one of the file it replaces, else what a new file would get.
mode_t modeForSavedFile(const std::string& path) {
  struct stat existing;
  if (::stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Writes a new file of its own beside the target, flushes it to the disk and renames it into
// place: a failure at any point (folder not writable, disk full, file size limit, a refused
// entity) leaves the previous file as it was and the folder without a stray temporary.
Acad::ErrorStatus writeDrawingFile(AcDbDatabase* database, const std::string& path, int precision) {
  DatabaseState& state = database->state();
  // "plan.dxf.tmp", made for this save only; when a file of that name is already there (left by
  // a crash, or someone's own), a name of its own beside it rather than writing over that file.
  std::string temporary = path + ".tmp";
  int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (descriptor < 0 && errno == EEXIST) {
    temporary = path + ".XXXXXX";
    descriptor = ::mkstemp(temporary.data());
  }
  std::FILE* file = descriptor >= 0 ? ::fdopen(descriptor, "wb") : nullptr;
  if (file == nullptr) {
    std::string reason = std::strerror(errno);
    if (descriptor >= 0) {
      ::close(descriptor);
      std::remove(temporary.c_str());
    }
    state.lastError = dxf::msg::cannotWrite(path, dxf::msg::cannotCreate(temporary, reason));
    return Acad::eFileAccessErr;
  }
  std::string reason;
  bool written = dxf::writeDrawing(database, file, precision, reason);
  if (written && (std::fflush(file) != 0 || ::fsync(descriptor) != 0)) {
    written = false;
    reason = std::strerror(errno);
  }
  if (written && ::fchmod(descriptor, modeForSavedFile(path)) != 0) {
    written = false;
    reason = std::strerror(errno);
  }
  if (std::fclose(file) != 0 && written) {
    written = false;
    reason = std::strerror(errno);
  }
  if (!written) {
    std::remove(temporary.c_str());
    state.lastError = dxf::msg::cannotWrite(path, reason);
    return Acad::eFileSystemErr;
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    reason = std::strerror(errno);
    std::remove(temporary.c_str());
    state.lastError = dxf::msg::cannotWrite(path, dxf::msg::cannotReplace(path, reason));
    return Acad::eFileAccessErr;
  }
  state.lastError.clear();
  return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus AcDbDatabase::dxfOut(const ACHAR* fileName, int precision, AcDb::AcDbDwgVersion) {
  if (precision < 1 || precision > 16) precision = 16;
  return writeDrawingFile(this, fileSystemPath(fileName), precision);
}

Acad::ErrorStatus AcDbDatabase::saveAs(const ACHAR* fileName) {
  std::string path = fileSystemPath(fileName);
  Acad::ErrorStatus es = writeDrawingFile(this, path, 16);
  if (es == Acad::eOk) state_->fileName = fileName ? fileName : L"";
  return es;
}
