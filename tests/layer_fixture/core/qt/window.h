#include <QWidget>
#include "core/texts.h"
