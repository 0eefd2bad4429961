// Defines the GUIDs declared by the generated interface header, once.
#include <initguid.h>

#include "kvx_idl.h"
