#include <cwchar>

#include "ui/afxwin.h"

BOOL CException::GetErrorMessage(LPTSTR error, UINT maxError, UINT* helpContext) const {
  if (helpContext) *helpContext = 0;
  CString text = message();
  if (!error || maxError == 0) return FALSE;
  std::wcsncpy(error, text.GetString(), maxError - 1);
  error[maxError - 1] = L'\0';
  return !text.IsEmpty();
}

int CException::ReportError(UINT type, UINT messageId) const {
  CString text = message();
  if (text.IsEmpty()) {
    if (messageId != 0) return AfxMessageBox(messageId, type);
    text = L"Aucun message d'erreur n'est disponible.";
  }
  return AfxMessageBox(text, type);
}

void CException::Delete() {
  if (autoDelete_) delete this;
}

CString CInvalidArgException::message() const { return L"Un argument non valide a été rencontré."; }
CString CMemoryException::message() const { return L"Mémoire insuffisante."; }

void AfxThrowInvalidArgException() { throw new CInvalidArgException; }
void AfxThrowUserException() { throw new CUserException; }
void AfxThrowMemoryException() { throw new CMemoryException; }
