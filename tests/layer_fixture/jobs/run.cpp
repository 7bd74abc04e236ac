#include "core/text.h"
#include "platform/linux/spawn.h"
