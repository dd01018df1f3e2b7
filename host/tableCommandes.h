// The module's commands: the group "ARPENTA4", its thirteen commands in registration order.
#pragma once
#include "rx/accmd.h"

extern const wchar_t* const kGroupeCommandes;  // "ARPENTA4"

struct commandeModule {
  const wchar_t* nom;  // global and local name
  int flags;           // 0 modal, 1 transparent, 2 pick-first, 3 both
  AcRxFunctionPtr fonction;
};

// The table, in the order the commands are registered.
const commandeModule* tableCommandes(int* nombre);

// Adds every command of the table to the host's command stack; removes the group.
void enregistrerCommandes();
void retirerCommandes();
