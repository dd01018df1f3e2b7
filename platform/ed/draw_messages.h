// Internal: the prompts and messages of the drawing commands, as the French edition shows them.
#pragma once

namespace ed::draw::msg {

// LINE
inline constexpr const wchar_t* kLineFirst = L"\nSpécifiez le premier point: ";
inline constexpr const wchar_t* kLineNext = L"\nSpécifiez le point suivant ou [annUler]: ";
inline constexpr const wchar_t* kLineNextClose =
    L"\nSpécifiez le point suivant ou [Clore/annUler]: ";
inline constexpr const wchar_t* kLineKeywords = L"annUler _Undo";
inline constexpr const wchar_t* kLineKeywordsClose = L"Clore annUler _Close Undo";
inline constexpr const wchar_t* kAllUndone = L"\nTous les segments ont déjà été annulés.";

// PLINE
inline constexpr const wchar_t* kPlineStart = L"\nSpécifiez le point de départ: ";
inline constexpr const wchar_t* kCurrentWidth = L"\nLa largeur courante de la ligne est ";
inline constexpr const wchar_t* kPlineNext =
    L"\nSpécifiez le point suivant ou [Arc/Demi-largeur/LOngueur/annUler/LArgeur]: ";
inline constexpr const wchar_t* kPlineNextClose =
    L"\nSpécifiez le point suivant ou [Arc/Clore/Demi-largeur/LOngueur/annUler/LArgeur]: ";
inline constexpr const wchar_t* kPlineKeywords =
    L"Arc Demi-largeur LOngueur annUler LArgeur _Arc Halfwidth Length Undo Width";
inline constexpr const wchar_t* kPlineKeywordsClose =
    L"Arc Clore Demi-largeur LOngueur annUler LArgeur _Arc Close Halfwidth Length Undo Width";
inline constexpr const wchar_t* kArcEnd =
    L"\nSpécifiez l'extrémité de l'arc ou\n"
    L"[Angle/CEntre/DIrection/DEmi-largeur/LIgne/Rayon/Second pt/annUler/LArgeur]: ";
inline constexpr const wchar_t* kArcEndClose =
    L"\nSpécifiez l'extrémité de l'arc ou\n"
    L"[Angle/CEntre/CLore/DIrection/DEmi-largeur/LIgne/Rayon/Second pt/annUler/LArgeur]: ";
inline constexpr const wchar_t* kArcKeywords =
    L"Angle CEntre DIrection DEmi-largeur LIgne Rayon Second annUler LArgeur "
    L"_Angle Center Direction Halfwidth Line Radius Second Undo Width";
inline constexpr const wchar_t* kArcKeywordsClose =
    L"Angle CEntre CLore DIrection DEmi-largeur LIgne Rayon Second annUler LArgeur "
    L"_Angle Center Close Direction Halfwidth Line Radius Second Undo Width";
inline constexpr const wchar_t* kArcEndOnly = L"\nSpécifiez l'extrémité de l'arc: ";
inline constexpr const wchar_t* kArcAngle = L"\nSpécifiez l'angle inclus: ";
inline constexpr const wchar_t* kArcCenter = L"\nSpécifiez le centre de l'arc: ";
inline constexpr const wchar_t* kArcDirection =
    L"\nSpécifiez la direction de la tangente au point de départ de l'arc: ";
inline constexpr const wchar_t* kArcRadius = L"\nSpécifiez le rayon de l'arc: ";
inline constexpr const wchar_t* kArcSecond = L"\nSpécifiez le deuxième point de l'arc: ";
inline constexpr const wchar_t* kNoSuchArc = L"\nAucun arc ne passe par ces points.";
inline constexpr const wchar_t* kStartWidth = L"\nSpécifiez la largeur de départ <";
inline constexpr const wchar_t* kEndWidth = L"\nSpécifiez la largeur de fin <";
inline constexpr const wchar_t* kStartHalfWidth = L"\nSpécifiez la demi-largeur de départ <";
inline constexpr const wchar_t* kEndHalfWidth = L"\nSpécifiez la demi-largeur de fin <";
inline constexpr const wchar_t* kSegmentLength = L"\nSpécifiez la longueur de la ligne: ";

// TEXT
inline constexpr const wchar_t* kTextStatus = L"\nStyle de texte courant:  \"";
inline constexpr const wchar_t* kTextStatusHeight = L"\"  Hauteur de texte:  ";
inline constexpr const wchar_t* kTextStatusEnd = L"  Annotatif:  Non";
inline constexpr const wchar_t* kTextStart =
    L"\nSpécifiez le point de départ du texte ou [Justifier/Style]: ";
inline constexpr const wchar_t* kTextStartKeywords = L"Justifier Style _Justify Style";
inline constexpr const wchar_t* kTextHeight = L"\nSpécifiez la hauteur <";
inline constexpr const wchar_t* kTextRotation = L"\nSpécifiez l'angle de rotation du texte <";
inline constexpr const wchar_t* kTextEnter = L"\nEntrez le texte: ";
inline constexpr const wchar_t* kJustifyOption =
    L"\nEntrez une option [Aligné/Fixe/Centre/Milieu/Droite/HG/HC/HD/MG/MC/MD/BG/BC/BD]: ";
inline constexpr const wchar_t* kJustifyKeywords =
    L"Aligné Fixe Centre Milieu Droite HG HC HD MG MC MD BG BC BD "
    L"_Align Fit Center Middle Right TL TC TR ML MC MR BL BC BR";
inline constexpr const wchar_t* kBaselineFirst =
    L"\nSpécifiez le premier point de la ligne de base du texte: ";
inline constexpr const wchar_t* kBaselineSecond =
    L"\nSpécifiez le deuxième point de la ligne de base du texte: ";
inline constexpr const wchar_t* kStyleName = L"\nEntrez le nom du style ou [?] <";
inline constexpr const wchar_t* kStyleList = L"\nStyles de texte:";
inline constexpr const wchar_t* kStyleUnknown = L"\nImpossible de trouver le style de texte \"";

// INSERT
inline constexpr const wchar_t* kBlockName = L"\nEntrez le nom du bloc ou [?]";
inline constexpr const wchar_t* kBlockList = L"\nBlocs définis.";
inline constexpr const wchar_t* kBlockUnknown = L"\nBloc ou fichier \"";
inline constexpr const wchar_t* kBlockUnknownEnd = L"\" introuvable.";
inline constexpr const wchar_t* kBlockSelf = L"\nUn bloc ne peut pas s'insérer dans lui-même.";
inline constexpr const wchar_t* kInsertionPoint = L"\nSpécifiez le point d'insertion: ";
inline constexpr const wchar_t* kScaleX = L"\nEntrez le facteur d'échelle X <1>: ";
inline constexpr const wchar_t* kScaleY =
    L"\nEntrez le facteur d'échelle Y <utiliser le facteur d'échelle X>: ";
inline constexpr const wchar_t* kInsertRotation = L"\nSpécifiez l'angle de rotation <0>: ";
inline constexpr const wchar_t* kAttributeValues = L"\nEntrez les valeurs d'attribut";

}  // namespace ed::draw::msg
