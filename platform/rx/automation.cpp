#include <string>

#include "ed/view.h"
#include "os/case_map.h"
#include "rx/acaxdoc.h"
#include "rx/acdocman.h"

namespace {

bool sameName(const wchar_t* a, const wchar_t* b) {
  if (a == nullptr) return false;
  for (; *a != 0 && *b != 0; ++a, ++b) {
    if (toUpperLatin(*a) != toUpperLatin(*b)) return false;
  }
  return *a == *b;
}

}  // namespace

HRESULT AcAxDocument::invoke(const wchar_t* name, const std::vector<AcAxValue>& args) {
  if (sameName(name, L"StartUndoMark")) {
    if (!args.empty()) return DISP_E_BADPARAMCOUNT;
    document_->startUndoMark();
    return S_OK;
  }
  if (sameName(name, L"EndUndoMark")) {
    if (!args.empty()) return DISP_E_BADPARAMCOUNT;
    // An end without a start is harmless, as on the host.
    document_->endUndoMark();
    return S_OK;
  }
  return DISP_E_UNKNOWNNAME;
}

HRESULT AcAxApplication::invoke(const wchar_t* name, const std::vector<AcAxValue>& args) {
  if (sameName(name, L"ZoomWindow")) {
    if (args.size() != 2) return DISP_E_BADPARAMCOUNT;
    const auto* p1 = std::get_if<AcGePoint3d>(&args[0]);
    const auto* p2 = std::get_if<AcGePoint3d>(&args[1]);
    if (p1 == nullptr || p2 == nullptr) return E_INVALIDARG;
    AcApDocument* document = acDocManager->mdiActiveDocument();
    if (document == nullptr) return E_FAIL;
    // The corners may be given in any order; a window without width or height shows nothing.
    if (ed::View::of(document).zoomWindow(*p1, *p2) != Acad::eOk) return E_INVALIDARG;
    return S_OK;
  }
  return DISP_E_UNKNOWNNAME;
}

AcAxApplication* acedGetAcadApplication() {
  static AcAxApplication application;
  return &application;
}
