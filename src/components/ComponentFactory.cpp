#include "components/ComponentFactory.h"
#include "components/AppError.h"

namespace qx {

void ComponentFactory::add(const QString& progId, Creator creator) {
    creators_.insert(progId.toLower(), Entry{progId, std::move(creator)});
}

bool ComponentFactory::knows(const QString& progId) const {
    return creators_.contains(progId.toLower());
}

QStringList ComponentFactory::progIds() const {
    QStringList ids;
    for (const Entry& e : creators_)
        ids << e.progId;
    ids.sort();
    return ids;
}

CreatedComponent ComponentFactory::createAny(const QString& progId, const ConnectionProvider& provider) const {
    auto it = creators_.constFind(progId.toLower());
    if (it == creators_.constEnd())
        throw AppError(kCannotCreateObject, progId, QStringLiteral("Can't create object: %1").arg(progId));
    return it.value().creator(provider);
}

void ComponentFactory::throwWrongInterface(const QString& progId) {
    throw AppError(kCannotCreateObject, progId,
                   QStringLiteral("Can't create object: %1 gives another interface").arg(progId));
}

} // namespace qx
