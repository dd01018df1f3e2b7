#include "reports/htmlPage.h"

#include <cstdio>
#include <string>

#include "os/codepage.h"
#include "os/winfile.h"

namespace {

// A new empty temporary file "_TP…" (left in place) and the page's name beside it.
CStringA temporaryPagePath() {
  char folder[511];
  char name[511];
  if (GetTempPathA(sizeof folder, folder) == 0) return CStringA();
  if (GetTempFileNameA(folder, "_TP", 0, name) == 0) return CStringA();
  return CStringA(name) + ".html";
}

}  // namespace

htmlPage::htmlPage() {
  background_.setNamed(kHtmlWhite);
  text_.setNamed(kHtmlBlack);
  link_.setNamed(kHtmlBlue);
  activeLink_.setNamed(kHtmlRed);
  visitedLink_.setNamed(kHtmlPurple);
}

void htmlPage::setFileName(const CStringA& path) {
  path_ = path;
  temporary_ = false;
}

void htmlPage::addStyle(const CStringA& selector, const CStringA& body) {
  selectors_.push_back(selector);
  styleBodies_.push_back(body);
}

void htmlPage::addHeadLine(const CStringA& text) { headLines_.push_back(text); }

void htmlPage::addBodyLine(const CStringA& text) { bodyLines_.push_back(text); }

CStringA htmlPage::page() const {
  CStringA html = "<html>\n<head>\n\n";
  for (const CStringA& line : headLines_) html += line + "\n";
  html += "<style>\n<!--\n";
  for (size_t i = 0; i < selectors_.size(); ++i) {
    html += selectors_[i] + "{" + styleBodies_[i] + "}\n";
  }
  html += "\n-->\n</style>\n</head>\n\n";
  CStringA body;
  body.Format("\n<body bgcolor:%s text:%s alink:%s vlink:%s link:%s >\n\n",
              background_.toCss().GetString(), text_.toCss().GetString(),
              activeLink_.toCss().GetString(), visitedLink_.toCss().GetString(),
              link_.toCss().GetString());
  html += body;
  for (const CStringA& line : bodyLines_) html += line + "\n";
  html += "\n</body>\n</html>\n";
  return html;
}

// Every line ends with CR LF, written here once: the file is opened in binary so that no text
// mode adds a second CR, and a line already ending with CR LF (report texts carry some) keeps
// its single CR.
void htmlPage::write() {
  if (temporary_ || path_.IsEmpty()) path_ = temporaryPagePath();
  FILE* file = _wfopen(ansiToWide(path_.GetString()).c_str(), L"wb");
  if (file == nullptr) return;
  const CStringA html = page();
  std::string bytes;
  bytes.reserve(static_cast<size_t>(html.GetLength()) * 21 / 20);
  char previous = '\0';
  for (const char* c = html.GetString(); *c != '\0'; ++c) {
    if (*c == '\n' && previous != '\r') bytes.push_back('\r');
    bytes.push_back(*c);
    previous = *c;
  }
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}
