// choixpoint: a point chosen in the point-list dialog.
#pragma once

void lispChoixPoint();
