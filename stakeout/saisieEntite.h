// Entity picks with keywords as the stake-out prompts use them: a pick, a keyword, a miss (the
// prompt asks again) or the end (Enter or a cancel).
#pragma once
#include "db/dbid.h"
#include "ui/afxstr.h"

enum class choix { kEntite, kMotCle, kRate, kFin };

choix choisirEntite(const wchar_t* invite, const wchar_t* motsCles, AcDbObjectId& id,
                    CString& motCle);
// The keyword (or text) of the last input that returned one.
CString motCleSaisi();
