#include "jobs/console_port.h"
#include "core/text.h"
