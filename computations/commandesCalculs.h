// The computation commands: closed and open traverses, least-squares networks.
#pragma once

void commandeCorrPolFermee();
void commandeCorrPolOuverte();
void commandeCorrMCarres();
