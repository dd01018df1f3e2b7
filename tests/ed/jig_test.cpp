// The drag loop: samples from cursor movements, the final answer, keywords, Enter, cancel and
// refused numbers, through a jig that records what its sampler receives.
#include <cmath>
#include <vector>

#include "db/dbents.h"
#include "draw_fixture.h"
#include "ed/aced.h"
#include "ed/dbjig.h"

namespace {

// Drags the end of a line from a fixed start; what it samples is a point (with the start as base),
// a distance or an angle.
class LineEndJig : public AcEdJig {
 public:
  enum Acquire { kPointFromStart, kPointAlone, kDistance, kAngle };
  explicit LineEndJig(Acquire acquire) : acquire_(acquire), line_(new AcDbLine()) {
    line_->setStartPoint(AcGePoint3d(0, 0, 0));
  }
  ~LineEndJig() override {
    if (line_->objectId().isNull()) delete line_;
  }

  DragStatus sampler() override {
    DragStatus status = kNormal;
    AcGePoint3d p;
    double value = 0.0;
    switch (acquire_) {
      case kPointFromStart:
        status = acquirePoint(p, AcGePoint3d(0, 0, 0));
        break;
      case kPointAlone:
        status = acquirePoint(p);
        break;
      case kDistance:
        status = acquireDist(value, AcGePoint3d(0, 0, 0));
        break;
      case kAngle:
        status = acquireAngle(value, AcGePoint3d(0, 0, 0));
        break;
    }
    if (status != kNormal) return status;
    if (acquire_ == kDistance || acquire_ == kAngle) p.set(value, 0, 0);
    // The same point twice in a row is no change.
    if (!samples.empty() && samples.back().isEqualTo(p)) {
      samples.push_back(p);
      return kNoChange;
    }
    samples.push_back(p);
    return kNormal;
  }

  Adesk::Boolean update() override {
    ++updates;
    line_->setEndPoint(samples.back());
    return refuseUpdate ? Adesk::kFalse : Adesk::kTrue;
  }

  AcDbEntity* entity() const override { return line_; }

  std::vector<AcGePoint3d> samples;
  int updates = 0;
  bool refuseUpdate = false;

