// The module's LISP functions: forty entries whose position is the function code given to
// acedDefun and read back with acedGetFunCode.
#pragma once

struct fonctionLisp {
  const wchar_t* nom;
  void (*fonction)();
};

const fonctionLisp* tableLisp(int* nombre);

// Defines the functions in the drawing being loaded, in table order, stopping at the first that
// the host refuses; undefines them when it closes.
void definirFonctionsLisp();
void retirerFonctionsLisp();
// A call from the LISP: "no value" unless the function gives a result; unknown codes are ignored.
void appelerFonctionLisp();
