// The process's host application services.
#include "db/dbapserv.h"

AcDbHostApplicationServices* acdbHostApplicationServices() {
  static AcDbHostApplicationServices services;
  return &services;
}
