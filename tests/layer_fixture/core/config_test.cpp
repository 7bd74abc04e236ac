#include "tests/fake_console.h"
#include "platform/fake/fake_file_system.h"
