// orvodde, the conversation client shipped beside orvo, so that any editor,
// macro or script can hand the workbench a file and a line, or ask an
// editor for an item:
//
//   orvodde execute SERVICE TOPIC TEXT   exit 0 once the server has handled TEXT
//   orvodde request SERVICE TOPIC ITEM   prints the item's value
//
// Exit status 1 when the server is not running or does not answer within
// 10 seconds, 2 for a wrong command line.
#include <QCoreApplication>

#include <cstdio>
#include <string>

#include "platform/dbus/dbus_dde.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: orvodde execute SERVICE TOPIC TEXT\n"
                 "       orvodde request SERVICE TOPIC ITEM\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) return usage();
    std::string action = argv[1];
    if (action != "execute" && action != "request") return usage();
    QCoreApplication application(argc, argv);
    orvo::DBusDdeClient client;
    std::string service = argv[2];
    std::string topic = argv[3];
    if (!client.open(service, topic)) {
        std::fprintf(stderr, "orvodde: %s %s is not running\n", service.c_str(), topic.c_str());
        return 1;
    }
    if (action == "execute") {
        if (client.executeAndWait(argv[4])) return 0;
        std::fprintf(stderr, "orvodde: %s %s did not handle the text\n", service.c_str(), topic.c_str());
        return 1;
    }
    std::optional<std::string> value = client.request(argv[4]);
    if (!value) {
        std::fprintf(stderr, "orvodde: %s %s gave no value for %s\n", service.c_str(), topic.c_str(), argv[4]);
        return 1;
    }
    std::fwrite(value->data(), 1, value->size(), stdout);
    std::fputc('\n', stdout);
    return 0;
}
