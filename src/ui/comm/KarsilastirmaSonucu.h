#pragma once

#include "core/comm/PanelCompare.h"
#include "core/comm/Retest.h"
#include "core/model/Prompts.h"

#include <QDateTime>
#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace vaz {

namespace storage {
class ReportOutput;
}

// What "Compare with panel" found: one row a differing field, sortable, and
// the list can be kept as a CSV file.
class KarsilastirmaSonucu : public QDialog {
    Q_OBJECT

public:
    KarsilastirmaSonucu(Messages &messages, FileDialogs &dialogs, QWidget *owner);

    // Fills the window and shows it, not modal.
    void showDifferences(const QList<comm::FieldDifference> &rows);
    // What the read-back after an upload found otherwise than sent.
    void showSentDifferences(const QList<comm::FieldDifference> &rows);

    void FarkKaydet_Click();

    // Compare with file: the differences against the file named, and beside
    // them what to test again, to print or keep as a CSV file.
    void showFileDifferences(const QList<comm::FieldDifference> &rows, const QList<comm::RetestItem> &retest,
                             const QString &fileName, storage::ReportOutput &output,
                             const QList<QDateTime> &passed = {});
    void RetestYazdir_Click();
    void RetestKaydet_Click();

    inline static const QString kSame = comm::kPanelHoldsConfiguration;

private:
    Messages &messages_;
    FileDialogs &dialogs_;
    QList<comm::FieldDifference> rows_;
    QLabel *summary_ = nullptr;
    QTableWidget *table_ = nullptr;
    QPushButton *save_ = nullptr;
    QWidget *differencesPane_ = nullptr;
    // The window's own layout, inside the scroll area that fits it to the screen.
    QVBoxLayout *content_ = nullptr;
    QString otherSide_ = QStringLiteral("In the panel");

    void buildRetestPane();
    QList<comm::RetestItem> retest_;
    QString fileName_;
    QLabel *retestSummary_ = nullptr;
    QTableWidget *retestTable_ = nullptr;
    storage::ReportOutput *output_ = nullptr;
};

}  // namespace vaz
