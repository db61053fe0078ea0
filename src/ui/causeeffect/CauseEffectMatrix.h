#pragma once

#include "core/storage/Document.h"
#include "core/storage/Spreadsheet.h"

#include <QDialog>

class QTableView;

namespace vaz {

class Session;

// Every rule at once: a row a device any rule uses and a row a panel output,
// a column a rule, "I" and "O" where the row is an input or an output of it.
// Built anew each time it is shown; it changes nothing.
class CauseEffectMatrix : public QDialog {
    Q_OBJECT

public:
    CauseEffectMatrix(Session &session, QWidget *owner);

    // Fills the table from the configuration and shows the window.
    void openWindow();
    QTableView *table() const { return table_; }
    // The matrix to print: a legend of the rules, then the table, its
    // heading on every page.
    static storage::Document printDocument(const storage::Sheet &matrix);

signals:
    // A rule's column was clicked.
    void ruleViewerRequested(int rule);
    void printRequested(const storage::Document &doc);
    void exportRequested();

private:
    Session &session_;
    QTableView *table_ = nullptr;
    storage::Sheet matrix_;
};

}  // namespace vaz
