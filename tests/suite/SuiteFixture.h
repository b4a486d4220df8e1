#pragma once
#include "TestDatabase.h"
#include "components/ComponentFactory.h"

namespace qx::test {

// Reference rows the lookups and pickers of the suite read, put in place by one call.
void addSuiteReferenceRows(Connection& c);

// A provider that hands out the test's connection, as the login component would.
inline ConnectionProvider providerOf(Connection& c) {
    return [&c] { return &c; };
}

// Creates a component on the test's connection and connects it.
template <class Impl, class... Args>
std::unique_ptr<Impl> connected(Connection& c, Args&&... args) {
    auto component = std::make_unique<Impl>(std::forward<Args>(args)..., providerOf(c));
    if (!component->InitConnection(c.connectionString()))
        ADD_FAILURE() << "component did not connect";
    return component;
}

} // namespace qx::test
