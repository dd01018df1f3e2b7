// Internal: the host's drawing commands, registered by addDrawingCommands.
#pragma once

namespace ed::draw {

void lineCommand();    // LINE (LIGNE)
void plineCommand();   // PLINE (POLYLIGN)
void textCommand();    // TEXT (TEXTE)
void insertCommand();  // INSERT (INSERER)

}  // namespace ed::draw
