// Data exchange between a dialog's members and its controls, and the range checks, with the
// French framework's standard messages.
#include <cfloat>
#include <cmath>
#include <charconv>
#include <cwchar>
#include <cwctype>
#include <string>

#include "ui/window.h"

namespace {

const wchar_t kEnterInteger[] = L"Entrez un entier.";
const wchar_t kEnterPositiveInteger[] = L"Entrez un entier positif.";
const wchar_t kEnterNumber[] = L"Entrez un nombre.";
const wchar_t kIntegerRange[] = L"Entrez un entier compris entre %1 et %2.";
const wchar_t kNumberRange[] = L"Entrez un nombre compris entre %1 et %2.";
const wchar_t kMaxChars[] = L"Entrez au plus %1 caractères.";

std::wstring trimmed(const std::wstring& text) {
  size_t first = 0, last = text.size();
  while (first < last && std::iswspace(text[first])) ++first;
  while (last > first && std::iswspace(text[last - 1])) --last;
  return text.substr(first, last - first);
}

// The whole text, blanks around allowed, as an integer of [minValue, maxValue].
bool parseInteger(const std::wstring& text, long long minValue, long long maxValue,
                  long long& value) {
  std::wstring t = trimmed(text);
  std::string ascii;
  for (wchar_t c : t) {
    if (c > 127) return false;
    ascii += static_cast<char>(c);
  }
  if (!ascii.empty() && ascii[0] == '+') ascii.erase(0, 1);
  if (ascii.empty()) return false;
  auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  return error == std::errc() && end == ascii.data() + ascii.size() && value >= minValue &&
         value <= maxValue;
}

// "." is the decimal point whatever the locale.
bool parseReal(const std::wstring& text, double& value) {
  std::wstring t = trimmed(text);
  std::string ascii;
  for (wchar_t c : t) {
    if (c > 127) return false;
    ascii += static_cast<char>(c);
  }
  if (!ascii.empty() && ascii[0] == '+') ascii.erase(0, 1);
  if (ascii.empty()) return false;
  auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  return error == std::errc() && end == ascii.data() + ascii.size() && std::isfinite(value);
}

std::wstring formatReal(double value, int digits) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
  std::wstring text;
  for (const char* p = buffer; *p; ++p) text += *p == ',' ? L'.' : static_cast<wchar_t>(*p);
  return text;
}

std::wstring withArguments(const wchar_t* pattern, const std::wstring& a, const std::wstring& b) {
  std::wstring text = pattern;
  size_t at = text.find(L"%1");
  if (at != std::wstring::npos) text.replace(at, 2, a);
  at = text.find(L"%2");
  if (at != std::wstring::npos) text.replace(at, 2, b);
  return text;
}

[[noreturn]] void failWith(CDataExchange* pDX, const std::wstring& message) {
  AfxMessageBox(message.c_str(), MB_ICONEXCLAMATION);
  pDX->Fail();
}

std::wstring textOf(CDataExchange* pDX, int id) {
  return ui::controlText(pDX->PrepareEditCtrl(id));
}

void setTextOf(CDataExchange* pDX, int id, const std::wstring& text) {
  ui::setControlText(pDX->PrepareEditCtrl(id), text);
}

template <typename T>
void exchangeInteger(CDataExchange* pDX, int id, T& value, long long minValue, long long maxValue,
                     const wchar_t* message) {
  if (pDX->m_bSaveAndValidate) {
    long long parsed = 0;
    if (!parseInteger(textOf(pDX, id), minValue, maxValue, parsed)) failWith(pDX, message);
    value = static_cast<T>(parsed);
  } else {
    setTextOf(pDX, id, std::to_wstring(value));
  }
}

template <typename T>
void exchangeReal(CDataExchange* pDX, int id, T& value, int digits) {
  if (pDX->m_bSaveAndValidate) {
    double parsed = 0.0;
    if (!parseReal(textOf(pDX, id), parsed)) failWith(pDX, kEnterNumber);
    value = static_cast<T>(parsed);
  } else {
    setTextOf(pDX, id, formatReal(value, digits));
  }
}

