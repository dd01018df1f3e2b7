#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "os/winreg.h"

namespace {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/registry_testXXXXXX";
    const int fd = mkstemp(name);
    ASSERT_GE(fd, 0);
    close(fd);
    file_ = name;
    std::ofstream out(file_, std::ios::binary);
    out << "\xEF\xBB\xBF; installation\n"
           "[HKEY_LOCAL_MACHINE\\Software\\Cartovia\\Arpenta5]\r\n"
           "chemin=C:\\Program Files\\Arpenta5\\\r\n"
           "Biblio = D:\\biblio\\   \n"
           "nom=\"Op\xC3\xA9rateur\"\n"
           "\n"
           "[hkcu\\software\\cartovia\\arpenta5\\Options]\n"
           "@=par d\xC3\xA9"
           "faut\n";
    out.close();
    setRegistryFile(file_);
    resetRegistryOpenCount();
  }
  void TearDown() override {
    setRegistryFile("");
    std::remove(file_.c_str());
  }

  // The value of a key under HKLM, or the error.
  static LONG query(const wchar_t* subKey, const wchar_t* name, std::wstring& value,
                    HKEY root = HKEY_LOCAL_MACHINE) {
    HKEY key = nullptr;
    LONG status = RegOpenKeyEx(root, subKey, 0, KEY_READ, &key);
    if (status != ERROR_SUCCESS) return status;
    wchar_t buffer[256];
    DWORD size = sizeof buffer;
    DWORD type = REG_NONE;
    status = RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &size);
    RegCloseKey(key);
    if (status == ERROR_SUCCESS) {
      EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
      EXPECT_EQ(size, (std::wcslen(buffer) + 1) * sizeof(wchar_t));
      value = buffer;
    }
    return status;
  }

  std::string file_;
};

TEST_F(RegistryTest, ValuesAreReadAsStored) {
  std::wstring value;
  EXPECT_EQ(query(L"Software\\Cartovia\\Arpenta5", L"chemin", value), ERROR_SUCCESS);
  EXPECT_EQ(value, L"C:\\Program Files\\Arpenta5\\");
  // Names are case-insensitive; blanks around "=" and quotes do not belong to the value.
  EXPECT_EQ(query(L"SOFTWARE\\cartovia\\ARPENTA5\\", L"BIBLIO", value), ERROR_SUCCESS);
  EXPECT_EQ(value, L"D:\\biblio\\");
  EXPECT_EQ(query(L"Software\\Cartovia\\Arpenta5", L"nom", value), ERROR_SUCCESS);
  EXPECT_EQ(value, L"Op\u00e9rateur");
  EXPECT_EQ(query(L"Software\\Cartovia\\Arpenta5\\Options", nullptr, value, HKEY_CURRENT_USER),
            ERROR_SUCCESS);
  EXPECT_EQ(value, L"par d\u00e9faut");
}

TEST_F(RegistryTest, MissingKeysAndValues) {
  std::wstring value;
  EXPECT_EQ(query(L"Software\\Cartovia\\Arpenta6", L"chemin", value), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(query(L"Software\\Cartovia\\Arpenta5", L"absent", value), ERROR_FILE_NOT_FOUND);
  // Same path under the other root.
  EXPECT_EQ(query(L"Software\\Cartovia\\Arpenta5", L"chemin", value, HKEY_CURRENT_USER),
            ERROR_FILE_NOT_FOUND);
  // A parent of a section exists, without values; a sub-key opens relative to it.
  HKEY parent = nullptr;
  ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, L"Software\\Cartovia", 0, KEY_READ, &parent),
            ERROR_SUCCESS);
  EXPECT_EQ(query(L"Arpenta5", L"chemin", value, parent), ERROR_SUCCESS);
  EXPECT_EQ(value, L"C:\\Program Files\\Arpenta5\\");
  RegCloseKey(parent);

  setRegistryFile("/nonexistent/registry.ini");
  EXPECT_EQ(query(L"Software\\Cartovia\\Arpenta5", L"chemin", value), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, SmallBufferAsksForMoreData) {
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, L"Software\\Cartovia\\Arpenta5", 0, KEY_READ, &key),
            ERROR_SUCCESS);
  const DWORD needed = sizeof(L"C:\\Program Files\\Arpenta5\\");
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueEx(key, L"chemin", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, needed);
  wchar_t small[4];
  size = sizeof small;
  EXPECT_EQ(
      RegQueryValueEx(key, L"chemin", nullptr, nullptr, reinterpret_cast<LPBYTE>(small), &size),
      ERROR_MORE_DATA);
  EXPECT_EQ(size, needed);
  std::wstring buffer(size / sizeof(wchar_t), L'\0');
  EXPECT_EQ(RegQueryValueEx(key, L"chemin", nullptr, nullptr,
                            reinterpret_cast<LPBYTE>(buffer.data()), &size),
            ERROR_SUCCESS);
  EXPECT_STREQ(buffer.c_str(), L"C:\\Program Files\\Arpenta5\\");
  RegCloseKey(key);
}

TEST_F(RegistryTest, TheEnvironmentNamesTheDefaultFile) {
  setenv("CADHOST_REGISTRY", file_.c_str(), 1);
  setRegistryFile("");  // back to the default rule, which reads the variable
  std::wstring value;
  EXPECT_EQ(query(L"Software\\Cartovia\\Arpenta5", L"chemin", value), ERROR_SUCCESS);
  unsetenv("CADHOST_REGISTRY");
}

TEST_F(RegistryTest, OpensAreCounted) {
  std::wstring value;
  EXPECT_EQ(registryOpenCount(), 0);
  query(L"Software\\Cartovia\\Arpenta5", L"chemin", value);
  query(L"Software\\Cartovia\\Nothing", L"chemin", value);  // failed opens count too
  EXPECT_EQ(registryOpenCount(), 2);
  resetRegistryOpenCount();
  EXPECT_EQ(registryOpenCount(), 0);
}

}  // namespace
