#include "points/lispChoixPoint.h"

#include "codification/globalCodification.h"
#include "lisp/acedads.h"
#include "os/codepage.h"
#include "points/DlgPntsDuDessin.h"
#include "points/listePointsDuDessin.h"
#include "resources/ressourcesModule.h"

namespace {

constexpr int kCodeStation = 100;  // preselected in the list

}  // namespace

// The name of the point of the row selected when the list closes; nil without one.
void lispChoixPoint() {
  if (tablesPoints == nullptr) {
    acedRetNil();
    return;
  }
  listePointsDuDessin* table = tablesPoints->currTable();
  int choisi = -1;
  {
    ressourcesCourantes ressources;
    DlgPntsDuDessin dialogue(globalCodification(), table);
    dialogue.m_masque = 0;
    dialogue.m_codePreselectionne = kCodeStation;
    dialogue.DoModal();
    choisi = dialogue.m_pointChoisi;
  }
  if (choisi < 0 || choisi >= table->nbPoint()) {
    acedRetNil();
    return;
  }
  acedRetStr(ansiToWide(table->getData(choisi)->getNomPoint()).c_str());
}
