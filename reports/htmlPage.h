// A report page: its colours, style sheet, head and body lines, written to one HTML file.
#pragma once
#include <vector>

#include "reports/htmlColor.h"
#include "ui/afxstr.h"

class htmlPage {
 public:
  htmlPage();

  // Writes to that file instead of a temporary one.
  void setFileName(const CStringA& path);
  void addStyle(const CStringA& selector, const CStringA& body);
  void addHeadLine(const CStringA& text);
  void addBodyLine(const CStringA& text);

  // Writes the page (to a new temporary "_TP….html" file unless a path was set). A file that
  // cannot be created is silently not written; the path is still the one tried.
  void write();
  const CStringA& fileName() const { return path_; }

  htmlColor& background() { return background_; }
  htmlColor& text() { return text_; }
  htmlColor& link() { return link_; }
  htmlColor& activeLink() { return activeLink_; }
  htmlColor& visitedLink() { return visitedLink_; }

 private:
  CStringA page() const;

  htmlColor background_;
  htmlColor text_;
  htmlColor link_;
  htmlColor activeLink_;
  htmlColor visitedLink_;
  CStringA path_;
  bool temporary_ = true;
  std::vector<CStringA> selectors_;
  std::vector<CStringA> styleBodies_;
  std::vector<CStringA> headLines_;
  std::vector<CStringA> bodyLines_;
};

// The five classes every report uses: .petit, .grand, .titre, .celnorm, .celgris.
void addStandardReportStyles(htmlPage& page);
