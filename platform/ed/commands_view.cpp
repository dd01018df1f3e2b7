// The view commands: ZOOM (window, extents, all, centre, scale, previous, objects) and REGEN.
#include <cmath>
#include <cwchar>
#include <cwctype>
#include <string>
#include <vector>

#include "db/dbentity.h"
#include "db/dbextents.h"
#include "ed/aced.h"
#include "ed/acedsel.h"
#include "ed/command_line.h"
#include "ed/host_command_families.h"
#include "ed/view.h"
#include "os/case_map.h"

namespace ed {
namespace {

namespace text {
const wchar_t* const kZoomPrompt =
    L"\nSpécifiez le coin de la fenêtre, entrez un facteur d'échelle (nX ou nXP), ou "
    L"[Tout/Centre/DYnamique/Etendu/Précédent/Echelle/Fenêtre/Objet] <temps réel> : ";
// "E" is Etendu; Echelle needs "EC" at least.
const wchar_t* const kZoomKeywords =
    L"Tout Centre DYnamique Etendu Précédent Echelle Fenêtre Objet "
    L"_All Center Dynamic Extents Previous Scale Window Object";
const wchar_t* const kFirstCorner = L"\nSpécifiez le premier coin : ";
const wchar_t* const kOppositeCorner = L"\nSpécifiez le coin opposé : ";
const wchar_t* const kCenterPoint = L"\nSpécifiez le point central : ";
std::wstring magnification(const std::wstring& height) {
  return L"\nEntrez une valeur d'agrandissement ou une hauteur <" + height + L"> : ";
}
const wchar_t* const kScalePrompt = L"\nEntrez un facteur d'échelle (nX ou nXP) : ";
const wchar_t* const kRealTime =
    L"\nAppuyez sur Echap ou Entrée pour quitter, ou cliquez avec le bouton droit de la souris "
    L"pour afficher le menu contextuel.";
const wchar_t* const kNoPrevious = L"\nAucune vue précédente n'est enregistrée.";
// Refusals of an answer, printed under it before the question is asked again.
const wchar_t* const kFlatWindow = L"La fenêtre doit avoir une largeur ou une hauteur.\n";
const wchar_t* const kNeedScale =
    L"Nécessite un point, un facteur d'échelle (nX ou nXP) ou un mot-clé d'option.\n";
const wchar_t* const kNeedScaleOnly = L"Nécessite un facteur d'échelle positif (n, nX ou nXP).\n";
const wchar_t* const kNothingToShow = L"\nAucun objet sélectionné n'a d'étendue.";
const wchar_t* const kRegenerating = L"\nRégénération du dessin.";
}  // namespace text

// A scale typed as n (relative to the limits), nX (relative to the current view) or nXP
// (relative to paper space units, the same here: model space has no paper viewport).
struct Scale {
  double factor = 0.0;
  bool relativeToView = false;
};

bool parseScale(const std::wstring& typed, Scale& scale) {
  std::wstring text = toUpperLatin(typed);
  bool relative = false;
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, L"XP") == 0) {
    text.erase(text.size() - 2);
    relative = true;
  } else if (!text.empty() && text.back() == L'X') {
    text.pop_back();
    relative = true;
  }
  if (text.empty()) return false;
  wchar_t* end = nullptr;
  double value = std::wcstod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(value) || value <= 0.0) return false;
  scale.factor = value;
  scale.relativeToView = relative;
  return true;
}

void applyScale(View& view, const Scale& scale) {
  if (scale.relativeToView) view.zoomScale(scale.factor);
  else view.zoomScaleLimits(scale.factor);
}

std::wstring fixed4(double value) {
  wchar_t buffer[64];
  std::swprintf(buffer, 64, L"%.4f", value);
  std::wstring text = buffer;
  for (wchar_t& c : text)
    if (c == L',') c = L'.';
  return text;
}

AcGePoint3d pointOf(const ads_point p) { return AcGePoint3d(p[0], p[1], p[2]); }

// Asks for the opposite corner of a window and shows it; a cancel leaves the view as it is.
void zoomToWindow(View& view, const ads_point first) {
  for (;;) {
    ads_point second;
    if (acedGetCorner(first, text::kOppositeCorner, second) != RTNORM) return;
    if (view.zoomWindow(pointOf(first), pointOf(second)) == Acad::eOk) return;
    acutPrintf(L"%s", text::kFlatWindow);
  }
}

void zoomWindowAsked(View& view) {
  ads_point first;
  if (acedGetPoint(nullptr, text::kFirstCorner, first) != RTNORM) return;
  zoomToWindow(view, first);
}