 private:
  Acquire acquire_;
  AcDbLine* line_;
};

class Jig : public DrawingCommand {};

TEST_F(Jig, MovementsAreSamplesAndAPointEndsTheDrag) {
  LineEndJig jig(LineEndJig::kPointFromStart);
  jig.setDispPrompt(L"\nExtrémité <%ls>: ", L"point");
  answer({L">1,1", L">2,2", L">2,2", L"@3,0"});
  EXPECT_EQ(jig.drag(), AcEdJig::kNormal);
  ASSERT_EQ(jig.samples.size(), 4u);
  EXPECT_POINT(jig.samples[0], 1, 1);
  EXPECT_POINT(jig.samples[3], 3, 0);  // relative to the base point
  EXPECT_EQ(jig.updates, 3);           // the repeated position changed nothing
  // Only the prompt and the final answer are shown.
  EXPECT_EQ(transcript(), L"\nExtrémité <point>: @3,0\n");

  AcDbObjectId id = jig.append();
  ASSERT_FALSE(id.isNull());
  EXPECT_EQ(db->openObjectCount(), 0);
  read<AcDbLine>(id, [&](const AcDbLine& line) {
    EXPECT_POINT(line.endPoint(), 3, 0);
    EXPECT_EQ(line.layerId(), db->clayer());
    EXPECT_EQ(line.ownerId(), db->modelSpaceId());
  });
}

TEST_F(Jig, KeywordsInListOrderAndOtherInput) {
  LineEndJig jig(LineEndJig::kPointAlone);
  jig.setKeywordList(L"Origine Rotation Diagonale");
  jig.setDispPrompt(L"\nOrigine Rotation Diagonale <Point sur le côté opposé>");
  answer({L">1,0", L"d", L"ROT", L"_Origine", L"zz", L"o"});
  EXPECT_EQ(jig.drag(), AcEdJig::kKW3);
  ACHAR text[kAcedGetStringBufferLength];
  acedGetInput(text);
  EXPECT_STREQ(text, L"Diagonale");
  EXPECT_EQ(jig.drag(), AcEdJig::kKW2);
  EXPECT_EQ(jig.drag(), AcEdJig::kKW1);
  // Unknown text is refused and asked again.
  EXPECT_EQ(jig.drag(), AcEdJig::kKW1);
  EXPECT_NE(transcript().find(L"zz\nNécessite un point ou un mot-clé d'option.\n"
                              L"\nOrigine Rotation Diagonale <Point sur le côté opposé>o\n"),
            std::wstring::npos);
  EXPECT_EQ(jig.updates, 1);  // only the movement

  jig.setUserInputControls(AcEdJig::kAcceptOtherInputString);
  answer({L"zz"});
  EXPECT_EQ(jig.drag(), AcEdJig::kOther);
  acedGetInput(text);
  EXPECT_STREQ(text, L"zz");
}

TEST_F(Jig, EnterCancelAndTheEndOfTheInput) {
  LineEndJig jig(LineEndJig::kPointAlone);
  jig.setDispPrompt(L"\nPoint: ");
  answer({L"", L"^C"});
  EXPECT_EQ(jig.drag(), AcEdJig::kCancel);
  EXPECT_EQ(transcript(), L"\nPoint: \nPoint non valide.\n\nPoint: *Annuler*\n");

  jig.setUserInputControls(AcEdJig::kNullResponseAccepted);
  answer({L">1,2", L""});
  EXPECT_EQ(jig.drag(), AcEdJig::kNull);
  answer({L">5,5"});
  EXPECT_EQ(jig.drag(), AcEdJig::kCancel);  // the input ended mid-drag
  EXPECT_EQ(jig.updates, 2);
}

TEST_F(Jig, TypedDistanceAlongTheCursorAndRefusedNumbers) {
  LineEndJig jig(LineEndJig::kPointFromStart);
  jig.setUserInputControls(static_cast<AcEdJig::UserInputControls>(
      AcEdJig::kNoZeroResponseAccepted | AcEdJig::kNoNegativeResponseAccepted));
  jig.setDispPrompt(L"\nCôté: ");
  answer({L">3,4", L"0", L"-1", L"10"});
  EXPECT_EQ(jig.drag(), AcEdJig::kNormal);
  EXPECT_POINT(jig.samples.back(), 6, 8);
  EXPECT_NE(transcript().find(L"La valeur doit être non nulle."), std::wstring::npos);
  EXPECT_NE(transcript().find(L"La valeur doit être positive."), std::wstring::npos);
}

TEST_F(Jig, DistancesAndAnglesFromTheBasePoint) {
  LineEndJig distance(LineEndJig::kDistance);
  answer({L">3,4", L"7.5"});
  EXPECT_EQ(distance.drag(), AcEdJig::kNormal);
  ASSERT_EQ(distance.samples.size(), 2u);
  EXPECT_DOUBLE_EQ(distance.samples[0].x, 5.0);
  EXPECT_DOUBLE_EQ(distance.samples[1].x, 7.5);

  LineEndJig angle(LineEndJig::kAngle);
  answer({L">0,2", L"-90", L"0,-3"});
  EXPECT_EQ(angle.drag(), AcEdJig::kNormal);
  EXPECT_EQ(angle.drag(), AcEdJig::kNormal);
  ASSERT_EQ(angle.samples.size(), 3u);
  EXPECT_NEAR(angle.samples[0].x, M_PI / 2.0, 1e-12);
  EXPECT_NEAR(angle.samples[1].x, 1.5 * M_PI, 1e-12);  // degrees, within [0, 2π)
  EXPECT_NEAR(angle.samples[2].x, 1.5 * M_PI, 1e-12);  // a point picked from the base
}

TEST_F(Jig, UpdateRefusingTheFinalValueGivesOther) {
  LineEndJig jig(LineEndJig::kPointAlone);
  jig.refuseUpdate = true;
  answer({L">1,1", L"2,2"});
  EXPECT_EQ(jig.drag(), AcEdJig::kOther);
}

}  // namespace
