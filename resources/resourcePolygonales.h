// Identifiers of the traverses dialogs and of their controls.
#pragma once
