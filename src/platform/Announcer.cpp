#include "platform/Announcer.h"

#include "components/AppError.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace qx {

namespace {

// How long each kind of request holds the figure before the next one plays.
constexpr int kPlayMs = 1200;
constexpr int kSpeakMs = 2800;
constexpr int kShowHideMs = 300;

// Each character has its own colour, so two figures on screen are told apart at a glance.
QColor robeColour(const QString& id) {
    return id.compare(QStringLiteral("merlin"), Qt::CaseInsensitive) == 0 ? QColor(0x4A, 0x2C, 0x8A)
                                                                          : QColor(0xF2, 0xB1, 0x1B);
}

} // namespace

Announcer::Announcer(const QString& characterId, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      id_(characterId) {
    setObjectName(characterId);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setToolTip(characterId);
    resize(260, 200);
    pace_.setSingleShot(true);
    connect(&pace_, &QTimer::timeout, this, &Announcer::playNext);
}

void Announcer::enqueue(Kind kind, const QString& text) {
    queue_.push_back({kind, text});
    if (!pace_.isActive())
        pace_.start(0);
}

void Announcer::Show() { enqueue(Kind::Show); }
void Announcer::Play(const QString& animation) { enqueue(Kind::Play, animation); }
void Announcer::Speak(const QString& text) { enqueue(Kind::Speak, text); }
void Announcer::Hide() { enqueue(Kind::Hide); }

void Announcer::Stop() {
    bool hide = false;
    for (const Request& request : queue_)
        hide = hide || request.kind == Kind::Hide;
    queue_.clear();
    pace_.stop();
    animation_.clear();
    if (hide) {
        balloon_.clear();
        QWidget::hide();
    }
    update();
}

QStringList Announcer::queuedRequests() const {
    QStringList requests;
    for (const Request& request : queue_) {
        switch (request.kind) {
        case Kind::Show: requests << QStringLiteral("Show"); break;
        case Kind::Play: requests << QStringLiteral("Play ") + request.text; break;
        case Kind::Speak: requests << QStringLiteral("Speak ") + request.text; break;
        case Kind::Hide: requests << QStringLiteral("Hide"); break;
        }
    }
    return requests;
}

void Announcer::playNext() {
    if (queue_.empty())
        return;
    const Request request = queue_.front();
    queue_.pop_front();
    int holdMs = kShowHideMs;
    switch (request.kind) {
    case Kind::Show:
        placeOnScreen();
        QWidget::show();
        raise();
        break;
    case Kind::Play:
        animation_ = request.text;
        holdMs = kPlayMs;
        break;
    case Kind::Speak:
        balloon_ = request.text;
        holdMs = kSpeakMs;
        break;
    case Kind::Hide:
        balloon_.clear();
        animation_.clear();
        QWidget::hide();
        break;
    }
    update();
    if (!queue_.empty())
        pace_.start(holdMs);
}

void Announcer::placeOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The two characters stand side by side in the lower right corner.
    const QRect area = screen->availableGeometry();
    const int slot = id_.compare(QStringLiteral("merlin"), Qt::CaseInsensitive) == 0 ? 1 : 0;
    move(area.right() - width() * (slot + 1) - 20, area.bottom() - height() - 20);
}

void Announcer::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor robe = robeColour(id_);
    // The figure: a robe, a head and, while an animation plays, raised arms.
    const QRectF body(width() - 110, height() - 110, 80, 100);
    QPainterPath robePath;
    robePath.moveTo(body.center().x(), body.top() + 20);
    robePath.lineTo(body.right(), body.bottom());
    robePath.lineTo(body.left(), body.bottom());
    robePath.closeSubpath();
    p.setPen(QPen(robe.darker(150), 2));
    p.setBrush(robe);
    p.drawPath(robePath);
    p.setBrush(QColor(0xF5, 0xD0, 0xA9));
    p.drawEllipse(QPointF(body.center().x(), body.top() + 14), 16, 16);
    if (!animation_.isEmpty()) {
        p.drawLine(QPointF(body.center().x() - 18, body.top() + 50), QPointF(body.left() - 4, body.top() + 24));
        p.drawLine(QPointF(body.center().x() + 18, body.top() + 50), QPointF(body.right() + 4, body.top() + 24));
    }
    if (balloon_.isEmpty())
        return;
    const QRectF bubble(4, 4, width() - 60, 70);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xFF, 0xFF, 0xE1));
    p.drawRoundedRect(bubble, 8, 8);
    p.drawText(bubble.adjusted(8, 4, -8, -4), Qt::AlignCenter | Qt::TextWordWrap, balloon_);
}

void Announcer::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    emit dblClick();
}

Announcer& AgentControl::Load(const QString& characterId) {
    characters_.push_back(std::make_unique<Announcer>(characterId));
    return *characters_.back();
}

Announcer& AgentControl::Characters(const QString& characterId) const {
    for (const auto& character : characters_)
        if (character->characterId().compare(characterId, Qt::CaseInsensitive) == 0)
            return *character;
    throw AppError(-2147213311, QStringLiteral("AgentControl"),
                   QStringLiteral("The character \"%1\" is not loaded.").arg(characterId));
}

} // namespace qx
