#include "ed/point_input.h"

#include <cmath>
#include <cwchar>
#include <vector>

namespace ed {

namespace {

bool parseNumbers(const std::wstring& text, wchar_t separator, std::vector<double>& numbers) {
  size_t start = 0;
  for (;;) {
    size_t end = text.find(separator, start);
    std::wstring part = text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    if (part.empty()) return false;
    wchar_t* stop = nullptr;
    double value = std::wcstod(part.c_str(), &stop);
    if (stop != part.c_str() + part.size() || !std::isfinite(value)) return false;
    numbers.push_back(value);
    if (end == std::wstring::npos) return true;
    start = end + 1;
  }
}

}  // namespace

bool parsePointInput(const std::wstring& input, const ads_real* base, const ads_real* lastPoint,
                     ads_point result) {
  std::wstring text = input;
  bool relative = !text.empty() && text[0] == L'@';
  const ads_real* origin = base ? base : lastPoint;
  if (relative) {
    text.erase(0, 1);
    if (text.empty()) {
      ads_point_set(origin, result);
      return true;
    }
  }
  double offset[3] = {0.0, 0.0, 0.0};
  std::vector<double> numbers;
  if (text.find(L'<') != std::wstring::npos) {
    if (!parseNumbers(text, L'<', numbers) || numbers.size() != 2) return false;
    double angle = numbers[1] * 3.14159265358979323846 / 180.0;
    offset[0] = numbers[0] * std::cos(angle);
    offset[1] = numbers[0] * std::sin(angle);
  } else {
    if (!parseNumbers(text, L',', numbers) || numbers.size() < 2 || numbers.size() > 3) return false;
    for (size_t i = 0; i < numbers.size(); ++i) offset[i] = numbers[i];
  }
  for (int i = 0; i < 3; ++i) result[i] = (relative ? origin[i] : 0.0) + offset[i];
  return true;
}

}  // namespace ed
