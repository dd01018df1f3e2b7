// The small LISP functions of the module that belong to no feature of their own.
#pragma once

void lispCalcTailleBlock();  // calctailleblock
void lispAnalyse();          // analyse
void lispAttrVisibility();   // attrvisibility
void lispGetSegType();       // getsegtype
void lispKGetPt();           // k_getpt
void lispModifAttrib();      // modif-attrib
void lispJlDelFile();        // jldelfile
void lispSxd();              // sxd
void lispWaitUser();         // wait_user
void lispJaloText();         // JALOTEXT
void lispJaloVersion();      // c:JALOVERSION
