#include "mainwindow/frmDischargeNotice.h"

#include "charging/frmView.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "mainwindow/frmPharma.h"
#include "platform/Twips.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace qx {

namespace {

// The images of the list and of its legend: an open notice and a cleared one.
QIcon noticeIcon(bool cleared) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(cleared ? QColor(0x2E, 0x7D, 0x32) : QColor(0xC6, 0x28, 0x28));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(2, 2, 12, 12));
    return QIcon(pixmap);
}

frmView& noticeReportWindow() {
    static frmView* window = new frmView();
    return *window;
}

} // namespace

frmPharma* SessionMainWindow() { return dynamic_cast<frmPharma*>(gMainForm.get()); }

QString GeneralDateText(const QDateTime& value) {
    if (!value.isValid())
        return QString();
    const QLocale locale;
    QString text = locale.toString(value.date(), QLocale::ShortFormat);
    if (value.time() != QTime(0, 0))
        text += QLatin1Char(' ') + locale.toString(value.time(), QLocale::LongFormat);
    return text;
}

frmDischargeNotice& frmDischargeNotice::Default() {
    static frmDischargeNotice* instance = new frmDischargeNotice;
    return *instance;
}

frmDischargeNotice::frmDischargeNotice() {
    setObjectName(QStringLiteral("frmDischargeNotice"));
    setWindowTitle(QStringLiteral("Discharge Notice"));
    setModal(true);
    resize(twipsToPixels(11000), twipsToPixels(6500));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("Discharge Notice"), this);
    QFont headingFont = heading->font();
    headingFont.setPointSize(headingFont.pointSize() + 4);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    layout->addWidget(heading);
    lvwRequest = new QTreeWidget(this);
    lvwRequest->setObjectName(QStringLiteral("lvwRequest"));
    lvwRequest->setRootIsDecorated(false);
    lvwRequest->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(lvwRequest, &QTreeWidget::itemDoubleClicked, this, [this] { cmdSelect_Click(); });
    layout->addWidget(lvwRequest);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Legend:"), this));
    const std::pair<bool, const char*> legend[] = {{true, "Cleared"}, {false, "Not Cleared"}};
    for (const auto& [cleared, caption] : legend) {
        auto* image = new QLabel(this);
        image->setObjectName(cleared ? QStringLiteral("imgClear") : QStringLiteral("imgOpen"));
        image->setPixmap(noticeIcon(cleared).pixmap(16, 16));
        bottom->addWidget(image);
        bottom->addWidget(new QLabel(QString::fromLatin1(caption), this));
    }
    bottom->addStretch();
    const std::tuple<QPushButton**, const char*, const char*, void (frmDischargeNotice::*)()> buttons[] = {
        {&cmdSelect, "cmdSelect", "&Select", &frmDischargeNotice::cmdSelect_Click},
        {&cmdPrint, "cmdPrint", "&Print", &frmDischargeNotice::cmdPrint_Click},
        {&cmdClose, "cmdClose", "&Close", &frmDischargeNotice::cmdClose_Click},
    };
    for (const auto& [button, name, caption, click] : buttons) {
        *button = new QPushButton(QString::fromLatin1(caption), this);
        (*button)->setObjectName(QString::fromLatin1(name));
        (*button)->setAutoDefault(false);
        connect(*button, &QPushButton::clicked, this, click);
        bottom->addWidget(*button);
    }
    layout->addLayout(bottom);
}

void frmDischargeNotice::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Load();
}

void frmDischargeNotice::Form_Load() {
    // The wizard keeps quiet while the pharmacist reads the list.
    if (frmPharma* main = SessionMainWindow()) {
        Announcer& merlin = main->Agent1.Characters(QStringLiteral("merlin"));
        merlin.Stop();
        merlin.Hide();
        merlin.Stop();
        main->tmrMerlin->stop();
        main->tmrNotice->stop();
    }
    idNum_.clear();
    valid_ = false;
    HourglassScope hourglass;
    const Recordset rs = SQLConnection()
                             .callProcedure(QStringLiteral("Pharma_LoadDischargeNotice"),
                                            {{QStringLiteral("@DepartmentID"), QStringLiteral("PH")}})
                             .value_or(Recordset());
    lvwRequest->clear();
    lvwRequest->setColumnCount(5);
    lvwRequest->setHeaderLabels({QStringLiteral("Patient"), QStringLiteral("Room"), QStringLiteral("Adm. #"),
                                 QStringLiteral("Billing Date"), QStringLiteral("Notice Time")});
    lvwRequest->setColumnWidth(0, twipsToPixels(3000));
    lvwRequest->setColumnWidth(4, twipsToPixels(2100));
    for (int r = 0; r < rs.recordCount(); ++r) {
        auto* row = new QTreeWidgetItem(lvwRequest);
        row->setText(0, rs.valueAt(r, QStringLiteral("PatientName")).toString());
        row->setText(1, rs.valueAt(r, QStringLiteral("RoomID")).toString());
        row->setText(2, rs.valueAt(r, QStringLiteral("IDNum")).toString());
        row->setText(3, rs.valueAt(r, QStringLiteral("DischargeNurse")).toString());
        row->setText(4, GeneralDateText(rs.valueAt(r, QStringLiteral("NoticeDate")).toDateTime()));
        const bool cleared = !rs.valueAt(r, QStringLiteral("ClearDate")).isNull();
        row->setIcon(0, noticeIcon(cleared));
        row->setData(0, Qt::UserRole, cleared ? QStringLiteral("clear") : QStringLiteral("open"));
    }
}

bool frmDischargeNotice::CheckPending(const QString& IDNum) {
    const std::optional<Recordset> rs = SQLConnection().callProcedure(
        QStringLiteral("Pharma_CheckWithPending"),
        {{QStringLiteral("@IDNum"), IDNum.trimmed()}, {QStringLiteral("@DepartmentID"), QStringLiteral("PH")}});
    return rs && !rs->isEmpty() && rs->value(QStringLiteral("total")).toLongLong() > 0;
}

void frmDischargeNotice::cmdSelect_Click() {
    const QTreeWidgetItem* row = lvwRequest->currentItem();
    if (!row || !row->isSelected())
        return;
    idNum_ = row->text(2);
    if (CheckPending(idNum_)) {
        MsgBox(QStringLiteral("Sorry, but you cannot clear patient with pending requests.\nPlease process the request/s first."),
               vbInformation, QStringLiteral("With Pending"));
        valid_ = false;
        return;
    }
    valid_ = true;
    close();
}

void frmDischargeNotice::cmdPrint_Click() {
    frmView& report = noticeReportWindow();
    report.setWhatReport(17);
    showModal(report);
}

void frmDischargeNotice::cmdClose_Click() {
    idNum_.clear();
    valid_ = false;
    close();
}

void frmDischargeNotice::done(int result) {
    QDialog::done(result);
    if (frmPharma* main = SessionMainWindow())
        main->tmrNotice->start();
}

} // namespace qx
