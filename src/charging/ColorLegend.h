#pragma once
#include <QGroupBox>

class QLabel;

namespace qx {

class Connection;

// "LEGEND: Grid Font Color": what each font colour of a charging grid means. The coloured words
// "PINK", "BLUE", "GREEN" and "ORANGE" each have a label beside them for the meaning.
class ColorLegend : public QGroupBox {
    Q_OBJECT
public:
    explicit ColorLegend(QWidget* parent = nullptr);

    // Writes "- " and the meaning of each colour from Pharma_GetColorCoding; nothing when the
    // procedure gives no row.
    void fill(Connection& con);

    QLabel* lblRed = nullptr;
    QLabel* lblBlue = nullptr;
    QLabel* lblGreen = nullptr;
    QLabel* lblOrange = nullptr;
};

} // namespace qx
