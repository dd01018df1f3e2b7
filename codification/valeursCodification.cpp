#include "codification/valeursCodification.h"

#include <cctype>
#include <charconv>
#include <climits>
#include <cstring>

const wchar_t* const kCaracteresARogner = L" \t,;.";

CString rogner(const CString& texte) {
  CString copie = texte;
  copie.Trim(kCaracteresARogner);
  return copie;
}

std::wstring decoderUtf8(std::string_view octets) {
  std::wstring texte;
  size_t i = 0;
  while (i < octets.size()) {
    const unsigned char premier = static_cast<unsigned char>(octets[i]);
    int suite;
    unsigned long valeur;
    if (premier < 0x80) {
      suite = 0;
      valeur = premier;
    } else if ((premier & 0xE0) == 0xC0) {
      suite = 1;
      valeur = premier & 0x1F;
    } else if ((premier & 0xF0) == 0xE0) {
      suite = 2;
      valeur = premier & 0x0F;
    } else if ((premier & 0xF8) == 0xF0) {
      suite = 3;
      valeur = premier & 0x07;
    } else {
      ++i;  // a continuation byte or an invalid one: skipped
      continue;
    }
    if (i + static_cast<size_t>(suite) >= octets.size() && suite > 0) {
      return texte;  // the sequence is cut by the end of the text
    }
    for (int k = 1; k <= suite; ++k) {
      const unsigned char octet = static_cast<unsigned char>(octets[i + k]);
      if ((octet & 0xC0) != 0x80) return texte;  // malformed: the text ends here
      valeur = (valeur << 6) | (octet & 0x3F);
    }
    texte += valeur > 0xFFFF ? L'?' : static_cast<wchar_t>(valeur);
    i += static_cast<size_t>(suite) + 1;
  }
  return texte;
}

namespace {

const char* apresBlancs(const char* texte) {
  while (*texte != '\0' && std::isspace(static_cast<unsigned char>(*texte))) ++texte;
  return texte;
}

}  // namespace

int entierEnTete(const char* texte) {
  if (texte == nullptr) return 0;
  const char* p = apresBlancs(texte);
  bool negatif = false;
  if (*p == '+' || *p == '-') negatif = *p++ == '-';
  long long valeur = 0;
  while (*p >= '0' && *p <= '9') {
    valeur = valeur * 10 + (*p++ - '0');
    if (valeur > static_cast<long long>(INT_MAX) + 1) valeur = static_cast<long long>(INT_MAX) + 1;
  }
  if (negatif) valeur = -valeur;
  if (valeur > INT_MAX) return INT_MAX;
  if (valeur < INT_MIN) return INT_MIN;
  return static_cast<int>(valeur);
}

double reelEnTete(const char* texte) {
  if (texte == nullptr) return 0.0;
  const char* p = apresBlancs(texte);
  bool negatif = false;
  if (*p == '+' || *p == '-') negatif = *p++ == '-';
  // from_chars reads the same forms whatever the locale, without a sign; the hexadecimal and
  // infinite forms atof would also take never appear in a code file.
  double valeur = 0.0;
  const auto resultat = std::from_chars(p, p + std::strlen(p), valeur, std::chars_format::general);
  if (resultat.ec == std::errc::invalid_argument) return 0.0;
  if (resultat.ec == std::errc::result_out_of_range) return 0.0;
  return negatif ? -valeur : valeur;
}
