// The large drawing the benchmarks share: 200,000 entities of the mix a surveyor's plan holds
// (survey points as block references with two attributes, lines, circles, closed lightweight
// polylines with a bulge, texts), 40,000 of each, laid out on a grid of 400 columns.
#pragma once
#include <memory>

class AcDbDatabase;

constexpr int kPlanEntitiesPerKind = 40000;
constexpr int kPlanEntities = 5 * kPlanEntitiesPerKind;

// A new drawing holding the plan; it becomes the working database.
std::unique_ptr<AcDbDatabase> buildSurveyPlanDrawing();
