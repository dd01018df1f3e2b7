// The drawing tools at scale: label overlap reduction on crowded plans (grid search against the
// all-pairs one), and the grid of a 1,000-vertex region with 10,000 inside nodes, computed and
// drawn. Each run reports the process's peak memory.
//
//   outils_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include "peak_memory.h"

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbpl.h"
#include "db/dbsymtb.h"
#include "ed/editor.h"
#include "resources/ressourcesModule.h"
#include "rx/acdocman.h"
#include "tools/commandesOutils.h"
#include "ui/dialog_driver.h"
#include "tools/grilleCarroyage.h"
#include "tools/superpositions.h"

namespace {

// A crowded plan: points 1.5 units apart on average, each with a number and an altitude label
// (1.6 x 0.4), every tenth point a free text instead.
void planEncombre(std::size_t etiquettes, std::vector<entiteEtiquetee>& entites,
                  std::vector<boiteEtiquette>& boites) {
  std::mt19937 aleas(20);
  const double cote = std::sqrt(double(etiquettes) / 2.0) * 1.5;
  std::uniform_real_distribution<double> position(0.0, cote);
  for (std::uint32_t i = 0; boites.size() < etiquettes; ++i) {
    entiteEtiquetee e;
    e.index = i;
    e.x = position(aleas);
    e.y = position(aleas);
    e.genre = i % 10 == 0 ? kGenreTexte : kGenreBloc;
    entites.push_back(e);
    const int nombre = e.genre == kGenreTexte ? 1 : 2;
    for (int k = 0; k < nombre && boites.size() < etiquettes; ++k) {
      boiteEtiquette b;
      b.entite = i;
      b.x = e.x + 0.4;
      b.y = e.y - 0.5 * k;
      b.largeur = 1.6;
      b.hauteur = 0.4;
      boites.push_back(b);
    }
  }
}

void superpos(benchmark::State& state, rechercheVoisins recherche) {
  std::vector<entiteEtiquetee> entites;
  std::vector<boiteEtiquette> depart;
  planEncombre(static_cast<std::size_t>(state.range(0)), entites, depart);
  int passes = 0;
  for (auto _ : state) {
    std::vector<boiteEtiquette> boites = depart;
    passes = reduireSuperpositions(boites, entites, {}, recherche).iterations;
    benchmark::DoNotOptimize(boites.data());
  }
  state.counters["labels"] = double(depart.size());
  state.counters["passes"] = passes;
  state.counters["peak_MiB"] = peakMemoryMiB();
}

void BM_SuperposGrille(benchmark::State& state) { superpos(state, rechercheVoisins::grille); }
void BM_SuperposToutesPaires(benchmark::State& state) {
  superpos(state, rechercheVoisins::toutesPaires);
}

// A 1,000-vertex region with wavy sides round a disc of 10,000 grid cells of 10 x 10.
std::vector<sommetContour> regionOndulee() {
  std::vector<sommetContour> contour;
  const double rayon = std::sqrt(10000.0 / std::numbers::pi) * 10.0;
  for (int i = 0; i < 1000; ++i) {
    const double a = 2 * std::numbers::pi * i / 1000;
    const double r = rayon * 1.011 * (1.0 + 0.02 * std::sin(25 * a));
    contour.push_back({r * std::cos(a), r * std::sin(a), 0.0});
  }
  return contour;
}

void BM_Carroyage(benchmark::State& state) {
  const std::vector<sommetContour> contour = regionOndulee();
  parametresCarroyage p;
  p.pasX = p.pasY = 10.0;
  std::size_t croix = 0;
  for (auto _ : state) {
    const dessinCarroyage d = calculerCarroyage(contour, p);
    croix = (d.traits.size() - 2 * d.textes.size()) / 2;
    benchmark::DoNotOptimize(d.traits.data());
  }
  state.counters["nodes"] = double(croix);
  state.counters["peak_MiB"] = peakMemoryMiB();
}

// The whole command: the dialog answered from a script, the region chosen, the grid drawn as
// lines, texts and a group in a new drawing.
void BM_CarroyageDessin(benchmark::State& state) {
  ed::Editor& editeur = ed::Editor::instance();
  editeur.transcript().setStdout(false);
  enregistrerRessources();
  ui::setDialogDriver(nullptr);
  const std::vector<sommetContour> contour = regionOndulee();
  for (auto _ : state) {
    state.PauseTiming();
    acDocManager->closeAll();
    AcApDocument* document = acDocManager->newDocument();
    auto* region = new AcDbPolyline();
    for (unsigned int i = 0; i < contour.size(); ++i) {
      region->addVertexAt(i, AcGePoint2d(contour[i].x, contour[i].y));
    }
    region->setClosed(true);
    AcDbBlockTableRecord* espace = nullptr;
    acdbOpenObject(espace, document->database()->modelSpaceId(), AcDb::kForWrite);
    AcDbObjectId id;
    espace->appendAcDbEntity(id, region);
    region->close();
    espace->close();
    ACHAR poignee[32];
    id.handle().getIntoAsciiBuffer(poignee);
    editeur.setInput(std::make_unique<ed::QueueSource>(std::deque<std::wstring>{
        L"set 1145 10", L"set 1142 10", L"click 1146", std::wstring(L"#") + poignee, L"", L"ok"}));
    state.ResumeTiming();
    commandeCarroyage();
  }
  // What the last run drew (the region itself left out).
  double entites = -1;
  AcDbBlockTableRecord* espace = nullptr;
  if (acdbOpenObject(espace, acDocManager->curDocument()->database()->modelSpaceId(),
                     AcDb::kForRead) == Acad::eOk) {
    AcDbBlockTableRecordIterator* it = nullptr;
    espace->newIterator(it);
    for (; !it->done(); it->step()) entites += 1;
    delete it;
    espace->close();
  }
  state.counters["entities"] = entites;
  acDocManager->closeAll();
  editeur.setInput(nullptr);
  retirerRessources();
  state.counters["peak_MiB"] = peakMemoryMiB();
}

}  // namespace

BENCHMARK(BM_CarroyageDessin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SuperposGrille)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SuperposToutesPaires)->Arg(2000)->Arg(20000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Carroyage)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
