#include "platform/dbus/dbus_dde.h"

#include <QAtomicInt>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QMetaObject>
#include <QThread>

#include <vector>

#include "platform/dbus/dde_bus_names.h"

namespace orvo {
namespace {

// The longest an open waits for the server to say it offers the topic.
constexpr int kOpenLimitMs = 2000;

QString qText(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
std::string bytes(const QString& text) { return text.toUtf8().toStdString(); }

// Every bus object gets a connection of its own, named uniquely in the process.
QDBusConnection connectToSessionBus(const char* role) {
    static QAtomicInt counter;
    QString name = QString("orvo-dde-%1-%2").arg(role).arg(counter.fetchAndAddRelaxed(1));
    return QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
}

QDBusMessage call(const std::string& busName, const std::string& path, const char* interface, const char* member) {
    QDBusMessage message = QDBusMessage::createMethodCall(qText(busName), qText(path), interface, member);
    // A conversation never starts a program.
    message.setAutoStartService(false);
    return message;
}

// One topic of the server: answers on the object's own thread, which runs
// the event loop, whatever thread the bus delivers on.
class TopicObject : public QDBusVirtualObject {
public:
    explicit TopicObject(DdeTopic& topic) : topic_(topic) {}

    QString introspect(const QString&) const override {
        return QStringLiteral(
            "<interface name=\"org.orvo.Dde\">"
            "<method name=\"Execute\"><arg name=\"text\" type=\"s\" direction=\"in\"/></method>"
            "<method name=\"Request\"><arg name=\"item\" type=\"s\" direction=\"in\"/>"
            "<arg name=\"value\" type=\"s\" direction=\"out\"/></method>"
            "</interface>");
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.interface() != QLatin1String(kDdeInterface)) return false;
        if (message.arguments().size() != 1 || message.signature() != QLatin1String("s")) return false;
        bool execute = message.member() == QLatin1String("Execute");
        if (!execute && message.member() != QLatin1String("Request")) return false;
        auto answer = [this, message, connection, execute] { respond(message, connection, execute); };
        if (QThread::currentThread() == thread()) answer();
        else QMetaObject::invokeMethod(this, answer, Qt::QueuedConnection);
        return true;
    }

private:
    void respond(const QDBusMessage& message, QDBusConnection connection, bool execute) {
        std::string argument = bytes(message.arguments().at(0).toString());
        if (execute) {
            topic_.execute(argument);
            connection.send(message.createReply());
            return;
        }
        std::optional<std::string> value = topic_.request(argument);
        if (value) connection.send(message.createReply(qText(*value)));
        else connection.send(message.createErrorReply(QStringLiteral("org.orvo.Dde.Error.NoSuchItem"), qText(argument)));
    }

    DdeTopic& topic_;
};

}  // namespace

struct DBusDdeClient::Bus {
    QDBusConnection connection = connectToSessionBus("client");
    std::string busName;
    std::string path;
    bool open = false;

    ~Bus() { QDBusConnection::disconnectFromBus(connection.name()); }
    QDBusMessage executeMessage(const std::string& command) const;
};

DBusDdeClient::DBusDdeClient(int requestLimitMs) : bus_(std::make_unique<Bus>()), requestLimitMs_(requestLimitMs) {}
DBusDdeClient::~DBusDdeClient() = default;

// Open succeeds when the name has an owner whose object at the topic's path
// offers the conversation interface; one introspection answers both.
bool DBusDdeClient::open(const std::string& service, const std::string& topic) {
    close();
    if (!bus_->connection.isConnected()) return false;
    std::string busName = ddeBusName(service);
    std::string path = ddeObjectPath(topic);
    QDBusMessage reply = bus_->connection.call(
        call(busName, path, "org.freedesktop.DBus.Introspectable", "Introspect"), QDBus::Block, kOpenLimitMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return false;
    QString description = reply.arguments().at(0).toString();
    if (!description.contains(QStringLiteral("<interface name=\"") + kDdeInterface + "\"")) return false;
    bus_->busName = busName;
    bus_->path = path;
    bus_->open = true;
    return true;
}

QDBusMessage DBusDdeClient::Bus::executeMessage(const std::string& command) const {
    QDBusMessage message = call(busName, path, kDdeInterface, "Execute");
    message << qText(command);
    return message;
}

void DBusDdeClient::execute(const std::string& command) {
    if (bus_->open) bus_->connection.send(bus_->executeMessage(command));
}

bool DBusDdeClient::executeAndWait(const std::string& command) {
    if (!bus_->open) return false;
    QDBusMessage reply = bus_->connection.call(bus_->executeMessage(command), QDBus::Block, requestLimitMs_);
    return reply.type() == QDBusMessage::ReplyMessage;
}

std::optional<std::string> DBusDdeClient::request(const std::string& item) {
    if (!bus_->open) return std::nullopt;
    QDBusMessage message = call(bus_->busName, bus_->path, kDdeInterface, "Request");
    message << qText(item);
    QDBusMessage reply = bus_->connection.call(message, QDBus::Block, requestLimitMs_);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return std::nullopt;
    return bytes(reply.arguments().at(0).toString());
}

void DBusDdeClient::close() { bus_->open = false; }

struct DBusDdeServer::Bus {
    QDBusConnection connection = connectToSessionBus("server");
    std::vector<std::unique_ptr<TopicObject>> topics;

    ~Bus() {
        QDBusConnection::disconnectFromBus(connection.name());
    }
};

DBusDdeServer::DBusDdeServer() : bus_(std::make_unique<Bus>()) {}
DBusDdeServer::~DBusDdeServer() = default;

// The object goes up before the name, so that a client that sees the name
// finds the topic too.
bool DBusDdeServer::offer(const std::string& service, const std::string& topic, DdeTopic& handler) {
    if (!bus_->connection.isConnected()) return false;
    auto object = std::make_unique<TopicObject>(handler);
    QString path = qText(ddeObjectPath(topic));
    if (!bus_->connection.registerVirtualObject(path, object.get(), QDBusConnection::SingleNode)) return false;
    if (!bus_->connection.registerService(qText(ddeBusName(service)))) {
        bus_->connection.unregisterObject(path);
        return false;
    }
    bus_->topics.push_back(std::move(object));
    return true;
}

}  // namespace orvo
