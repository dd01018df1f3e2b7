#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "host/cheminInstallation.h"
#include "os/winreg.h"

namespace {

class InstallationFolder : public ::testing::Test {
 protected:
  void useRegistry(const std::string& content) {
    char name[] = "/tmp/installation_testXXXXXX";
    const int fd = mkstemp(name);
    ASSERT_GE(fd, 0);
    close(fd);
    file_ = name;
    std::ofstream(file_, std::ios::binary) << content;
    setRegistryFile(file_);
    resetRegistryOpenCount();
    oublierCheminInstallation();
  }
  void TearDown() override {
    setRegistryFile("");
    std::remove(file_.c_str());
    oublierCheminInstallation();
  }
  std::string file_;
};

TEST_F(InstallationFolder, TrailingBackslashesAndSubFolders) {
  useRegistry("[HKEY_LOCAL_MACHINE\\Software\\Cartovia\\Arpenta5]\nchemin=D:\\Arpenta5\\\\\n");
  EXPECT_STREQ(cheminInstallation(FICHIER_CODIFICATION), L"D:\\Arpenta5\\defcodif");
  EXPECT_STREQ(cheminInstallation(L"jaloblk1.dwg", L"biblio"), L"D:\\Arpenta5\\biblio\\jaloblk1.dwg");
  EXPECT_STREQ(cheminInstallation(L"defcodif", L""), L"D:\\Arpenta5\\defcodif");
  EXPECT_EQ(registryOpenCount(), 1);  // read once for the life of the module
}

TEST_F(InstallationFolder, OneSharedBufferHoldsTheLastPath) {
  useRegistry("[HKEY_LOCAL_MACHINE\\Software\\Cartovia\\Arpenta5]\nchemin=/opt/arpenta\n");
  const wchar_t* first = cheminInstallation(FICHIER_BLOC_POINT);
  const wchar_t* second = cheminInstallation(FICHIER_BLOC_STATION);
  EXPECT_EQ(first, second);
  EXPECT_STREQ(first, L"/opt/arpenta\\biblio\\jaloblk3.dwg");
}

TEST_F(InstallationFolder, MissingKeyGivesARootedNameAndIsNotAskedAgain) {
  useRegistry("[HKEY_LOCAL_MACHINE\\Software\\Autre]\nchemin=X:\\\n");
  EXPECT_STREQ(cheminInstallation(FICHIER_CODIFICATION), L"\\defcodif");
  EXPECT_STREQ(cheminInstallation(L"b.dwg", L"biblio"), L"\\biblio\\b.dwg");
  EXPECT_LE(registryOpenCount(), 1);
  const int opened = registryOpenCount();
  cheminInstallation(L"x");
  EXPECT_EQ(registryOpenCount(), opened);
}

}  // namespace
