// The drawing view over the example drawing, 800 x 600 pixels at zoom extents, for the tests of
// what it draws.
#pragma once
#include <gtest/gtest.h>

#include <QImage>

#include "gui/window_fixture.h"
#include "view/drawing_view.h"

namespace guitest {

class ExampleViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    document_ = openDocument(examplePath());
    ASSERT_NE(document_, nullptr);
    view_.resize(800, 600);
    view_.setDocument(document_);
    view_.zoomExtents();
  }
  void TearDown() override {
    view_.setDocument(nullptr);
    acDocManager->closeAll();
  }

  AcDbDatabase* db() const { return document_->database(); }

  // Pixels that differ between two pictures of the same size (all of them when the sizes differ).
  static int differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height();
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x)
        if (a.pixel(x, y) != b.pixel(x, y)) ++differing;
    return differing;
  }

  AcApDocument* document_ = nullptr;
  gui::DrawingView view_;
};

}  // namespace guitest
