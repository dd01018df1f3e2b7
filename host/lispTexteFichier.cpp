// analyse, jldelfile and c:JALOVERSION.
#include <cwchar>
#include <string>

#include "host/lispArguments.h"
#include "host/lispUtilitaires.h"
#include "lisp/acedads.h"
#include "os/codepage.h"
#include "os/winfile.h"

namespace {

bool estSeparateur(wchar_t c) { return c == L' ' || c == L',' || c == L'\t' || c == L'\n'; }

}  // namespace

void lispAnalyse() {
  argumentsLisp args;
  if (args.type() != RTSTR || args.courant()->resval.rstring == nullptr) {
    acedRetNil();
    return;
  }
  const std::wstring texte = args.courant()->resval.rstring;
  listeResultat mots;
  bool aucunMot = true;
  size_t i = 0;
  while (i < texte.size()) {
    while (i < texte.size() && estSeparateur(texte[i])) ++i;
    const size_t debut = i;
    while (i < texte.size() && !estSeparateur(texte[i])) ++i;
    if (i > debut) {
      mots.ajouterTexte(texte.substr(debut, i - debut).c_str());
      aucunMot = false;
    }
  }
  if (aucunMot) {
    acedRetNil();
  } else {
    mots.retourner();
  }
}

void lispJlDelFile() {
  argumentsLisp args;
  if (args.type() != RTSTR || args.courant()->resval.rstring == nullptr) {
    acedRetNil();
    return;
  }
  // The file system takes the name as the ANSI code page gives it.
  const std::wstring nom = ansiToWide(wideToAnsi(args.courant()->resval.rstring));
  if (DeleteFile(nom.c_str())) {
    acedRetInt(1);
  } else {
    acedRetNil();
  }
}

void lispJaloVersion() { acedRetStr(L"5.00.4428"); }
