#include "actions/qt/form.h"
