// Identifiers of the stake-out dialogs and of their controls.
#pragma once
