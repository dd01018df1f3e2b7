// Identifiers of the exchange dialogs and of their controls.
#pragma once
