#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "os/codepage.h"
#include "os/paths.h"
#include "os/winfile.h"

namespace {

namespace fs = std::filesystem;

// A fresh folder for each test, which is also the temporary folder of the test.
class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/files_testXXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    folder_ = name;
    const char* previous = std::getenv("TMPDIR");
    previousTmpdir_ = previous ? previous : "";
    hadTmpdir_ = previous != nullptr;
    setenv("TMPDIR", folder_.c_str(), 1);
  }
  void TearDown() override {
    if (hadTmpdir_) {
      setenv("TMPDIR", previousTmpdir_.c_str(), 1);
    } else {
      unsetenv("TMPDIR");
    }
    fs::remove_all(folder_);
  }
  // The folder written the way the module writes paths.
  std::wstring windowsFolder() const {
    std::wstring path = utf8ToWide(folder_);
    for (wchar_t& c : path) {
      if (c == L'/') c = L'\\';
    }
    return path + L'\\';
  }
  static void writeFile(const std::string& path, const char* text) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs(text, f);
    std::fclose(f);
  }

  std::string folder_;
  std::string previousTmpdir_;
  bool hadTmpdir_ = false;
};

TEST_F(FilesTest, TempPathEndsWithASeparator) {
  wchar_t buffer[MAX_PATH];
  const DWORD length = GetTempPath(MAX_PATH, buffer);
  EXPECT_EQ(std::wstring(buffer), utf8ToWide(folder_) + L"/");
  EXPECT_EQ(length, folder_.size() + 1);
  EXPECT_EQ(GetTempPath(3, buffer), folder_.size() + 2);  // too small: the size with the NUL
  unsetenv("TMPDIR");
  GetTempPath(MAX_PATH, buffer);
  EXPECT_STREQ(buffer, L"/tmp/");
}

TEST_F(FilesTest, TempFileNamesAreCreatedEmptyAndUnique) {
  wchar_t first[MAX_PATH];
  wchar_t second[MAX_PATH];
  const UINT a = GetTempFileName(windowsFolder().c_str(), L"ARPENTA", 0, first);
  const UINT b = GetTempFileName(windowsFolder().c_str(), L"ARPENTA", 0, second);
  ASSERT_NE(a, 0u);
  ASSERT_NE(b, 0u);
  EXPECT_NE(std::wstring(first), std::wstring(second));
  wchar_t hex[16];
  std::swprintf(hex, 16, L"%X", a);
  EXPECT_EQ(std::wstring(first), windowsFolder() + L"ARP" + hex + L".tmp");
  EXPECT_EQ(GetFileAttributes(first), static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(fs::file_size(nativePath(first)), 0u);

  // A given number only builds the name, from its low 16 bits, and a short prefix stays short.
  wchar_t built[MAX_PATH];
  EXPECT_EQ(GetTempFileName(L"C:\\temp", L"x", 0x12ABC, built), 0x2ABCu);
  EXPECT_STREQ(built, L"C:\\temp\\x2ABC.tmp");
  EXPECT_EQ(GetFileAttributes(built), INVALID_FILE_ATTRIBUTES);

  EXPECT_EQ(GetTempFileName(L"/nonexistent/folder/", L"tmp", 0, built), 0u);
}

TEST_F(FilesTest, BothSeparatorsAreAccepted) {
  EXPECT_EQ(nativePath(L"C:\\data\\r\u00e9seau/points.txt"), "C:/data/r\xc3\xa9seau/points.txt");
  EXPECT_EQ(nativePath(static_cast<const wchar_t*>(nullptr)), "");

  const std::wstring file = windowsFolder() + L"donn\u00e9es.txt";
  FILE* f = _wfopen(file.c_str(), L"wt");
  ASSERT_NE(f, nullptr);
  std::fputs("1 2 3\n", f);
  std::fclose(f);
  EXPECT_TRUE(fs::exists(folder_ + "/donn\xc3\xa9"
                                   "es.txt"));
  f = _wfopen(file.c_str(), L"r, ccs=UTF-8");
  ASSERT_NE(f, nullptr);
  std::fclose(f);

  EXPECT_EQ(GetFileAttributes(windowsFolder().c_str()),
            static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  EXPECT_EQ(GetFileAttributes((windowsFolder() + L"absent").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(FilesTest, RemoveCopyAndMove) {
  const std::wstring a = windowsFolder() + L"a.txt";
  const std::wstring b = windowsFolder() + L"b.txt";
  const std::wstring c = windowsFolder() + L"c.txt";
  writeFile(nativePath(a), "alpha");
  writeFile(nativePath(b), "beta");

  EXPECT_FALSE(CopyFile(a.c_str(), b.c_str(), TRUE));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
  EXPECT_TRUE(CopyFile(a.c_str(), b.c_str(), FALSE));
  EXPECT_EQ(fs::file_size(nativePath(b)), 5u);

  EXPECT_FALSE(MoveFile(a.c_str(), b.c_str()));  // never replaces
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_TRUE(MoveFile(a.c_str(), c.c_str()));
  EXPECT_EQ(GetFileAttributes(a.c_str()), INVALID_FILE_ATTRIBUTES);

  EXPECT_TRUE(DeleteFile(c.c_str()));
  EXPECT_FALSE(DeleteFile(c.c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(DeleteFile(windowsFolder().c_str()));  // not a file
  EXPECT_EQ(_wremove(b.c_str()), 0);
  EXPECT_EQ(_wunlink(b.c_str()), -1);
}

}  // namespace
