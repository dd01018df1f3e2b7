// Identifiers of the drawing tools dialogs and of their controls.
#pragma once
