#pragma once

#include "comm/PanelCompare.h"
#include "model/Prompts.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace vaz {

// What "Compare with panel" found: one row a differing field, sortable, and
// the list can be kept as a CSV file.
class KarsilastirmaSonucu : public QDialog {
    Q_OBJECT

public:
    KarsilastirmaSonucu(Messages &messages, FileDialogs &dialogs, QWidget *owner);

    // Fills the window and shows it, not modal.
    void showDifferences(const QList<comm::FieldDifference> &rows);

    void FarkKaydet_Click();

    inline static const QString kSame = comm::kPanelHoldsConfiguration;

private:
    Messages &messages_;
    FileDialogs &dialogs_;
    QList<comm::FieldDifference> rows_;
    QLabel *summary_ = nullptr;
    QTableWidget *table_ = nullptr;
    QPushButton *save_ = nullptr;
};

}  // namespace vaz
