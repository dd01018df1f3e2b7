// The style sheet shared by every report. One style is changed step by step: each class keeps
// what the previous ones set, as the reports' pages have always shown them.
#include "reports/htmlPage.h"
#include "reports/htmlStyle.h"

void addStandardReportStyles(htmlPage& page) {
  htmlStyle style;
  style.setFont("Arial", "serif");
  style.setFontSize(htmlSize(10, kHtmlPoints));
  page.addStyle(".petit", style.toCss());

  style.setFontSize(htmlSize(18, kHtmlPoints));
  page.addStyle(".grand", style.toCss());

  style.setFontSize(htmlSize(10, kHtmlPoints));
  style.setTextDecoration(kHtmlUnderline);
  page.addStyle(".titre", style.toCss());

  style.setFontSize(htmlSize(10, kHtmlPoints));
  style.setTextDecoration(0);
  style.setBorderStyles(htmlBorderStyle(kHtmlBorderSolid));
  style.setBorderColors(htmlColor(0, 0, 0));
  style.setBorderWidths(htmlSize(1, kHtmlPixels));
  style.setPaddings(htmlSize(4, kHtmlPixels));
  style.setMargins(htmlSize(4, kHtmlPixels));
  page.addStyle(".celnorm", style.toCss());

  style.setBackgroundColor(htmlColor(239, 239, 239));
  page.addStyle(".celgris", style.toCss());
}
