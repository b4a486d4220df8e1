#include "ScriptedPlatform.h"
#include "charging/PromptDialog.h"
#include "components/AppError.h"
#include "platform/PictureButton.h"

#include <QPushButton>
#include <gtest/gtest.h>

using namespace qx;

namespace {

// A prompt that counts its loads and unloads and can fail to load.
class CountingPrompt : public PromptDialog {
public:
    CountingPrompt() : PromptDialog(Placement::CentreOnScreen) {
        ok = new QPushButton(QStringLiteral("OK"), this);
        picture = new PictureButton(QStringLiteral("Go"), colors::Blue, this);
        picture->setGeometry(0, 40, 60, 20);
        setPictureButtons({picture});
        setFirstFocus(ok);
    }
    void answer() { unload(); }

    int loads = 0;
    int unloads = 0;
    bool failLoad = false;
    QPushButton* ok = nullptr;
    PictureButton* picture = nullptr;

protected:
    void Form_Load() override {
        ++loads;
        if (failLoad)
            throw AppError(13, QStringLiteral("x"), QStringLiteral("Type mismatch"));
    }
    void Form_Unload() override { ++unloads; }
};

TEST(PromptDialogTest, LoadsOnTheFirstShowingAfterEachWayOut) {
    ScriptedPlatform platform;
    CountingPrompt prompt;
    prompt.show();
    prompt.hide();
    prompt.show();  // shown again without unloading: no second load
    EXPECT_EQ(prompt.loads, 1);
    EXPECT_EQ(prompt.focusWidget(), prompt.ok);

    prompt.answer();
    EXPECT_FALSE(prompt.isVisible());
    prompt.show();
    EXPECT_EQ(prompt.loads, 2);

    prompt.close();  // the close box unloads as an answer does
    prompt.show();
    EXPECT_EQ(prompt.loads, 3);
    EXPECT_EQ(prompt.unloads, 2);
}

TEST(PromptDialogTest, ALoadStartsWithNoPictureHighlighted) {
    ScriptedPlatform platform;
    CountingPrompt prompt;
    prompt.picture->setHighlighted(true);
    prompt.show();
    EXPECT_FALSE(prompt.picture->isHighlighted());
}

TEST(PromptDialogTest, AFailedLoadIsReportedNotThrownThroughTheEventLoop) {
    ScriptedPlatform platform;
    CountingPrompt prompt;
    prompt.failLoad = true;
    prompt.show();
    EXPECT_TRUE(prompt.isVisible());
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Run-time error '13':\n\nType mismatch"));
    EXPECT_EQ(platform.programEnd->ended(), 1);
}

} // namespace
