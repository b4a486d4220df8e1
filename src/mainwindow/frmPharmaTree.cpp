// The navigation tree: its nodes by site and settings, the command states a node click sets, and
// the jumps to the pending lists.
#include "mainwindow/frmPharma.h"

#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "components/WardStations.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "shell/HospitalSettings.h"
#include "shell/Switches.h"
#include "suite/WardStationsStation.h"

#include <QAction>
#include <QLabel>
#include <QTimer>
#include <QTreeWidget>

namespace qx {

namespace {

const QString kTreeModule = QStringLiteral("frmPharma");
constexpr int kNodeKeyRole = Qt::UserRole;
constexpr int kNodeImageRole = Qt::UserRole + 1;

enum class NodeWhen { Always, UnitDoseSites, SeparateER, Kelvar, NoDirectReturns };

struct TreeNodeRow {
    const char* key;
    const char* parent;
    const char* text;
    const char* image;
    NodeWhen when;
};

const TreeNodeRow kTreeNodeRows[] = {
    {"_0", "", "Communication File", "CommOn", NodeWhen::Always},
    {"_1", "_0", "In-Patient", "AllPatients", NodeWhen::Always},
    {"_2", "_0", "Out-Patient", "AllPatients", NodeWhen::Always},
    {"_3", "_0", "Unit-Dose", "UnitDose", NodeWhen::UnitDoseSites},
    {"_3.1", "_3", "All", "Patient", NodeWhen::UnitDoseSites},
    {"_3.2", "_3", "By Station", "AllStations", NodeWhen::UnitDoseSites},
    {"_8", "_0", "E.R. Patient", "AllPatients", NodeWhen::SeparateER},
    {"_8.1", "_8", "All", "Patient", NodeWhen::SeparateER},
    {"_4", "_0", "Cash", "AllPatients", NodeWhen::Always},
    {"_1.1", "_1", "All", "Patient", NodeWhen::Always},
    {"_1.2", "_1", "By Station", "AllStations", NodeWhen::Always},
    {"_2.1", "_2", "All", "Patient", NodeWhen::Always},
    {"_4.1", "_4", "Paid Assessments", "Peso", NodeWhen::Always},
    {"_4.2", "_4", "Unpaid Assessments", "PesoCancelled", NodeWhen::Always},
    {"_4.3", "_4", "Revoked Assessments", "TrashEmpty", NodeWhen::Always},
    {"_4.1.1", "_4.1", "Current", "Patient", NodeWhen::Always},
    {"_4.1.2", "_4.1", "Previous", "Patient", NodeWhen::Always},
    {"_4.2.1", "_4.2", "Current", "Patient", NodeWhen::Always},
    {"_4.2.2", "_4.2", "Previous", "Patient", NodeWhen::Always},
    {"_4.3.1", "_4.3", "Current", "Patient", NodeWhen::Always},
    {"_4.3.2", "_4.3", "Previous", "Patient", NodeWhen::Always},
    {"_5", "_0", "Take-Home-Meds", "AllPatients", NodeWhen::Kelvar},
    {"_5.1", "_5", "In-Patient", "Patient", NodeWhen::Kelvar},
    {"_5.1.1", "_5.1", "Current", "Patient", NodeWhen::Kelvar},
    {"_5.2", "_5", "Out-Patient", "Patient", NodeWhen::Kelvar},
    {"_5.2.1", "_5.2", "Current", "Patient", NodeWhen::Kelvar},
    {"_5.2.2", "_5.2", "Previous", "Patient", NodeWhen::Kelvar},
    {"_6", "_0", "Refill", "AllPatients", NodeWhen::Kelvar},
    {"_6.1", "_6", "Current", "Patient", NodeWhen::Kelvar},
    {"_6.2", "_6", "Previous", "Patient", NodeWhen::Kelvar},
    {"_6.3", "_6", "Complete", "Patient", NodeWhen::Kelvar},
    {"_7", "_0", "Post Returns from Stations", "AllPatients", NodeWhen::NoDirectReturns},
    {"_7.1", "_7", "In-Patient", "Patient", NodeWhen::NoDirectReturns},
    {"_7.1.1", "_7.1", "Current", "Patient", NodeWhen::NoDirectReturns},
    {"_7.2", "_7", "Out-Patient", "Patient", NodeWhen::NoDirectReturns},
    {"_7.2.1", "_7.2", "Current", "Patient", NodeWhen::NoDirectReturns},
    {"_7.2.2", "_7.2", "Previous", "Patient", NodeWhen::NoDirectReturns},
};

const QString kUnitDoseStationSite = QStringLiteral("VOJ");
const QStringList kUnitDoseSites = {QStringLiteral("GIVRC"), kUnitDoseStationSite};

// Node-click command states: on, off, or left as it was.
enum class NodeCommand { Off, On, Keep, ByProcessRight, ByUnitDoseRight };

struct NodeClickRow {
    QStringList parentKeys;  // empty: any other parent
    NodeCommand pending, autoDispense, transcription, button14, processAssessment, button17, button18;
};

} // namespace

QString frmPharma::NodeKey(const QTreeWidgetItem* node) {
    return node ? node->data(0, kNodeKeyRole).toString() : QString();
}

QTreeWidgetItem* frmPharma::TreeNode(const QString& key) const {
    for (QTreeWidgetItem* node : treeNodes_)
        if (NodeKey(node) == key)
            return node;
    return nullptr;
}

QTreeWidgetItem* frmPharma::TreeNodeAt(int index) const {
    return index >= 1 && index <= int(treeNodes_.size()) ? treeNodes_[size_t(index - 1)] : nullptr;
}

bool frmPharma::LoadTreeView() {
    return generalProcedure(kTreeModule, QStringLiteral("LoadTreeView"), [this] {
        // A station list of its own for each build, released at its end.
        const std::shared_ptr<WardStations::Station> stations =
            StationMaker ? StationMaker() : std::make_shared<suite::WardStationsStation>(gComponents.connectionProvider());
        if (!stations || !stations->InitConnection(SQLConnection().connectionString())) {
            MsgBox(QStringLiteral("Important component(LoadTreeView.Station) was unable to connecto to server.;") +
                       QStringLiteral("Please contance EDP personell for assistance."),
                   vbInformation);
            return false;
        }
        treCategory->clear();
        treeNodes_.clear();
        const auto addNode = [this](const QString& key, const QString& parentKey, const QString& text,
                                    const QString& image) {
            QTreeWidgetItem* parent = TreeNode(parentKey);
            auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(treCategory);
            node->setText(0, text);
            node->setData(0, kNodeKeyRole, key);
            node->setData(0, kNodeImageRole, image);
            treeNodes_.push_back(node);
            return node;
        };
        const bool unitDose = kUnitDoseSites.contains(gSiteCode);
        const bool kelvar = gPharmaSwitches.IsKelvarHospital();
        const bool noDirectReturns = IsNoDirectReturnSupplies();
        for (const TreeNodeRow& row : kTreeNodeRows) {
            const bool present = row.when == NodeWhen::Always || (row.when == NodeWhen::UnitDoseSites && unitDose) ||
                                 (row.when == NodeWhen::SeparateER && gSeparateER) ||
                                 (row.when == NodeWhen::Kelvar && kelvar) ||
                                 (row.when == NodeWhen::NoDirectReturns && noDirectReturns);
            if (!present)
                continue;
            QTreeWidgetItem* node = addNode(QString::fromLatin1(row.key), QString::fromLatin1(row.parent),
                                            QString::fromLatin1(row.text), QString::fromLatin1(row.image));
            if (NodeKey(node) == QStringLiteral("_0"))
                node->setExpanded(true);
            if (NodeKey(node) == QStringLiteral("_1"))
                treCategory->setCurrentItem(node);
        }
        for (Recordset rs = stations->List(); !rs.eof(); rs.moveNext()) {
            const QString id = rs.text(QStringLiteral("StationID"));
            const QString name = rs.text(QStringLiteral("Station"));
            addNode(QStringLiteral("@") + id, QStringLiteral("_1.2"), name, QStringLiteral("Station"));
            if (gSiteCode == kUnitDoseStationSite)
                addNode(QStringLiteral("*") + id, QStringLiteral("_3.2"), name, QStringLiteral("Station"));
        }
        return true;
    });
}

void frmPharma::treCategory_NodeClick(QTreeWidgetItem* node) {
    eventHandler(kTreeModule, QStringLiteral("treCategory_NodeClick"), [&] {
        // The pending-request indicator goes quiet; the detectors of the strip re-arm with it.
        timerB->stop();
        TimerOutB->stop();
        timerDetect->start();
        TimerOut->start();
        lblPendingBlue->show();
        lblPendingBlueIn->show();
        lblPendingBlueOut->show();
        lblPendingRed->hide();
        lblPendingBlackIn->hide();
        lblPendingBlackOut->hide();

        QAction* const pending = command(QStringLiteral("mnuPending"));
        QAction* const autoDispense = command(QStringLiteral("mnuAutoDispense"));
        QAction* const transcription = command(QStringLiteral("mnuProcessTranscription"));
        QAction* const processAssessment = command(QStringLiteral("mnuProcessAssessment"));
        processAssessment->setEnabled(false);

        using C = NodeCommand;
        static const NodeClickRow rows[] = {
            {{QStringLiteral("_1"), QStringLiteral("_2"), QStringLiteral("_5"), QStringLiteral("_8")},
             C::ByProcessRight, C::Off, C::Off, C::Off, C::Off, C::Off, C::Off},
            {{QStringLiteral("_3")}, C::Off, C::ByUnitDoseRight, C::Off, C::Off, C::Off, C::Off, C::Off},
            {{QStringLiteral("_4")}, C::Off, C::Off, C::On, C::On, C::Off, C::Off, C::Off},
            {{QStringLiteral("_4.1")}, C::Off, C::Off, C::Off, C::Keep, C::On, C::On, C::Off},
            {{QStringLiteral("_4.2")}, C::Off, C::Off, C::Off, C::Keep, C::Off, C::Off, C::On},
            {{QStringLiteral("_4.3")}, C::Off, C::Off, C::Off, C::Keep, C::Off, C::Off, C::Off},
            {{}, C::Off, C::Off, C::Off, C::Keep, C::Off, C::Off, C::Keep},
        };
        const auto apply = [](C state, std::initializer_list<QAction*> targets) {
            if (state == C::Keep)
                return;
            const bool on = state == C::On || (state == C::ByProcessRight && gCanProcessRequest) ||
                            (state == C::ByUnitDoseRight && gCanUnitDose);
            for (QAction* target : targets)
                target->setEnabled(on);
        };
        const QString key = NodeKey(node);
        const QString parentKey = NodeKey(node ? node->parent() : nullptr);
        if (key == QStringLiteral("_0")) {
            for (QAction* target : {pending, tbrPharmaButton(1), autoDispense, tbrPharmaButton(2), transcription,
                                    tbrPharmaButton(14), processAssessment, tbrPharmaButton(17), tbrPharmaButton(18)})
                target->setEnabled(false);
        } else {
            for (const NodeClickRow& row : rows) {
                if (!row.parentKeys.isEmpty() && !row.parentKeys.contains(parentKey))
                    continue;
                apply(row.pending, {pending, tbrPharmaButton(1)});
                apply(row.autoDispense, {autoDispense, tbrPharmaButton(2)});
                apply(row.transcription, {transcription});
                apply(row.button14, {tbrPharmaButton(14)});
                apply(row.processAssessment, {processAssessment});
                apply(row.button17, {tbrPharmaButton(17)});
                apply(row.button18, {tbrPharmaButton(18)});
                break;
            }
            // Station nodes follow their branch: requests by the request right, unit dose by its own.
            if (parentKey.left(2) == QStringLiteral("_1")) {
                apply(C::ByProcessRight, {pending, tbrPharmaButton(1)});
                apply(C::Off, {autoDispense, tbrPharmaButton(2)});
            } else if (parentKey.left(2) == QStringLiteral("_3")) {
                apply(C::Off, {pending, tbrPharmaButton(1)});
                apply(C::ByUnitDoseRight, {autoDispense, tbrPharmaButton(2)});
            }
        }
        ClickTreeView();
    });
}

void frmPharma::treCategory_KeyDown(int keyCode, int) {
    eventHandler(kTreeModule, QStringLiteral("treCategory_KeyDown"), [&] {
        if (keyCode == Qt::Key_Right && flexMSHList->isEnabled())
            flexMSHList->setFocus();
    });
}

void frmPharma::jumpToBranch(int index) {
    QTreeWidgetItem* branch = TreeNodeAt(index);
    if (!branch)
        return;
    branch->setExpanded(true);
    if (branch->childCount() > 0)
        treCategory->setCurrentItem(branch->child(0));
    treCategory->setFocus();
    treCategory_NodeClick(branch);
}

void frmPharma::mnuInpatient_Click() {
    eventHandler(kTreeModule, QStringLiteral("mnuInpatient_Click"), [this] { jumpToBranch(2); });
}

void frmPharma::mnuOutPatient_Click() {
    eventHandler(kTreeModule, QStringLiteral("mnuOutPatient_Click"), [this] { jumpToBranch(3); });
}

void frmPharma::mnuERpatient_Click() {
    eventHandler(kTreeModule, QStringLiteral("mnuERpatient_Click"), [this] { jumpToBranch(4); });
}

} // namespace qx
