#include "platform/linux/spawn.h"