// The radio buttons of the group that starts at first: up to the next group start or non-radio.
std::vector<HWND> radioGroup(HWND dialog, HWND first) {
  std::vector<HWND> group;
  bool inGroup = false;
  for (auto& child : dialog->children) {
    HWND c = child.get();
    if (c == first) {
      inGroup = true;
    } else if (inGroup && (c->kind != AcUiControlKind::kRadio || (c->style & kCtlGroup))) {
      break;
    }
    if (inGroup) group.push_back(c);
  }
  return group;
}

}  // namespace

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate),
      m_pDlgWnd(dialog),
      m_hWndLastControl(nullptr),
      m_bEditLastControl(FALSE),
      m_idLastControl(0) {}

HWND CDataExchange::PrepareCtrl(int id) {
  HWND control = ui::findChild(m_pDlgWnd->m_hWnd, id);
  m_hWndLastControl = control;
  m_idLastControl = id;
  m_bEditLastControl = FALSE;
  return control;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
  HWND control = PrepareCtrl(id);
  m_bEditLastControl = TRUE;
  return control;
}

void CDataExchange::Fail() {
  if (m_bSaveAndValidate && ui::isLiveWindow(m_hWndLastControl)) {
    ui::setFocus(m_hWndLastControl);
    if (m_bEditLastControl) {
      m_hWndLastControl->selStart = 0;
      m_hWndLastControl->selEnd = static_cast<int>(m_hWndLastControl->text.size());
    }
  }
  throw new CUserException;
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
  if (pDX->m_bSaveAndValidate) {
    value = textOf(pDX, id).c_str();
  } else {
    setTextOf(pDX, id, value.GetString());
  }
}

void DDX_Text(CDataExchange* pDX, int id, int& value) {
  exchangeInteger(pDX, id, value, INT32_MIN, INT32_MAX, kEnterInteger);
}
void DDX_Text(CDataExchange* pDX, int id, long& value) {
  // long is 32 bits on the host.
  exchangeInteger(pDX, id, value, INT32_MIN, INT32_MAX, kEnterInteger);
}
void DDX_Text(CDataExchange* pDX, int id, short& value) {
  exchangeInteger(pDX, id, value, INT16_MIN, INT16_MAX, kEnterInteger);
}
void DDX_Text(CDataExchange* pDX, int id, UINT& value) {
  exchangeInteger(pDX, id, value, 0, UINT32_MAX, kEnterPositiveInteger);
}
void DDX_Text(CDataExchange* pDX, int id, double& value) { exchangeReal(pDX, id, value, DBL_DIG); }
void DDX_Text(CDataExchange* pDX, int id, float& value) { exchangeReal(pDX, id, value, FLT_DIG); }

void DDX_Check(CDataExchange* pDX, int id, int& value) {
  HWND control = pDX->PrepareCtrl(id);
  if (!control) return;
  if (pDX->m_bSaveAndValidate) {
    value = control->check;
  } else {
    control->check = value;
  }
}

void DDX_Radio(CDataExchange* pDX, int id, int& value) {
  HWND first = pDX->PrepareCtrl(id);
  if (!first) return;
  std::vector<HWND> group = radioGroup(pDX->m_pDlgWnd->m_hWnd, first);
  if (pDX->m_bSaveAndValidate) value = -1;
  for (size_t i = 0; i < group.size(); ++i) {
    if (pDX->m_bSaveAndValidate) {
      if (group[i]->check == BST_CHECKED) value = static_cast<int>(i);
    } else {
      group[i]->check = static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED;
    }
  }
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index) {
  HWND control = pDX->PrepareCtrl(id);
  if (!control) return;
  auto* combo = static_cast<CComboBox*>(CWnd::FromHandle(control));
  if (pDX->m_bSaveAndValidate) {
    index = combo->GetCurSel();
  } else {
    combo->SetCurSel(index);
  }
}

