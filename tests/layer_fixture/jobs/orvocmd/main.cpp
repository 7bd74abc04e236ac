#include <QCoreApplication>
#include "platform/linux/spawn.h"
#include "jobs/run.h"
