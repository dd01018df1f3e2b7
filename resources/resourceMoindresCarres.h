// Identifiers of the least squares dialogs and of their controls.
#pragma once
