#include "shell/WindowOpeners.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

class WindowOpenersTest : public ::testing::Test {
protected:
    void TearDown() override { ClearWindowOpeners(); }
};

TEST_F(WindowOpenersTest, OpenerGetsInputsAndGivesBackItsValues) {
    RegisterWindowOpener("frmListPosted", [](const WindowValues& in) {
        return WindowValues{{"EntrySaved", true}, {"Seen", in.value("PatientID")}};
    });
    const WindowValues out = OpenWindow("frmListPosted", {{"PatientID", "000123"}});
    EXPECT_TRUE(out.value("EntrySaved").toBool());
    EXPECT_EQ(out.value("Seen").toString(), "000123");
}

TEST_F(WindowOpenersTest, SecondRegistrationReplacesTheFirst) {
    RegisterWindowOpener("mnuPending.frmCommEntry", [](const WindowValues&) { return WindowValues{{"n", 1}}; });
    RegisterWindowOpener("mnuPending.frmCommEntry", [](const WindowValues&) { return WindowValues{{"n", 2}}; });
    EXPECT_EQ(OpenWindow("mnuPending.frmCommEntry").value("n").toInt(), 2);
}

TEST_F(WindowOpenersTest, UnregisteredNameShowsNothingAndGivesTheUnsavedDefaults) {
    EXPECT_FALSE(HasWindowOpener("mnuManualInPatient"));
    const WindowValues out = OpenWindow("mnuManualInPatient", {{"PatientID", "1"}});
    EXPECT_TRUE(out.isEmpty());
    EXPECT_FALSE(out.value("EntrySaved", false).toBool());
    EXPECT_TRUE(out.value("CancelledForm", true).toBool());
}

} // namespace
} // namespace qx
