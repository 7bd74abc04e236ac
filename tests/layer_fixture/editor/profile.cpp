#include "jobs/launcher.h"
#include "core/qt/window.h"