void DDX_CBString(CDataExchange* pDX, int id, CString& value) {
  HWND control = pDX->PrepareCtrl(id);
  if (!control) return;
  auto* combo = static_cast<CComboBox*>(CWnd::FromHandle(control));
  if (pDX->m_bSaveAndValidate) {
    value = ui::controlText(control).c_str();
  } else if (combo->SelectString(-1, value) == CB_ERR &&
             control->kind != AcUiControlKind::kComboDropList) {
    ui::setControlText(control, value.GetString());
  }
}

void DDX_CBStringExact(CDataExchange* pDX, int id, CString& value) {
  HWND control = pDX->PrepareCtrl(id);
  if (!control) return;
  auto* combo = static_cast<CComboBox*>(CWnd::FromHandle(control));
  if (pDX->m_bSaveAndValidate) {
    value = ui::controlText(control).c_str();
    return;
  }
  int index = combo->FindStringExact(-1, value);
  if (index != CB_ERR) {
    combo->SetCurSel(index);
  } else if (control->kind != AcUiControlKind::kComboDropList) {
    ui::setControlText(control, value.GetString());
  }
}

void DDX_LBIndex(CDataExchange* pDX, int id, int& index) {
  HWND control = pDX->PrepareCtrl(id);
  if (!control) return;
  auto* list = static_cast<CListBox*>(CWnd::FromHandle(control));
  if (pDX->m_bSaveAndValidate) {
    index = list->GetCurSel();
  } else {
    list->SetCurSel(index);
  }
}

void DDX_LBString(CDataExchange* pDX, int id, CString& value) {
  HWND control = pDX->PrepareCtrl(id);
  if (!control) return;
  auto* list = static_cast<CListBox*>(CWnd::FromHandle(control));
  if (pDX->m_bSaveAndValidate) {
    int index = list->GetCurSel();
    value.Empty();
    if (index >= 0) list->GetText(index, value);
  } else {
    list->SelectString(-1, value);
  }
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
  if (control.m_hWnd) return;
  pDX->PrepareCtrl(id);
  control.SubclassDlgItem(static_cast<UINT>(id), pDX->m_pDlgWnd);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue) {
  if (!pDX->m_bSaveAndValidate || (value >= minValue && value <= maxValue)) return;
  failWith(pDX, withArguments(kIntegerRange, std::to_wstring(minValue), std::to_wstring(maxValue)));
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minValue, UINT maxValue) {
  if (!pDX->m_bSaveAndValidate || (value >= minValue && value <= maxValue)) return;
  failWith(pDX, withArguments(kIntegerRange, std::to_wstring(minValue), std::to_wstring(maxValue)));
}

void DDV_MinMaxLong(CDataExchange* pDX, long value, long minValue, long maxValue) {
  if (!pDX->m_bSaveAndValidate || (value >= minValue && value <= maxValue)) return;
  failWith(pDX, withArguments(kIntegerRange, std::to_wstring(minValue), std::to_wstring(maxValue)));
}

void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minValue, double maxValue) {
  if (!pDX->m_bSaveAndValidate || (value >= minValue && value <= maxValue)) return;
  failWith(pDX, withArguments(kNumberRange, formatReal(minValue, DBL_DIG),
                              formatReal(maxValue, DBL_DIG)));
}

void DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minValue, float maxValue) {
  if (!pDX->m_bSaveAndValidate || (value >= minValue && value <= maxValue)) return;
  failWith(pDX, withArguments(kNumberRange, formatReal(minValue, FLT_DIG),
                              formatReal(maxValue, FLT_DIG)));
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars) {
  if (!pDX->m_bSaveAndValidate) {
    // On load the framework limits what can be typed.
    if (ui::isLiveWindow(pDX->m_hWndLastControl)) pDX->m_hWndLastControl->limitText = maxChars;
    return;
  }
  if (value.GetLength() <= maxChars) return;
  failWith(pDX, withArguments(kMaxChars, std::to_wstring(maxChars), L""));
}
