#pragma once

#include "core/model/Installation.h"
#include "core/storage/Document.h"
#include "core/storage/Spreadsheet.h"
#include "ui/widgets/UndoActions.h"

#include <QDialog>

class QCheckBox;
class QModelIndex;
class QStatusBar;
class QTableView;

namespace vaz {

class Session;

// Every rule at once: a row a device any rule uses (or every device) and a row
// a panel output, a column a rule, "I" and "O" where the row is an input or an
// output of it. A click or Space on a cell takes the device into that rule or
// out of it, as the rule editor would allow.
class CauseEffectMatrix : public QDialog {
    Q_OBJECT

public:
    CauseEffectMatrix(Session &session, QWidget *owner);
    ~CauseEffectMatrix() override;

    // Fills the table from the configuration and shows the window.
    void openWindow();
    // The configuration may have changed behind the window (a command, Undo):
    // while shown, it is filled again if the rules or devices differ.
    void refresh();
    // What Undo and Redo would take back or bring again; empty: nothing.
    void setUndoState(const QString &undo, const QString &redo, bool dropped);
    // Takes the row's device into the column's rule, or out of it; a refusal
    // goes to the status bar.
    void toggleCell(const QModelIndex &index);

    QTableView *table() const { return table_; }
    QStatusBar *statusBar() const { return status_; }
    // The matrix to print: a legend of the rules, then the table, its
    // heading on every page.
    static storage::Document printDocument(const storage::Sheet &matrix);

signals:
    // A rule's column was clicked.
    void ruleViewerRequested(int rule);
    void printRequested(const storage::Document &doc);
    void exportRequested();
    // A toggle changed rule's input or output list.
    void ruleToggled(int rule);
    void undoRequested();
    void redoRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fill();
    QString cellWords(int row, int rule, const QString &mark) const;
    void showColumn(int rule);

    Session &session_;
    QTableView *table_ = nullptr;
    QCheckBox *every_ = nullptr;
    QStatusBar *status_ = nullptr;
    UndoActions undo_;
    storage::Sheet matrix_;
    QList<int> places_;   // of each row: loop * 128 + address, loop 5 a panel output
    Installation shown_;  // what the table was made from
};

}  // namespace vaz
