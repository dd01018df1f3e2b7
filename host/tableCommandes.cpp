#include "host/tableCommandes.h"

#include "codification/commandesCodification.h"
#include "host/nonDisponible.h"

const wchar_t* const kGroupeCommandes = L"ARPENTA4";

namespace {

// The commands whose work comes with later parts of the module say so when run.
#define COMMANDE_A_VENIR(nom) [] { annoncerNonDisponible(nom); }

// "IMPORTGSI" is kept registered for the drawings' scripts that call it; it does nothing.
void importGsi() {}

const commandeModule kCommandes[] = {
    {L"CARROYAGE", ACRX_CMD_USEPICKSET, COMMANDE_A_VENIR(L"CARROYAGE")},
    {L"VCODIFICATION", ACRX_CMD_TRANSPARENT, commandeVCodification},
    {L"COORDSXYZ", ACRX_CMD_MODAL, COMMANDE_A_VENIR(L"COORDSXYZ")},
    {L"CORRPOLFERMEE", ACRX_CMD_MODAL, COMMANDE_A_VENIR(L"CORRPOLFERMEE")},
    {L"CORRPOLOUVERTE", ACRX_CMD_MODAL, COMMANDE_A_VENIR(L"CORRPOLOUVERTE")},
    {L"CORRMCARRES", ACRX_CMD_MODAL, COMMANDE_A_VENIR(L"CORRMCARRES")},
    {L"IMPORTGSI", ACRX_CMD_MODAL, importGsi},
    {L"RECT3PT", ACRX_CMD_TRANSPARENT | ACRX_CMD_USEPICKSET, COMMANDE_A_VENIR(L"RECT3PT")},
    {L"IMPORTPOINTS", ACRX_CMD_USEPICKSET, COMMANDE_A_VENIR(L"IMPORTPOINTS")},
    {L"EXPORTPOINTS", ACRX_CMD_USEPICKSET, COMMANDE_A_VENIR(L"EXPORTPOINTS")},
    {L"TABLEXYZ", ACRX_CMD_USEPICKSET, COMMANDE_A_VENIR(L"TABLEXYZ")},
    {L"MAJPOINTS", ACRX_CMD_USEPICKSET, COMMANDE_A_VENIR(L"MAJPOINTS")},
    {L"PTSEN3D", ACRX_CMD_MODAL, COMMANDE_A_VENIR(L"PTSEN3D")},
};

}  // namespace

const commandeModule* tableCommandes(int* nombre) {
  if (nombre != nullptr) *nombre = static_cast<int>(sizeof kCommandes / sizeof kCommandes[0]);
  return kCommandes;
}

void enregistrerCommandes() {
  AcEdCommandStack* pile = acedRegCmds();
  for (const commandeModule& commande : kCommandes) {
    pile->addCommand(kGroupeCommandes, commande.nom, commande.nom, commande.flags, commande.fonction);
  }
}

void retirerCommandes() { acedRegCmds()->removeGroup(kGroupeCommandes); }
