/* Compiles the host API header as C. */
#include "contract/TolvarApi.h"

int tolvarapi_c_check_size(void) { return (int)sizeof(TObjectInfo); }
