#pragma once

#include "core/site/WalkTest.h"

#include <QDateTime>
#include <QDialog>

#include <functional>

class QLabel;
class QTableView;

namespace vaz {

class Session;
class WalkTestModel;

// The walk test taken at the keyboard: arrows move through the input devices
// zone by zone, P passes, F fails, R writes a remark. Each result is an undo
// step; not modal, so the device window can stay beside it.
class WalkTestWindow : public QDialog {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;
    WalkTestWindow(Session &session, QWidget *owner, Clock clock = &QDateTime::currentDateTimeUtc);

    void openWindow();
    void setResult(site::WalkResult result);
    void askRemark();
    void exportCsv();
    void importCsv();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Session &session_;
    Clock clock_;
    WalkTestModel *model_ = nullptr;
    QTableView *table_ = nullptr;
    QLabel *summary_ = nullptr;

    void store(const site::DeviceKey &key, const site::WalkTest &test);
    void rebuild();
    void refresh();
};

}  // namespace vaz
