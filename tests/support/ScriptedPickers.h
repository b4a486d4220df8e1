#pragma once
// Pickers the entry screens show, answering from a script.
#include "components/DoseForms.h"
#include "components/DrugPicker.h"
#include "components/OutpatientRoster.h"

#include <QStringList>

namespace qx::test {

// The drug picker: answers the next codes in turn ("" when none is left) and records its calls.
class ScriptedDrugPicker : public DrugPicker::DrugList {
public:
    bool InitConnection(const QString&) override { return true; }
    void setDrugsOrCsr(bool value) override { drugsOrCsr = value; }
    QString ShowList(const std::optional<QString>& search, const std::optional<QVariant>&,
                     const std::optional<QString>& location, const std::optional<QString>& generic) override {
        QString call = search.value_or(QStringLiteral("<none>")) + u'@' + location.value_or(QStringLiteral("<none>"));
        if (generic)
            call += u'#' + *generic;
        calls << call;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QStringList answers;
    QStringList calls;
    bool drugsOrCsr = false;
};

// The dosage picker: answers its one scripted code and counts its showings.
class ScriptedDosageList : public DoseForms::DosageList {
public:
    bool InitConnection(const QString&) override { return true; }
    QString ShowList() override {
        ++shown;
        return answer;
    }
    QString answer;
    int shown = 0;
};

// The visit roster: records the text it was shown and answers the test's choice.
class PickedRosterVisit : public OutpatientRoster::OutpatientList {
public:
    bool InitConnection(const QString&) override { return true; }
    QString ShowList(const QString& text) override {
        asked << text;
        return choice;
    }
    QStringList asked;
    QString choice;
};

} // namespace qx::test
