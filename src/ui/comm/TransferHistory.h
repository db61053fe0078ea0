#pragma once

#include "core/comm/TransferLog.h"
#include "core/model/Prompts.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace vaz {

class TransferRecordModel;

// The transfer log, newest first: what went to or came from which panel,
// when, from which file and by whom. Not modal; reads the log as it opens and
// whenever this run adds to it.
class TransferHistory : public QDialog {
    Q_OBJECT

public:
    TransferHistory(comm::TransferLog &log, Messages &messages, FileDialogs &dialogs, QWidget *owner);

    void openWindow();
    void refresh();
    void exportCsv();

    // The records as shown: filtered and in the table's order.
    QList<comm::TransferRecord> shownRecords() const;

signals:
    void openFileRequested(const QString &path);

private:
    comm::TransferLog &log_;
    Messages &messages_;
    FileDialogs &dialogs_;
    TransferRecordModel *model_ = nullptr;
    QSortFilterProxyModel *proxy_ = nullptr;
    QTableView *table_ = nullptr;
    QLineEdit *filter_ = nullptr;
    QComboBox *result_ = nullptr;
    QLabel *summary_ = nullptr;
    QPushButton *export_ = nullptr;
    QPushButton *openFile_ = nullptr;

    QString selectedFile() const;
    void showState();
};

}  // namespace vaz