void zoomCenterAsked(View& view) {
  ads_point center;
  int code = acedGetPoint(nullptr, text::kCenterPoint, center);
  if (code == RTCAN || code == RTERROR) return;
  if (code == RTNONE) {
    AcGePoint3d current = view.center();
    center[0] = current.x;
    center[1] = current.y;
    center[2] = current.z;
  }
  std::wstring prompt = text::magnification(fixed4(view.height()));
  for (;;) {
    acedInitGet(RSG_NOZERO | RSG_NONEG | RSG_OTHER, L"");
    double height = 0.0;
    code = acedGetDist(center, prompt.c_str(), &height);
    if (code == RTCAN || code == RTERROR) return;
    if (code == RTNONE) height = view.height();
    if (code == RTKWORD) {
      ACHAR typed[kAcedGetStringBufferLength];
      acedGetInput(typed);
      Scale scale;
      if (!parseScale(typed, scale) || !scale.relativeToView) {
        acutPrintf(L"%s", text::kNeedScaleOnly);
        continue;
      }
      height = view.height() / scale.factor;
    }
    view.zoomCenter(pointOf(center), height);
    return;
  }
}

void zoomScaleAsked(View& view) {
  for (;;) {
    ACHAR typed[kAcedGetStringBufferLength];
    if (acedGetString(0, text::kScalePrompt, typed) != RTNORM || typed[0] == 0) return;
    Scale scale;
    if (parseScale(typed, scale)) {
      applyScale(view, scale);
      return;
    }
    acutPrintf(L"%s", text::kNeedScaleOnly);
  }
}

void zoomObjectsAsked(View& view) {
  ads_name set;
  if (acedSSGet(nullptr, nullptr, nullptr, nullptr, set) != RTNORM) return;
  std::vector<AcDbObjectId> ids;
  selectionSetIds(set, ids);
  acedSSFree(set);
  AcDbExtents total;
  for (const AcDbObjectId& id : ids) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) continue;
    AcDbExtents extents;
    if (entity->getGeomExtents(extents) == Acad::eOk && !extents.isEmpty()) total.addExt(extents);
    entity->close();
  }
  if (total.isEmpty()) {
    acutPrintf(L"%s", text::kNothingToShow);
    return;
  }
  view.zoomBox(total.minPoint(), total.maxPoint(), kExtentsMargin);
}

void zoomPreviousAsked(View& view) {
  if (view.zoomPrevious() != Acad::eOk) acutPrintf(L"%s", text::kNoPrevious);
}

// Keywords typed without their accents, as a French keyboard without dead keys gives them.
std::wstring unaccentedKeyword(const std::wstring& typed) {
  const std::wstring up = toUpperLatin(typed);
  if (up.size() >= 3 && std::wstring(L"FENETRE").compare(0, up.size(), up) == 0) return L"Window";
  if (up.size() >= 1 && std::wstring(L"PRECEDENT").compare(0, up.size(), up) == 0) return L"Previous";
  return std::wstring();
}

void runKeyword(View& view, const std::wstring& keyword) {
  if (keyword == L"All") view.zoomAll();
  else if (keyword == L"Center") zoomCenterAsked(view);
  else if (keyword == L"Extents") view.zoomExtents();
  else if (keyword == L"Previous") zoomPreviousAsked(view);
  else if (keyword == L"Scale") zoomScaleAsked(view);
  else if (keyword == L"Object") zoomObjectsAsked(view);
  // The dynamic view box is placed by its two corners here.
  else if (keyword == L"Window" || keyword == L"Dynamic") zoomWindowAsked(view);
}

void zoomCommand() {
  View view = View::current();
  for (;;) {
    acedInitGet(RSG_OTHER, text::kZoomKeywords);
    ads_point corner;
    int code = acedGetPoint(nullptr, text::kZoomPrompt, corner);
    if (code == RTNORM) {
      zoomToWindow(view, corner);
      return;
    }
    if (code == RTNONE) {
      // Real-time zoom follows the mouse; from a script or the keyboard it ends at once.
      acutPrintf(L"%s", text::kRealTime);
      return;
    }
    if (code != RTKWORD) return;
    ACHAR typed[kAcedGetStringBufferLength];
    acedGetInput(typed);
    static const wchar_t* const kGlobals[] = {L"All",      L"Center", L"Dynamic", L"Extents",
                                              L"Previous", L"Scale",  L"Window",  L"Object"};
    std::wstring keyword;
    for (const wchar_t* global : kGlobals)
      if (typed == std::wstring(global)) keyword = global;
    if (keyword.empty()) keyword = unaccentedKeyword(typed);
    if (!keyword.empty()) {
      runKeyword(view, keyword);
      return;
    }
    Scale scale;
    if (parseScale(typed, scale)) {
      applyScale(view, scale);
      return;
    }
    acutPrintf(L"%s", text::kNeedScale);
  }
}

void regenCommand() {
  acutPrintf(L"%s", text::kRegenerating);
  View::current().regen();
}

}  // namespace

void addViewCommands(AcEdCommandStack& stack) {
  addHostCommand(stack, L"ZOOM", L"ZOOM", zoomCommand, ACRX_CMD_TRANSPARENT);
  addHostCommand(stack, L"REGEN", L"REGEN", regenCommand);
}

}  // namespace ed
