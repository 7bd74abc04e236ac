#include "tests/shipped_data.h"

#include <fstream>
#include <sstream>

#include "core/text_decoding.h"

namespace orvo {

std::string shippedFile(const std::string& name) {
    std::ifstream in(std::string(ORVO_SHIPPED_DATA_DIR) + name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> shippedLines(const std::string& name) { return splitTextLines(shippedFile(name)); }

}  // namespace orvo
