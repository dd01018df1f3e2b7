// Message-map lookup and calls: a class's map is searched first, then its bases' maps.
#include "ui/afxwin.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, {nullptr}}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const {
  for (const AFX_MSGMAP* map = GetMessageMap(); map;
       map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->nSig != AfxSig_end; ++e) {
      if (e->nMessage != message) continue;
      if (message != WM_COMMAND && message != WM_NOTIFY) return e;
      // Ids compare as the 16 bits the message carries (IDC_STATIC is 0xFFFF there).
      WORD first = static_cast<WORD>(e->nID), last = static_cast<WORD>(e->nLastID);
      WORD wid = static_cast<WORD>(id);
      bool inRange = first <= last ? (wid >= first && wid <= last) : wid == first;
      if (e->nCode == code && inRange) return e;
    }
  }
  return nullptr;
}

LRESULT CCmdTarget::CallMessageEntry(const AFX_MSGMAP_ENTRY* entry, UINT id, WPARAM wParam,
                                     LPARAM lParam) {
  switch (entry->nSig) {
    case AfxSig_vv:
      (this->*entry->handler.pfn)();
      return 0;
    case AfxSig_vw:
      (this->*entry->handler.pfnId)(id);
      return 0;
    case AfxSig_vNMHDRpl: {
      LRESULT result = 0;
      (this->*entry->handler.pfnNotify)(reinterpret_cast<NMHDR*>(lParam), &result);
      return result;
    }
    case AfxSig_lwl:
      return (this->*entry->handler.pfnMessage)(wParam, lParam);
    default:
      return 0;
  }
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
  (void)pExtra;
  (void)pHandlerInfo;
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_COMMAND, static_cast<UINT>(nCode), nID);
  if (!entry) return FALSE;
  CallMessageEntry(entry, nID, 0, 0);
  return TRUE;
}
