// A report page as the reports build it, opened in a real browser (headless Chromium): the
// standard styles must show (grey heading cells, black cell borders). The screenshot stays in the
// test's output folder. Skipped where no Chromium is installed.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "reports/htmlPage.h"
#include "reports/htmlTable.h"
#include "reports/htmlText.h"

namespace {

TEST(ReportInBrowser, StandardStylesAndTableShow) {
  const std::filesystem::path folder = std::filesystem::current_path() / "report_in_browser";
  std::filesystem::create_directories(folder);
  htmlPage page;
  addStandardReportStyles(page);
  page.addBodyLine(htmlText("Points de la polygonale", "CLASS=grand").render());
  htmlTable table;
  htmlSetStandardTable(table);
  table.beginRow("");
  for (const char* heading : {"Num", "X", "Y", "Z"}) table.addCell(heading, "CLASS=celgris");
  for (int i = 1; i <= 5; ++i) {
    table.beginRow("");
    table.addCell(i, "class=celnorm align=right");
    table.addCell(1000.0 + i * 12.5, 3, "class=celnorm align=right");
    table.addCell(2000.0 - i * 7.25, 3, "class=celnorm align=right");
    table.addCell(100.0 + i * 0.5, 2, "class=celnorm align=right");
  }
  page.addBodyLine(table.close());
  page.setFileName((folder / "rapport.html").string().c_str());
  page.write();

  const std::string command = std::string("/usr/bin/python3 ") + TEST_TOOLS_DIR +
                              "/render_report.py " + (folder / "rapport.html").string() + " " +
                              (folder / "rapport.png").string();
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no Chromium on this machine";
  EXPECT_EQ(WEXITSTATUS(status), 0) << command;
  EXPECT_TRUE(std::filesystem::exists(folder / "rapport.png"));
}

}  // namespace
