// Comparison helpers for the geometry tests.
#pragma once
#include <gtest/gtest.h>

#include "ge/gepnt2d.h"
#include "ge/gepnt3d.h"

#define EXPECT_PT2(p, ex, ey, tol)  \
  do {                              \
    const AcGePoint2d p_ = (p);     \
    EXPECT_NEAR(p_.x, (ex), (tol)); \
    EXPECT_NEAR(p_.y, (ey), (tol)); \
  } while (0)

#define EXPECT_PT3(p, ex, ey, ez, tol) \
  do {                                 \
    const auto p_ = (p);               \
    EXPECT_NEAR(p_.x, (ex), (tol));    \
    EXPECT_NEAR(p_.y, (ey), (tol));    \
    EXPECT_NEAR(p_.z, (ez), (tol));    \
  } while (0)
