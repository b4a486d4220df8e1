#pragma once
// Pickers the entry screens show, answering from a script.
#include "components/Clinicians.h"
#include "components/DoseForms.h"
#include "components/DrugPicker.h"
#include "components/InpatientRoster.h"
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

// A picker that records the texts it was shown and answers the test's choice ("" cancels).
template <typename Base>
class RecordingPicker : public Base {
public:
    bool InitConnection(const QString&) override { return true; }
    QStringList asked;
    QString choice;

protected:
    QString answer(const QString& text) {
        asked << text;
        return choice;
    }
};

// The visit roster.
class PickedRosterVisit : public RecordingPicker<OutpatientRoster::OutpatientList> {
public:
    QString ShowList(const QString& text) override { return answer(text); }
};

// The admitted-patient picker.
class PickedAdmission : public RecordingPicker<InpatientRoster::InpatientList> {
public:
    QString ShowList(const QString& text, const std::optional<int>&) override { return answer(text); }
};

// The doctor picker.
class PickedDoctor : public RecordingPicker<Clinicians::DoctorList> {
public:
    QString ShowList(const QString& text) override { return answer(text); }
};

} // namespace qx::test
