// Builder and reader of the value chains kept in extension records: integers (90), strings (300),
// fixed-length byte blocks (92 then 310 chunks), reals (40) and object references (330).
#pragma once
#include <string>

#include "db/adsdef.h"
#include "db/dbid.h"

// The 90 item that stands for a reference with no object.
constexpr Adesk::Int32 kIdAbsent = -9999999;

class CResbuf {
 public:
  CResbuf() = default;
  // Takes the chain (released with the object); reading starts at its head.
  explicit CResbuf(resbuf* chain);
  ~CResbuf();
  CResbuf(const CResbuf&) = delete;
  CResbuf& operator=(const CResbuf&) = delete;

  // Each append returns non-zero on success.
  int ajouterEntier(Adesk::Int32 valeur);
  int ajouterChaine(const wchar_t* texte);
  int ajouterOctets(const void* octets, int nombre);
  int ajouterReel(double valeur);
  // A soft-pointer reference (330), or the 90 item kIdAbsent for a null id or one that has no
  // entity name.
  int ajouterId(AcDbObjectId id);

  // Each read checks the item at the cursor and advances past it: 1, or 0 without advancing on a
  // mismatch (wrong group code, another byte count, a block cut short).
  int lireEntier(Adesk::Int32& valeur);
  int lireChaine(std::wstring& texte);
  int lireOctets(void* octets, int nombre);
  int lireReel(double& valeur);
  int lireId(AcDbObjectId& id);

  const resbuf* chaine() const { return tete_; }
  // True once every item has been read.
  bool finie() const { return curseur_ == nullptr; }

 private:
  resbuf* ajouter(int code);
  resbuf* tete_ = nullptr;
  resbuf* queue_ = nullptr;
  const resbuf* curseur_ = nullptr;
  bool debutLecture_ = true;  // the cursor is at the head until the first read
};
