#include "core/config_keys.h"

namespace orvo {

std::string mainHistoryKey(int index) { return "MainHistory" + std::to_string(index); }
std::string currentHistoryKey(int index) { return "CurrentHistory" + std::to_string(index); }
std::string screenFactorKey(int dialogNumber, char axis) {
    return "Form" + std::to_string(dialogNumber) + "_" + axis;
}

}  // namespace orvo
