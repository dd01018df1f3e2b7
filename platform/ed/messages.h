// Internal: what the command line says when an answer is refused or a prompt cancelled. The
// session speaks French; every message lives here.
#pragma once

namespace ed::msg {

inline constexpr const wchar_t* kCancel = L"*Annuler*";
inline constexpr const wchar_t* kInvalidPoint = L"Point non valide.";
inline constexpr const wchar_t* kPointOrKeyword = L"Nécessite un point ou un mot-clé d'option.";
inline constexpr const wchar_t* kNeedInteger = L"Nécessite une valeur entière.";
inline constexpr const wchar_t* kIntegerRange = L"Nécessite un entier entre -32768 et 32767.";
inline constexpr const wchar_t* kNeedNumber = L"Nécessite une valeur numérique.";
inline constexpr const wchar_t* kNeedDistance = L"Nécessite une distance numérique ou deux points.";
inline constexpr const wchar_t* kNeedAngle = L"Nécessite un angle numérique valide ou un deuxième point.";
inline constexpr const wchar_t* kNotZero = L"La valeur doit être non nulle.";
inline constexpr const wchar_t* kNotNegative = L"La valeur doit être positive.";
inline constexpr const wchar_t* kInvalidKeyword = L"Mot-clé d'option non valide.";
inline constexpr const wchar_t* kNeedAnswer = L"Une réponse est nécessaire.";
inline constexpr const wchar_t* kSecondPoint = L"Spécifiez le deuxième point: ";

}  // namespace ed::msg
