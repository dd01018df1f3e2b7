// Point-name generators: a prefix, a running number and a suffix ("A12", "P7-b"). Prefixes and
// suffixes count alphabetically when a series is exhausted.
#pragma once
#include "ui/afxstr.h"

// The next string in base 26 on "A".."Z" with carry to the left: A → B, AZ → BA, ZZ → AAA,
// "" → A. The first character that is not "Z" takes the next character code, whatever it is
// (P1 → P2, a → b, 9 → :).
CString incrementeAlpha(const CString& text);

class numeroteur {
 public:
  virtual ~numeroteur() = default;

  virtual CString getNextName() = 0;
  virtual void incrementeSuffixe();
  virtual void incrementePrefixe();
  virtual void avance() = 0;

  const CString& prefixe() const { return prefixe_; }
  const CString& suffixe() const { return suffixe_; }

 protected:
  CString prefixe_;
  CString suffixe_;
};

// Names "prefix + number + suffix"; the number goes up by the step at each name and returns to the
// start when the prefix or the suffix moves on.
class numeroteurEntier : public numeroteur {
 public:
  CString getNextName() override;
  void incrementeSuffixe() override;
  void incrementePrefixe() override;
  void avance() override { ++numero_; }
  // The number of the next name; with consume non-zero the number moves on by one after it is read.
  virtual int numeroCourant(int consume);

  // The start value is kept.
  void setParams(const CString& prefixe, int numero, const CString& suffixe, int pas);
  void setDepart(int depart) { depart_ = depart; }

 private:
  int numero_ = 1;
  int pas_ = 1;
  int depart_ = 1;
};
