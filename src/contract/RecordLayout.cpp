// The host reads these records byte by byte; on 32-bit x86 their layout is fixed by the host.
#include <cstddef>
#include <cstdint>

#include "contract/TolvarApi.h"

#if INTPTR_MAX == INT32_MAX
static_assert(sizeof(TObjectInfo) == 16);
static_assert(offsetof(TObjectInfo, Kennung) == 4);
static_assert(offsetof(TObjectInfo, ClassCode) == 8);
static_assert(offsetof(TObjectInfo, ObjectID) == 12);
static_assert(sizeof(TClassFilter) == 8 && offsetof(TClassFilter, Classes) == 4);
static_assert(sizeof(TIdBuffer) == 8 && offsetof(TIdBuffer, Ids) == 4);
static_assert(sizeof(TTempObjectRequest) == 24);
static_assert(offsetof(TTempObjectRequest, Flag) == 2);
static_assert(offsetof(TTempObjectRequest, Kennung) == 4);
static_assert(offsetof(TTempObjectRequest, ClassCode) == 8);
static_assert(offsetof(TTempObjectRequest, IdCount) == 16);
static_assert(offsetof(TTempObjectRequest, Ids) == 20);
#endif
