#include "core/error_text.h"

#include <string.h>

namespace orvo {

std::string errorText(int error) {
    // Not strerror: once Qt has set the locale it may describe the error in
    // the desktop's language, inside an English message.
    const char* description = strerrordesc_np(error);
    return std::string(description ? description : "Unknown error") + " (" + std::to_string(error) + ")";
}

}  // namespace orvo
