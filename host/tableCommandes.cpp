#include "host/tableCommandes.h"

#include "codification/commandesCodification.h"
#include "computations/commandesCalculs.h"
#include "exchange/commandesEchange.h"
#include "tools/commandesOutils.h"

const wchar_t* const kGroupeCommandes = L"ARPENTA4";

namespace {

// "IMPORTGSI" is kept registered for the drawings' scripts that call it; it does nothing.
void importGsi() {}

const commandeModule kCommandes[] = {
    {L"CARROYAGE", ACRX_CMD_USEPICKSET, commandeCarroyage},
    {L"VCODIFICATION", ACRX_CMD_TRANSPARENT, commandeVCodification},
    {L"COORDSXYZ", ACRX_CMD_MODAL, commandeCoordsXYZ},
    {L"CORRPOLFERMEE", ACRX_CMD_MODAL, commandeCorrPolFermee},
    {L"CORRPOLOUVERTE", ACRX_CMD_MODAL, commandeCorrPolOuverte},
    {L"CORRMCARRES", ACRX_CMD_MODAL, commandeCorrMCarres},
    {L"IMPORTGSI", ACRX_CMD_MODAL, importGsi},
    {L"RECT3PT", ACRX_CMD_TRANSPARENT | ACRX_CMD_USEPICKSET, commandeRect3Pt},
    {L"IMPORTPOINTS", ACRX_CMD_USEPICKSET, commandeImportPoints},
    {L"EXPORTPOINTS", ACRX_CMD_USEPICKSET, commandeExportPoints},
    {L"TABLEXYZ", ACRX_CMD_USEPICKSET, commandeTableXYZ},
    {L"MAJPOINTS", ACRX_CMD_USEPICKSET, commandeMajPoints},
    {L"PTSEN3D", ACRX_CMD_MODAL, commandePtsEn3D},
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
