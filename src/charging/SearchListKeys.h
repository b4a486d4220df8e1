#pragma once
#include <QObject>
#include <functional>

class QLineEdit;

namespace qx {

class FlexGrid;

// The keyboard of a picker whose search box sits over its list: letters typed in the box come out
// in upper case, Down moves into the list, the box selects its text on focus; in the list Enter
// or a double click chooses the row, the row under the cursor is highlighted, and Up or PgUp on
// row 1 a second time returns to the box. Owned by the list.
class SearchListKeys : public QObject {
    Q_OBJECT
public:
    // `searchEnter`, when given, runs on Enter in the box (which then types nothing).
    SearchListKeys(QLineEdit& search, FlexGrid& list, std::function<void()> choose,
                   std::function<void()> searchEnter = {});

    // A click in the list: on row 1 the next Up or PgUp already returns to the box.
    void listClick();
    void listKeyDown(int& keyCode);
    int topRowUpCount() const { return topRowUpCount_; }

private:
    QLineEdit& search_;
    FlexGrid& list_;
    int topRowUpCount_ = 0;
};

} // namespace qx
