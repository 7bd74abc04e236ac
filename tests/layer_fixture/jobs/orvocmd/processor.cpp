#include "platform/linux/spawn.h"
#include "jobs/orvocmd/qt/view.h"
