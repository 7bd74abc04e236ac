#include <QCoreApplication>
#include "platform/linux/spawn.h"
#include "jobs/run.h"
#include "jobs/orvocmd/qt/view.h"
