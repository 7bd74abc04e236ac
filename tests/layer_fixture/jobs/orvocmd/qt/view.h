#include <QWidget>
#include "jobs/run.h"
