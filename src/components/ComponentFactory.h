#pragma once
#include <QHash>
#include <QString>
#include <any>
#include <functional>
#include <memory>

namespace qx {

class Connection;

// Where a component finds the shared connection once the login has opened it (nullptr before).
using ConnectionProvider = std::function<Connection*()>;

// What one creation gives: the component (a std::shared_ptr of its interface) and, for the
// components that are connected at start-up, its InitConnect/InitConnection call.
struct CreatedComponent {
    std::any object;
    std::function<bool(const QString& connectionString)> connect;
};

// Creates the suite's components by ProgID. An unknown ProgID fails the way a component that
// cannot be created does: with an AppError.
class ComponentFactory {
public:
    using Creator = std::function<CreatedComponent(const ConnectionProvider&)>;

    void add(const QString& progId, Creator creator);
    bool knows(const QString& progId) const;
    QStringList progIds() const;

    // Registers an implementation under `progId`; `connect` is the interface's connect member,
    // or nullptr for a component that is not connected at start-up.
    template <class Interface>
    void add(const QString& progId,
             std::function<std::shared_ptr<Interface>(const ConnectionProvider&)> make,
             bool (Interface::*connect)(const QString&) = nullptr) {
        add(progId, [make = std::move(make), connect](const ConnectionProvider& provider) {
            std::shared_ptr<Interface> object = make(provider);
            CreatedComponent created{object, {}};
            if (connect) {
                std::weak_ptr<Interface> weak = object;
                created.connect = [weak, connect](const QString& connStr) {
                    std::shared_ptr<Interface> live = weak.lock();
                    return live && ((*live).*connect)(connStr);
                };
            }
            return created;
        });
    }

    CreatedComponent createAny(const QString& progId, const ConnectionProvider& provider) const;

    // Creates `progId` as `Interface`; throws AppError when the ProgID is unknown, its creator
    // fails, or it gives another interface.
    template <class Interface>
    std::shared_ptr<Interface> create(const QString& progId, const ConnectionProvider& provider,
                                      std::function<bool(const QString&)>* connect = nullptr) const {
        CreatedComponent created = createAny(progId, provider);
        auto* object = std::any_cast<std::shared_ptr<Interface>>(&created.object);
        if (!object || !*object)
            throwWrongInterface(progId);
        if (connect)
            *connect = std::move(created.connect);
        return *object;
    }

private:
    [[noreturn]] static void throwWrongInterface(const QString& progId);
    struct Entry {
        QString progId;
        Creator creator;
    };
    QHash<QString, Entry> creators_;  // by lower-case ProgID
};

// The number and text of a component that cannot be created.
constexpr long kCannotCreateObject = 429;

} // namespace qx
