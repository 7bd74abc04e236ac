#include "jobs/launcher.h"
#include "core/text.h"
#include "platform/file_system.h"
