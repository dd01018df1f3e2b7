// Result buffers, entity names and the value-type and result codes of the host's C interface.
#pragma once
#include "adesk.h"

typedef double ads_real;
typedef ads_real ads_point[3];
typedef Adesk::LongPtr ads_name[2];
typedef ads_real ads_matrix[4][4];
typedef ads_real* ads_pointp;
typedef Adesk::LongPtr* ads_namep;

struct ads_binary {
  short clen;
  char* buf;
};

union ads_u_val {
  ads_real rreal;
  ads_real rpoint[3];
  short rint;
  ACHAR* rstring;
  ads_name rlname;
  Adesk::Int32 rlong;
  Adesk::Int64 mnInt64;
  ads_binary rbinary;
  unsigned char ihandle[8];
};

struct resbuf {
  resbuf* rbnext;
  short restype;
  ads_u_val resval;
};

// Value types of result buffers.
enum {
  RTNONE = 5000,
  RTREAL = 5001,
  RTPOINT = 5002,
  RTSHORT = 5003,
  RTANG = 5004,
  RTSTR = 5005,
  RTENAME = 5006,
  RTPICKS = 5007,
  RTORINT = 5008,
  RT3DPOINT = 5009,
  RTLONG = 5010,
  RTVOID = 5014,
  RTLB = 5016,
  RTLE = 5017,
  RTDOTE = 5018,
  RTNIL = 5019,
  RTDXF0 = 5020,
  RTT = 5021,
  RTRESBUF = 5023,
  RTMODELESS = 5027,
  RTINT64 = 5031,
};

// Result codes of the interface's functions.
enum {
  RTNORM = 5100,
  RTERROR = -5001,
  RTCAN = -5002,
  RTREJ = -5003,
  RTFAIL = -5004,
  RTKWORD = -5005,
  RTINPUTTRUNCATED = -5008,
};

#define ads_name_set(from, to) ((to)[0] = (from)[0], (to)[1] = (from)[1])
#define ads_name_clear(name) ((name)[0] = (name)[1] = 0)
#define ads_name_nil(name) ((name)[0] == 0 && (name)[1] == 0)
#define ads_name_equal(a, b) ((a)[0] == (b)[0] && (a)[1] == (b)[1])
#define ads_point_set(from, to) ((to)[0] = (from)[0], (to)[1] = (from)[1], (to)[2] = (from)[2])
