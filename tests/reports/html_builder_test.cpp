// The report builder's text, byte for byte: what a browser will be given.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "reports/htmlPage.h"
#include "reports/htmlStyle.h"
#include "reports/htmlTable.h"
#include "reports/htmlText.h"

namespace {

std::string css(const htmlSize& size) { return size.toCss().GetString(); }
std::string css(const htmlStyle& style) { return style.toCss().GetString(); }

std::string fileContents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(HtmlValues, SizesKeepWholeNumbersAndTwoDecimalsOtherwise) {
  EXPECT_EQ(css(htmlSize(10, kHtmlPoints)), "10pt");
  EXPECT_EQ(css(htmlSize(0.5, kHtmlPixels)), "0.50px");
  EXPECT_EQ(css(htmlSize(100, kHtmlPercent)), "100%");
  EXPECT_EQ(css(htmlSize(33.333, kHtmlPercent)), "33.33 %");
  EXPECT_EQ(css(htmlSize(12.5, kHtmlMillimetres)), "12.50mm");
  EXPECT_EQ(css(htmlSize(10, 9)), "10");
  EXPECT_EQ(css(htmlSize()), "0px");
  EXPECT_EQ(css(htmlSize(-2, kHtmlCentimetres)), "-2cm");
}

TEST(HtmlValues, NamedColoursAndUnknownKeys) {
  htmlColor color;
  EXPECT_STREQ(color.toCss().GetString(), "rgb(0,0,0)");
  color.setNamed(112);
  EXPECT_STREQ(color.toCss().GetString(), "rgb(128,0,128)");
  color.setNamed(500);
  EXPECT_STREQ(color.toCss().GetString(), "rgb(128,0,128)");
  color.setNamed(0);
  EXPECT_STREQ(color.toCss().GetString(), "rgb(240,248,255)");
  color.setNamed(139);
  EXPECT_STREQ(color.toCss().GetString(), "rgb(154,205,50)");
  color.setNamed(136);
  EXPECT_EQ(color, htmlColor(255, 255, 255));
  EXPECT_NE(color, htmlColor(255, 255, 254));
}

TEST(HtmlValues, BorderKeywords) {
  EXPECT_STREQ(htmlBorderStyle(4).toCss().GetString(), "solid");
  EXPECT_STREQ(htmlBorderStyle(9).toCss().GetString(), "outset");
  EXPECT_STREQ(htmlBorderStyle(1).toCss().GetString(), "none");
  EXPECT_STREQ(htmlBorderStyle(10).toCss().GetString(), "none");
}

TEST(HtmlStyleText, OnlyWhatWasSetInDeclarationOrder) {
  htmlStyle font;
  font.setFont("Arial", "serif");
  EXPECT_EQ(css(font), " font-family:'Arial','serif';");

  htmlStyle noGeneric;
  noGeneric.setFont("Courier");
  EXPECT_EQ(css(noGeneric), " font-family:'Courier';");

  htmlStyle decorated;
  decorated.setTextDecoration(5);
  EXPECT_EQ(css(decorated), "text-decoration:underline line-through ;");
  decorated.setTextDecoration(15);
  EXPECT_EQ(css(decorated), "text-decoration:underline overline line-through blink;");

  // Set out of order, written in the fixed order.
  htmlStyle mixed;
  mixed.setBorderColorTop(htmlColor(1, 2, 3));
  mixed.setTextAlign(3);
  mixed.setBackgroundPositionY(htmlSize(5, kHtmlPixels));
  mixed.setBold();
  mixed.setBackgroundRepeat(2);
  mixed.setBackgroundAttachment(2);
  mixed.setBackgroundImage("fond.png");
  EXPECT_EQ(css(mixed),
            "font-weight:bold;background-image:url('fond.png');background-attachment:fixed;"
            "background-repeat:repeat-x;background-position: 0px 5px;text-align:justify;"
            "border-top-color:rgb(1,2,3);");
}

TEST(HtmlStyleText, StandardStyleSheetAccumulates) {
  htmlPage page;
  addStandardReportStyles(page);
  page.setFileName((std::filesystem::temp_directory_path() / "standard_styles.html").string().c_str());
  page.write();
  const std::string html = fileContents(page.fileName().GetString());
  const std::string sides =
      "margin-left:4px;margin-right:4px;margin-top:4px;margin-bottom:4px;"
      "padding-left:4px;padding-right:4px;padding-top:4px;padding-bottom:4px;"
      "border-left-width:1px;border-right-width:1px;border-top-width:1px;border-bottom-width:1px;"
      "border-left-style:solid;border-right-style:solid;border-top-style:solid;"
      "border-bottom-style:solid;border-left-color:rgb(0,0,0);border-right-color:rgb(0,0,0);"
      "border-top-color:rgb(0,0,0);border-bottom-color:rgb(0,0,0);";
  const std::string expected =
      "<style>\r\n<!--\r\n"
      ".petit{ font-family:'Arial','serif';font-size:10pt;}\r\n"
      ".grand{ font-family:'Arial','serif';font-size:18pt;}\r\n"
      ".titre{ font-family:'Arial','serif';font-size:10pt;text-decoration:underline ;}\r\n"
      ".celnorm{ font-family:'Arial','serif';font-size:10pt;text-decoration:none;" + sides + "}\r\n"
      ".celgris{ font-family:'Arial','serif';font-size:10pt;text-decoration:none;"
      "background-color:rgb(239,239,239);" + sides + "}\r\n"
      "\r\n-->\r\n</style>";
  EXPECT_NE(html.find(expected), std::string::npos) << html;
  std::remove(page.fileName().GetString());
}

TEST(HtmlBlocks, TextsAndTables) {
  EXPECT_STREQ(htmlText("Titre", "CLASS=grand").render().GetString(), "<P CLASS=grand>Titre</P>");
  EXPECT_STREQ(htmlText(3.14159, 3, "class=petit", kHtmlListItem).render().GetString(),
               "<LI class=petit>3.142</LI>");
  EXPECT_STREQ(htmlText(1.0, 0, "", 2).render().GetString(), "");

  htmlTable table;
  htmlSetStandardTable(table);
  table.setBorder(-1);  // ignored: the standard border stays
  table.beginRow("CLASS=celgris");
  table.addCell("Num", "CLASS=celgris");
  table.beginRow("");
  table.addCell(12.3456, 2, "class=celnorm align=right");
  table.addCell(-7, "class=celnorm");
  EXPECT_STREQ(table.close().GetString(),
               "<table text-align=\"center\" border=\"0\" cellpadding=\"0\" cellspacing =\"0\">\n"
               "<tr CLASS=celgris><td CLASS=celgris>Num</td></tr>"
               "<tr ><td class=celnorm align=right>12.35</td><td class=celnorm>-7</td></tr></table>");

  table.clear();
  htmlTable bare;
  bare.setCellPadding(-3);
  bare.beginRow("");
  bare.endRow();
  EXPECT_STREQ(bare.close().GetString(), "<table >\n<tr ></tr></table>");
}

TEST(HtmlPageFile, PageWithoutStylesAndItsTemporaryFile) {
  htmlPage page;
  page.addHeadLine("<title>T</title>");
  page.addBodyLine("<P >a</P>");
  page.write();
  const std::string path = page.fileName().GetString();
  const std::string name = std::filesystem::path(path).filename().string();
  EXPECT_EQ(name.rfind("_TP", 0), 0u) << name;
  EXPECT_EQ(name.substr(name.size() - 5), ".html");
  // The empty file the name was made from stays beside the page.
  EXPECT_TRUE(std::filesystem::exists(path.substr(0, path.size() - 5)));
  EXPECT_EQ(fileContents(path),
            "<html>\r\n<head>\r\n\r\n<title>T</title>\r\n<style>\r\n<!--\r\n\r\n-->\r\n</style>\r\n"
            "</head>\r\n\r\n\r\n<body bgcolor:rgb(255,255,255) text:rgb(0,0,0) "
            "alink:rgb(255,0,0) vlink:rgb(128,0,128) link:rgb(0,0,255) >\r\n\r\n<P >a</P>\r\n"
            "\r\n</body>\r\n</html>\r\n");
  std::remove(path.c_str());
  std::remove(path.substr(0, path.size() - 5).c_str());
}

// Report texts carry their own CR LF: the file still has one CR before each LF, and no bare LF.
TEST(HtmlPageFile, LineEndsAreSingleCrLf) {
  htmlPage page;
  page.setFileName((std::filesystem::temp_directory_path() / "line_ends.html").string().c_str());
  page.addBodyLine("<P >\r\nStation\r\n\r\nfin</P>");
  page.addBodyLine("a\nb");
  page.write();
  const std::string html = fileContents(page.fileName().GetString());
  EXPECT_EQ(html.find("\r\r"), std::string::npos) << html;
  for (size_t i = html.find('\n'); i != std::string::npos; i = html.find('\n', i + 1)) {
    ASSERT_GT(i, 0u);
    EXPECT_EQ(html[i - 1], '\r') << "bare LF at " << i;
  }
  EXPECT_NE(html.find("<P >\r\nStation\r\n\r\nfin</P>\r\na\r\nb\r\n"), std::string::npos) << html;
  std::remove(page.fileName().GetString());
}

TEST(HtmlPageFile, UnwritablePathWritesNothingAndKeepsThePath) {
  htmlPage page;
  page.setFileName("/nonexistent-folder/sub/page.html");
  page.write();
  EXPECT_STREQ(page.fileName().GetString(), "/nonexistent-folder/sub/page.html");
  EXPECT_FALSE(std::filesystem::exists("/nonexistent-folder/sub/page.html"));
}

}  // namespace
