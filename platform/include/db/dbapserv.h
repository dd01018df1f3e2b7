// Host application services: the working database that objects not yet in a database use to
// resolve names (layers, styles, registered applications).
#pragma once
#include "db/acadstrc.h"

class AcDbDatabase;

class AcDbHostApplicationServices {
 public:
  AcDbHostApplicationServices() = default;
  virtual ~AcDbHostApplicationServices() = default;
  AcDbHostApplicationServices(const AcDbHostApplicationServices&) = delete;
  AcDbHostApplicationServices& operator=(const AcDbHostApplicationServices&) = delete;

  AcDbDatabase* workingDatabase() const { return working_; }
  void setWorkingDatabase(AcDbDatabase* database) { working_ = database; }

 private:
  AcDbDatabase* working_ = nullptr;
};

// The process's services object.
AcDbHostApplicationServices* acdbHostApplicationServices();
