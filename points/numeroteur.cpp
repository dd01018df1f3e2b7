#include "points/numeroteur.h"

CString incrementeAlpha(const CString& text) {
  if (text.IsEmpty()) return L"A";
  CString result = text;
  for (int i = result.GetLength() - 1; i >= 0; --i) {
    if (result[i] != L'Z') {
      result.SetAt(i, static_cast<wchar_t>(result[i] + 1));
      return result;
    }
    result.SetAt(i, L'A');
  }
  return L"A" + result;
}

void numeroteur::incrementeSuffixe() { suffixe_ = incrementeAlpha(suffixe_); }

void numeroteur::incrementePrefixe() { prefixe_ = incrementeAlpha(prefixe_); }

CString numeroteurEntier::getNextName() {
  CString name;
  name.Format(L"%s%d%s", prefixe_.GetString(), numero_, suffixe_.GetString());
  numero_ += pas_;
  return name;
}

void numeroteurEntier::incrementeSuffixe() {
  numeroteur::incrementeSuffixe();
  numero_ = depart_;
}

void numeroteurEntier::incrementePrefixe() {
  numeroteur::incrementePrefixe();
  numero_ = depart_;
}

int numeroteurEntier::numeroCourant(int consume) {
  const int current = numero_;
  if (consume != 0) ++numero_;
  return current;
}

void numeroteurEntier::setParams(const CString& prefixe, int numero, const CString& suffixe, int pas) {
  prefixe_ = prefixe;
  numero_ = numero;
  suffixe_ = suffixe;
  pas_ = pas;
}
