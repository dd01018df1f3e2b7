// What the module keeps for each document: the survey project of the drawing. Another module
// loaded in the host may hand the module a project through setSrcInfosTopo; until one does, each
// drawing owns its project, designated whenever that drawing becomes the current one.
#pragma once
#include <memory>

class AcApDocument;
class projetsTopo;

class CDocData {
 public:
  CDocData();
  ~CDocData();
  CDocData(CDocData&&) noexcept;
  CDocData& operator=(CDocData&&) noexcept;

  bool aProjet() const { return projet_ != nullptr; }
  // The document's project, made at the first call with its one table "LEVE".
  projetsTopo* projet();

 private:
  std::unique_ptr<projetsTopo> projet_;
};

// The manager of the documents' records, from the loading of the module to its unloading; the
// current document's project is designated at once.
void creerDonneesDocuments();
void detruireDonneesDocuments();
// The record of a document; null while the manager does not exist or for a null document.
CDocData* donneesDocument(AcApDocument* document);

// On the host's save message for a document: the designated project goes into the current
// drawing; a drawing saved while another is current gets its own project, if it has one.
void enregistrerProjetDocument(AcApDocument* document);
