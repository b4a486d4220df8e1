#include "shell/WindowOpeners.h"

#include <map>

namespace qx {

namespace {
std::map<QString, WindowOpener>& windowOpenersByName() {
    static std::map<QString, WindowOpener> byName;
    return byName;
}
} // namespace

void RegisterWindowOpener(const QString& name, WindowOpener opener) {
    windowOpenersByName()[name] = std::move(opener);
}

bool HasWindowOpener(const QString& name) {
    return windowOpenersByName().count(name) > 0;
}

WindowValues OpenWindow(const QString& name, const WindowValues& inputs) {
    const auto it = windowOpenersByName().find(name);
    if (it == windowOpenersByName().end() || !it->second)
        return {};
    // A copy, so an opener that re-registers its own name while showing stays alive.
    const WindowOpener opener = it->second;
    return opener(inputs);
}

void ClearWindowOpeners() { windowOpenersByName().clear(); }

} // namespace qx
