#include "exchange/tableObsXYZ.h"

#include <cstdio>
#include <string>

#include "codification/tableCodification.h"
#include "exchange/cheminFichier.h"
#include "exchange/fichierNXYZ.h"
#include "host/CMyProgressDlg.h"
#include "os/codepage.h"
#include "os/winfile.h"
#include "points/DlgPntsDuDessin.h"
#include "points/listePointsDuDessin.h"
#include "ui/afxwin.h"

namespace {

void signalerErreurFichier() { MessageBox(nullptr, L"Erreur ouverture de fichier", L"erreur", MB_OK); }

template <typename T>
int signe(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

tableObsXYZ::tableObsXYZ(const wchar_t* chemin) {
  setChemin(chemin);
  load(nullptr, true);
}

bool tableObsXYZ::load(const wchar_t* chemin, bool vider) {
  const CString propre = nettoyerChemin(chemin != nullptr ? CString(chemin) : chemin_);
  if (propre.IsEmpty()) return false;
  if (vider) RemoveAll();
  FILE* fichier = _wfopen(propre.GetString(), L"rb");
  if (fichier == nullptr) return false;
  std::string texte;
  char bloc[1 << 16];
  size_t lus = 0;
  while ((lus = std::fread(bloc, 1, sizeof bloc, fichier)) > 0) texte.append(bloc, lus);
  const bool erreur = std::ferror(fichier) != 0;
  std::fclose(fichier);
  if (erreur) {
    signalerErreurFichier();
    return false;
  }
  lireTexteNXYZ(texte, records_);
  indexAJour_ = false;
  return true;
}

bool tableObsXYZ::save(const wchar_t* chemin) {
  CString propre = nettoyerChemin(chemin != nullptr ? CString(chemin) : chemin_);
  if (propre.IsEmpty()) return false;
  if (!finitPar(propre, L".xyz")) propre += L".xyz";
  std::string texte;
  texte.reserve(static_cast<size_t>(count()) * 80);
  for (int i = 0; i < count(); ++i) ecrireRecordNXYZ(records_[i], texte);
  FILE* fichier = _wfopen(propre.GetString(), L"wb");
  bool ecrit = fichier != nullptr && std::fwrite(texte.data(), 1, texte.size(), fichier) == texte.size();
  if (fichier != nullptr && std::fclose(fichier) != 0) ecrit = false;
  if (!ecrit) signalerErreurFichier();
  return ecrit;
}

void tableObsXYZ::indexer() const {
  if (indexAJour_) return;
  index_.RemoveAll();
  index_.InitHashTable(static_cast<UINT>(records_.GetSize()));
  for (int i = 0; i < count(); ++i) index_[records_[i].id] = i;
  indexAJour_ = true;
}

const pointXYZ* tableObsXYZ::find(std::uint32_t id) const {
  indexer();
  int i = -1;
  return index_.Lookup(id, i) ? &records_[i] : nullptr;
}

int tableObsXYZ::compare(std::uint32_t idA, std::uint32_t idB, int colonne) const {
  const pointXYZ* a = find(idA);
  const pointXYZ* b = find(idB);
  if (a == nullptr || b == nullptr) return 0;
  switch (colonne) {
    case 0: return comparerNomsPoints(wideToAnsi(a->nom.GetString()).c_str(), wideToAnsi(b->nom.GetString()).c_str());
    case 1: return signe(a->x, b->x);
    case 2: return signe(a->y, b->y);
    case 3: return signe(a->z, b->z);
    case 4: return signe(a->code, b->code);
    case 5: return signe(a->id, b->id);
    default: return 0;
  }
}

void tableObsXYZ::renumber(const wchar_t* prefixe, int premier, const wchar_t* suffixe) {
  for (int i = 0; i < count(); ++i) {
    records_[i].nom.Format(L"%s%d%s", prefixe != nullptr ? prefixe : L"", premier + i,
                           suffixe != nullptr ? suffixe : L"");
  }
}

int tableObsXYZ::placeInDrawing(tableCodification* codes) {
  if (tablesPoints == nullptr || count() == 0) return 0;
  listePointsDuDessin* table = tablesPoints->currTable();
  if (codes != nullptr) codes->createLayers();
  CMyProgressDlg progression;
  const bool visible = progression.create() != 0;
  if (visible) {
    progression.setRange(0, count() - 1);
    progression.setStep(1);
  }
  for (int i = 0; i < count(); ++i) {
    const pointXYZ& record = records_[i];
    pointDuDessin point;
    point.setParams(record.nom.GetString(), AcGePoint3d(record.x, record.y, record.z), record.code);
    int position = -1;
    // The point keeps at most 9 characters of the record's name: the replaced point is looked up
    // under the name it will really have.
    const CString nom(ansiToWide(point.getNomPoint()).c_str());
    if (table->existPoint(nom.GetString(), position)) table->supprimerPoint(nom.GetString());
    point.creer(false, L"");
    table->Ajouter(point);
    if (visible) progression.stepIt();
  }
  if (visible) progression.destroy();
  return count();
}

void tableObsXYZ::add(const pointXYZ& record) {
  records_.Add(record);
  indexAJour_ = false;
}

void tableObsXYZ::RemoveAll() {
  records_.RemoveAll();
  indexAJour_ = false;
}
