// Internal: what selections and picks say on the command line.
#pragma once

namespace ed::selmsg {

inline constexpr const wchar_t* kSelectObjects = L"\nChoix des objets : ";
inline constexpr const wchar_t* kRemoveObjects = L"\nRetirer des objets : ";
inline constexpr const wchar_t* kSelectObject = L"\nChoix de l'objet : ";
inline constexpr const wchar_t* kFirstCorner = L"\nPremier coin : ";
inline constexpr const wchar_t* kOppositeCorner = L"\nSpécifiez le coin opposé : ";
// Counts after each answer: found, found with the new total, duplicates, removed.
inline constexpr const wchar_t* kFound = L"%d trouvé(s)";
inline constexpr const wchar_t* kFoundTotal = L"%d trouvé(s), %d au total";
inline constexpr const wchar_t* kFoundDuplicates = L"%d trouvé(s) (%d en double), %d au total";
inline constexpr const wchar_t* kFoundRemoved = L"%d trouvé(s), %d retiré(s), %d au total";
inline constexpr const wchar_t* kInvalidSelection =
    L"*Choix incorrect*\nIndiquez un point ou "
    L"Fenêtre/Dernier/Capture/TOUT/Ajouter/Retirer/Précédent/#maintien";
inline constexpr const wchar_t* kNoObjectFound = L"Aucun objet trouvé.";
inline constexpr const wchar_t* kCancel = L"*Annuler*";

}  // namespace ed::selmsg
