#include "components/Procedures.h"

#include <gtest/gtest.h>

using namespace qx;

namespace {

ProcedureDecl declNamed(const QString& name) {
    return {name, {{QStringLiteral("@Code"), ParamType::Text, 5}},
            [](Connection&, ProcArgs&) -> std::optional<Recordset> { return std::nullopt; }};
}

TEST(ProcedureRegistryTest, FindsByNameIgnoringCaseAndAt) {
    ProcedureRegistry registry;
    registry.add(declNamed(QStringLiteral("Pharma_Probe")));
    const ProcedureDecl* found = registry.find(QStringLiteral(" @pharma_probe "));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->name, QStringLiteral("PHARMA_PROBE"));
    EXPECT_EQ(found->params.value(0).name, QStringLiteral("CODE"));
    EXPECT_EQ(registry.find(QStringLiteral("Pharma_Other")), nullptr);
}

// Names differing only in case or a leading '@' are one procedure on the server.
TEST(ProcedureRegistryDeathTest, SecondRegistrationOfANameStopsTheProgram) {
    for (const QString& again : {QStringLiteral("Pharma_Probe"), QStringLiteral("PHARMA_PROBE"), QStringLiteral("@pharma_probe")}) {
        EXPECT_DEATH(
            {
                ProcedureRegistry registry;
                registry.add(declNamed(QStringLiteral("Pharma_Probe")));
                registry.add(declNamed(again));
            },
            "Stored procedure PHARMA_PROBE is registered twice")
            << again.toStdString();
    }
}

} // namespace
