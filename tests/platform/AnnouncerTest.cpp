#include "components/AppError.h"
#include "platform/Announcer.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(AnnouncerTest, RequestsPlayInOrderAndStopDropsWhatIsLeft) {
    AgentControl agent;
    Announcer& merlin = agent.Load(QStringLiteral("merlin"));
    Announcer& peedy = agent.Load(QStringLiteral("peedy"));
    EXPECT_EQ(&agent.Characters(QStringLiteral("PEEDY")), &peedy);
    EXPECT_EQ(&agent.Characters(QStringLiteral("Merlin")), &merlin);
    EXPECT_THROW(agent.Characters(QStringLiteral("genie")), AppError);

    merlin.Show();
    merlin.Play(QStringLiteral("announce"));
    merlin.Speak(QStringLiteral("You have a discharge notice!"));
    merlin.Hide();
    EXPECT_EQ(merlin.queuedRequests(), (QStringList{QStringLiteral("Show"), QStringLiteral("Play announce"),
                                                     QStringLiteral("Speak You have a discharge notice!"),
                                                     QStringLiteral("Hide")}));
    merlin.playNext();
    EXPECT_TRUE(merlin.isVisible());
    merlin.playNext();
    EXPECT_EQ(merlin.animation(), QStringLiteral("announce"));
    merlin.playNext();
    EXPECT_EQ(merlin.balloonText(), QStringLiteral("You have a discharge notice!"));
    merlin.playNext();
    EXPECT_FALSE(merlin.isVisible());
    EXPECT_TRUE(merlin.queuedRequests().isEmpty());
    EXPECT_FALSE(peedy.isVisible());  // the other figure was never asked

    // Stop drops what was not played; a Hide among them still hides the figure.
    peedy.Show();
    peedy.playNext();
    peedy.Speak(QStringLiteral("Hi"));
    peedy.Hide();
    peedy.Stop();
    EXPECT_TRUE(peedy.queuedRequests().isEmpty());
    EXPECT_FALSE(peedy.isVisible());
}

TEST(AnnouncerTest, DoubleClickOnTheFigureIsItsSignal) {
    Announcer figure(QStringLiteral("peedy"));
    int clicks = 0;
    QObject::connect(&figure, &Announcer::dblClick, [&] { ++clicks; });
    figure.Show();
    figure.playNext();
    const QPointF at(figure.width() - 60, figure.height() - 50);
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, figure.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&figure, &twice);
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace qx
