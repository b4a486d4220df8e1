#pragma once
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <memory>
#include <vector>

namespace qx {

// An announcing character: a small figure of its own, always on top of the other windows, that
// shows, plays an animation, speaks in a balloon and hides. Requests are queued and played one
// after another while the program goes on; nobody waits for them. A double-click on the figure
// is its dblClick signal.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(const QString& characterId, QWidget* parent = nullptr);

    QString characterId() const { return id_; }
    void Show();
    void Play(const QString& animation);
    void Speak(const QString& text);
    void Hide();
    // Drops the requests not played yet; a queued Hide is carried out at once.
    void Stop();

    // The requests waiting, oldest first: "Show", "Play announce", "Speak <text>", "Hide".
    QStringList queuedRequests() const;
    // What the figure shows now.
    QString balloonText() const { return balloon_; }
    QString animation() const { return animation_; }
    // Plays the oldest waiting request now (the figure's own timer does this as time goes by).
    void playNext();

signals:
    void dblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    enum class Kind { Show, Play, Speak, Hide };
    struct Request {
        Kind kind;
        QString text;
    };
    void enqueue(Kind kind, const QString& text = QString());
    void placeOnScreen();

    QString id_;
    std::deque<Request> queue_;
    QTimer pace_;
    QString balloon_;
    QString animation_;
};

// The character control of a window: loads characters by id and finds them again by id, letter
// case ignored. A character not loaded is an error.
class AgentControl {
public:
    Announcer& Load(const QString& characterId);
    Announcer& Characters(const QString& characterId) const;

private:
    std::vector<std::unique_ptr<Announcer>> characters_;
};

} // namespace qx
