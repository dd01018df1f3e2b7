// The host's C interface to entities by name: group-code lists (restype = group code; -1 the
// entity name, 0 the type, -3 then 1001… the extended data asked for), and registered applications.
// They share the LISP's entget/entmod/entmake and follow the same rules; failures set ERRNO.
#pragma once
#include "db/adsdef.h"

// A new chain the caller releases with acutRelRb; null when the name designates no entity.
resbuf* acdbEntGet(const ads_name entity);
// The same with the extended data of the applications listed (RTSTR items, "*" for all).
resbuf* acdbEntGetX(const ads_name entity, const resbuf* applications);
// RTNORM, or RTERROR when the list is not valid for the entity (ERRNO tells why).
int acdbEntMod(const resbuf* list);
int acdbEntMake(const resbuf* list);
// Erases the entity, or brings it back when it was erased.
int acdbEntDel(const ads_name entity);
int acdbEntLast(ads_name result);
// The entity after this one (the first of the drawing when entity is null or nil).
int acdbEntNext(const ads_name entity, ads_name result);
int acdbHandEnt(const ACHAR* handle, ads_name result);
// Redisplay of an entity: nothing to redraw here; RTNORM when the name is valid.
int acdbEntUpd(const ads_name entity);
// Adds the application name to the working drawing's table. RTNORM when added, RTERROR when the
// name is not valid or already there (as the host answers both).
int acdbRegApp(const ACHAR* application);
// RTNORM when the text may name a symbol table record (a vertical bar only when pipeAllowed,
// as in the names of records that come from an external reference), RTERROR otherwise.
int acdbSNValid(const ACHAR* name, int pipeAllowed);
