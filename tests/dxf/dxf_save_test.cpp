// Saving never loses a drawing: the file is written beside the target and renamed over it, so a
// save that fails (folder not writable, no room left, a missing folder) leaves the previous file
// byte for byte, leaves no temporary behind, and says why.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <string>
#include <vector>

#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "dxf_test_util.h"

using namespace dxftest;

namespace {

std::vector<std::string> filesIn(const std::string& folder) {
  std::vector<std::string> names;
  if (DIR* dir = opendir(folder.c_str())) {
    while (dirent* entry = readdir(dir)) {
      std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    closedir(dir);
  }
  return names;
}

// A folder of its own holding "plan.dxf" with the given contents.
std::string folderWithPlan(const std::string& name, const std::string& contents) {
  std::string folder = scratchPath(name);
  mkdir(folder.c_str(), 0755);
  writeText(folder + "/plan.dxf", contents);
  return folder;
}

// A drawing with enough in it that writing it takes far more than a few kilobytes.
void fill(AcDbDatabase& db, int lines) {
  Opened<AcDbBlockTableRecord> space(db.modelSpaceId(), AcDb::kForWrite);
  for (int i = 0; i < lines; ++i) {
    auto* line = new AcDbLine(AcGePoint3d(i, 0, 0), AcGePoint3d(i, 1, 0));
    space->appendAcDbEntity(line);
    line->close();
  }
}

// Saves in a child process (so that its limits and identity stay its own); the child's exit
// status is 0 when the save succeeded, 1 when it failed with a message naming the target.
int saveInChild(const std::string& target, void (*restrict)()) {
  pid_t child = fork();
  if (child == 0) {
    restrict();
    AcDbDatabase db;
    fill(db, 5000);
    Acad::ErrorStatus es = db.saveAs(wide(target).c_str());
    bool named = db.lastError().find("impossible d'enregistrer le dessin \"" + target + "\"") == 0;
    _exit(es == Acad::eOk ? 0 : (named ? 1 : 2));
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(DxfSave, ReplacesTheTargetAndLeavesNothingBeside) {
  std::string folder = folderWithPlan("save_ok", "previous contents");
  chmod((folder + "/plan.dxf").c_str(), 0640);
  AcDbDatabase db;
  std::string target = folder + "/plan.dxf";
  ASSERT_EQ(db.saveAs(wide(target).c_str()), Acad::eOk) << db.lastError();
  EXPECT_EQ(readText(target).rfind("  0\nSECTION", 0), 0u);
  EXPECT_EQ(filesIn(folder), std::vector<std::string>{"plan.dxf"});
  struct stat info;
  ASSERT_EQ(stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);  // the replaced file's permissions are kept
  const ACHAR* name = nullptr;
  db.getFilename(name);
  EXPECT_EQ(std::wstring(name), wide(target));

  EXPECT_NE(db.dxfOut(wide(scratchPath("no/such/folder/x.dxf")).c_str()), Acad::eOk);
  EXPECT_NE(db.lastError().find("no/such/folder/x.dxf"), std::string::npos) << db.lastError();
}

TEST(DxfSave, ReadOnlyFolderKeepsThePreviousFile) {
  std::string folder = folderWithPlan("save_read_only", "previous contents");
  // The folder belongs to this process's user: without write permission for the saving process
  // (an ordinary user for a test run as root, who writes anywhere) nothing can be created in it.
  chmod(folder.c_str(), 0555);
  int status = saveInChild(folder + "/plan.dxf", [] {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
  });
  chmod(folder.c_str(), 0755);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(readText(folder + "/plan.dxf"), "previous contents");
  EXPECT_EQ(filesIn(folder), std::vector<std::string>{"plan.dxf"});
}

TEST(DxfSave, FullDiskKeepsThePreviousFile) {
  std::string folder = folderWithPlan("save_full", "previous contents");
  // A file size limit of 4 KB: the write fails part way, as on a full disk.
  int status = saveInChild(folder + "/plan.dxf", [] {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{4096, 4096};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(3);
  });
  EXPECT_EQ(status, 1);
  EXPECT_EQ(readText(folder + "/plan.dxf"), "previous contents");
  EXPECT_EQ(filesIn(folder), std::vector<std::string>{"plan.dxf"});
}

TEST(DxfSave, AFileNamedLikeTheTemporaryIsLeftAlone) {
  std::string folder = folderWithPlan("save_tmp_taken", "previous contents");
  writeText(folder + "/plan.dxf.tmp", "someone's own file");
  AcDbDatabase db;
  ASSERT_EQ(db.saveAs(wide(folder + "/plan.dxf").c_str()), Acad::eOk) << db.lastError();
  EXPECT_EQ(readText(folder + "/plan.dxf.tmp"), "someone's own file");
  EXPECT_EQ(readText(folder + "/plan.dxf").rfind("  0\nSECTION", 0), 0u);
  std::vector<std::string> files = filesIn(folder);
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"plan.dxf", "plan.dxf.tmp"}));
}
