#include "shell/frmSplash.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace qx {

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Quillax"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setStyleSheet(QStringLiteral("QLabel { color: white; }"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x1f, 0x4e, 0x79));
    setPalette(pal);

    auto* title = new QLabel(QStringLiteral("Quillax"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(28);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    Label1 = new QLabel(QStringLiteral("Loading..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    pb = new QProgressBar(this);
    pb->setObjectName(QStringLiteral("pb"));
    pb->setTextVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 18);
    layout->addStretch();
    layout->addWidget(title);
    layout->addStretch();
    layout->addWidget(Label1);
    layout->addWidget(pb);
    resize(420, 240);
    Form_Load();
}

void frmSplash::Form_Load() {
    pb->setValue(0);
    pb->setMinimum(0);
    pb->setMaximum(21);
}

} // namespace qx
