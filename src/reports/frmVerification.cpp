#include "reports/frmVerification.h"

#include "charging/frmView.h"
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ControlEvents.h"
#include "platform/TypedKeys.h"
#include "platform/Values.h"
#include "shell/Session.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

bool BillingKnowsReference(const QString& refNum) {
    const std::optional<Recordset> found =
        SQLConnection().callProcedure(QStringLiteral("sp_PARS_SearchRefNum"), {{QStringLiteral("@RefNum"), refNum}});
    return found && found->recordCount() > 0;
}

frmVerification::frmVerification(QWidget* parent) : ReportDialog(parent) {
    setObjectName(QStringLiteral("frmVerification"));
    setWindowTitle(QStringLiteral("Verification"));
    auto* layout = new QGridLayout(this);
    Label2 = new QLabel(QStringLiteral("Verification"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont heading = Label2->font();
    heading.setBold(true);
    heading.setPointSize(heading.pointSize() + 4);
    Label2->setFont(heading);
    Label3[0] = new QLabel(QStringLiteral("Reference #: "), this);
    Label3[1] = new QLabel(QStringLiteral("Enter Reference Number  or <ESC>/Cancel to exit"), this);
    Label3[1]->setTextFormat(Qt::PlainText);
    txtRefNum = new QLineEdit(this);
    txtRefNum->setObjectName(QStringLiteral("txtRefNum"));
    txtRefNum->setMaxLength(10);
    optOptions[0] = new QPushButton(QStringLiteral("&OK       "), this);
    optOptions[1] = new QPushButton(QStringLiteral("&Cancel  "), this);
    for (int i = 0; i < 2; ++i) {
        optOptions[i]->setObjectName(QStringLiteral("optOptions%1").arg(i));
        optOptions[i]->setFlat(true);
        // Enter moves on from a button as from the box; it presses none.
        optOptions[i]->setAutoDefault(false);
        connect(optOptions[i], &QPushButton::clicked, this, [this, i] { optOptions_Click(i); });
    }
    layout->addWidget(Label2, 0, 0, 1, 2);
    layout->addWidget(Label3[0], 1, 0);
    layout->addWidget(txtRefNum, 1, 1);
    layout->addWidget(Label3[1], 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(optOptions[0]);
    buttons->addWidget(optOptions[1]);
    layout->addLayout(buttons, 3, 0, 1, 2);

    for (QWidget* control : {static_cast<QWidget*>(txtRefNum), static_cast<QWidget*>(optOptions[0]),
                             static_cast<QWidget*>(optOptions[1])})
        control->installEventFilter(this);
    auto* refNumEvents = new ControlEvents(txtRefNum);
    connect(refNumEvents, &ControlEvents::validate, this, &frmVerification::txtRefNum_Validate);
}

bool frmVerification::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && PreviewTypedKey(watched, *static_cast<QKeyEvent*>(event)))
        return true;
    return ReportDialog::eventFilter(watched, event);
}

void frmVerification::txtRefNum_Validate(bool& cancel) {
    HourglassScope busy;
    try {
        if (!BillingKnowsReference(Trim(txtRefNum->text()))) {
            MsgBox(QStringLiteral("Document doesn't exist!"), vbInformation, QStringLiteral("Notification"));
            cancel = true;
        }
    } catch (const AppError& e) {
        setHourglass(false);
        MsgBox(e.description(), vbCritical, QStringLiteral("Error"));
    }
}

void frmVerification::optOptions_Click(int index) {
    if (index == 1) {
        close();
        return;
    }
    HourglassScope busy;
    guarded([this] {
        ReportWindow().setVlRefnum(Trim(txtRefNum->text()));
        showReport(ReportType());
    });
}

} // namespace qx
