#include "ScriptedPlatform.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace qx;

namespace {

int innerLine = 0;
int outerLine = 0;

double innerProcedure() {
    try {
        return CInt(40000); // overflows
    } catch (...) {
        innerLine = __LINE__ + 1;
        raiseAgain(QStringLiteral("mdlMain"), QStringLiteral("Inner"));
    }
}

double outerProcedure() {
    outerLine = __LINE__ + 1;
    return generalProcedure(QStringLiteral("frmPharma"), QStringLiteral("Outer"), [] { return innerProcedure(); });
}

} // namespace

TEST(ErrorHandlingTest, RaisedAgainChainReadsInnermostFirst) {
    try {
        outerProcedure();
        FAIL() << "no error raised";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), kRaisedAgainNumber);
        EXPECT_EQ(e.number(), static_cast<long>(0x80040064));
        EXPECT_EQ(e.source(), "prjQuillax.frmPharma.Outer");
        EXPECT_EQ(e.description(), QStringLiteral("Overflow\nin prjQuillax.mdlMain.Inner at line %1\n"
                                                  "in prjQuillax.frmPharma.Outer at line %2")
                                       .arg(innerLine)
                                       .arg(outerLine));
    }
}

TEST(ErrorHandlingTest, GeneralProcedurePassesResultsThroughAndKeepsForeignErrorText) {
    EXPECT_EQ(generalProcedure(QStringLiteral("mdlMain"), QStringLiteral("Ok"), [] { return 7; }), 7);
    try {
        generalProcedure(QStringLiteral("clsPatient"), QStringLiteral("Load"),
                         [] { throw std::runtime_error("disk full"); }, std::source_location::current());
        FAIL() << "no error raised";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.description().startsWith(QStringLiteral("disk full\nin prjQuillax.clsPatient.Load at line ")))
            << e.description().toStdString();
    }
}

TEST(ErrorHandlingTest, EventHandlerGuardShowsApplicationErrorAndEndsTheProgram) {
    ScriptedPlatform platform;
    int after = 0;
    eventHandler(QStringLiteral("frmPharma"), QStringLiteral("cmdSave_Click"), [&] {
        throw AppError(kDbErrorNumber, QStringLiteral("db"), QStringLiteral("Table locked"));
        ++after;
    });
    const int line = __LINE__ - 4;
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    const auto& box = platform.messages->last();
    EXPECT_EQ(box.text, QStringLiteral("Table locked\nin prjQuillax.frmPharma.cmdSave_Click at line %1").arg(line));
    EXPECT_EQ(box.title, "Application Error");
    EXPECT_EQ(box.icon(), vbExclamation);
    EXPECT_EQ(box.buttons(), vbOKOnly);
    EXPECT_EQ(platform.programEnd->ended(), 1);
    EXPECT_EQ(platform.programEnd->lastExitCode(), 1);
    EXPECT_EQ(after, 0);
}

TEST(ErrorHandlingTest, EventHandlerWithoutErrorShowsNothing) {
    ScriptedPlatform platform;
    bool ran = false;
    eventHandler(QStringLiteral("frmPharma"), QStringLiteral("Form_Load"), [&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

TEST(ErrorHandlingTest, ApplicationErrorText) {
    EXPECT_EQ(applicationErrorText(QStringLiteral("Invalid use of Null"), QStringLiteral("mdlMain"),
                                   QStringLiteral("ColumnExists"), 12),
              "Invalid use of Null\nin prjQuillax.mdlMain.ColumnExists at line 12");
}

TEST(ErrorHandlingTest, UnhandledErrorShowsThePlatformReport) {
    struct Case { long number; const char* expected; };
    const Case cases[] = {
        {kErrTypeMismatch, "Run-time error '13':\n\nBad value"},
        {kRaisedAgainNumber, "Run-time error '-2147221404 (80040064)':\n\nBad value"},
    };
    for (const Case& c : cases) {
        ScriptedPlatform platform;
        unhandledErrorGuard([&] { throw AppError(c.number, QStringLiteral("x"), QStringLiteral("Bad value")); });
        ASSERT_EQ(platform.messages->boxes().size(), 1u);
        EXPECT_EQ(platform.messages->last().text, QString::fromUtf8(c.expected));
        EXPECT_EQ(platform.messages->last().title, "Quillax");
        EXPECT_EQ(platform.messages->last().icon(), vbCritical);
        EXPECT_EQ(platform.programEnd->ended(), 1);
    }
}

TEST(ErrorHandlingTest, TimerBodiesIgnoreErrors) {
    ScriptedPlatform platform;
    int steps = 0;
    ignoringErrors([&] {
        ++steps;
        throw AppError(kErrOverflow, QStringLiteral("x"), QStringLiteral("Overflow"));
    });
    EXPECT_EQ(steps, 1);
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_EQ(platform.programEnd->ended(), 0);
}
