#include "editor/profile.h"
#include "core/qt/window.h"
#include "dialogs/qt/dialog_form.h"
