// The workbench's "forall" topic as a bus message hands it its texts: the
// input is NUL-separated texts, executed in order. The bus names of a
// service and a topic are made from the same texts.
// - The file and line handed over hold no line break.
// - One block run per request, however many line macros arrive.
// - Any topic gives a valid object path; any service name of up to 200
//   bytes a valid bus name (an empty or longer one the bus refuses itself,
//   and the conversation then just does not open).
#include <string>
#include <vector>

#include "core/workbench.h"
#include "editor/forall_topic.h"
#include "fuzz/fuzz_input.h"
#include "platform/dbus/dde_bus_names.h"

namespace orvo {
namespace {

using fuzz::check;

bool isNameCharacter(char c, bool dash) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           (dash && c == '-');
}

// The bus's rules for a well-known name: at most 255 bytes, two or more
// dot-separated elements of [A-Za-z0-9_-], none empty or starting with a digit.
bool isValidBusName(const std::string& name) {
    if (name.empty() || name.size() > 255) return false;
    std::size_t elements = 0;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = name.find('.', start);
        std::string_view element = std::string_view(name).substr(start, end == std::string::npos ? end : end - start);
        if (element.empty() || (element[0] >= '0' && element[0] <= '9')) return false;
        for (char c : element) {
            if (!isNameCharacter(c, true)) return false;
        }
        ++elements;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return elements >= 2;
}

// "/" alone, or "/"-separated non-empty elements of [A-Za-z0-9_].
bool isValidObjectPath(const std::string& path) {
    if (path == "/") return true;
    if (path.empty() || path[0] != '/' || path.back() == '/') return false;
    for (std::size_t i = 1; i < path.size(); ++i) {
        if (path[i] == '/' ? path[i - 1] == '/' : !isNameCharacter(path[i], false)) return false;
    }
    return true;
}

}  // namespace
}  // namespace orvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvo;
    std::vector<std::string_view> texts = fuzz::splitParts(fuzz::asText(data, size), 16);
    Workbench w;
    int runs = 0;
    int stayOnTopChecks = 0;
    ForallTopic topic(w, [&] { ++runs; }, [&] { ++stayOnTopChecks; });
    for (std::string_view text : texts) {
        topic.execute(std::string(text));
        check(w.block.fileName.find_first_of("\r\n") == std::string::npos, "the file handed over is one line");
        check(w.block.lineNumber.find_first_of("\r\n") == std::string::npos, "the line handed over is one line");
        check(runs <= 1, "one block run per request");

        std::string service(text);
        check(isValidObjectPath(ddeObjectPath(service)), "a topic gives an object path", service);
        if (!service.empty() && service.size() <= 200) {
            check(isValidBusName(ddeBusName(service)), "a service gives a bus name", service);
        }
        check(serviceNameOf(service).find('.') == std::string::npos, "a service name is cut at its first dot");
    }
    return 0;
}
