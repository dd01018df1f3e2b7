// The stake-out LISP command.
#pragma once

void lispImplant2();
