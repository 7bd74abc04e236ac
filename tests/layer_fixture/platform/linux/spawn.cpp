#include "platform/process.h"
#include "core/text.h"
