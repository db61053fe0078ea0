#pragma once

#include "core/model/Config.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace vaz {

// Shown through QCoreApplication::translate("vaz", ...).
inline const char kMainCaption[] = QT_TRANSLATE_NOOP("vaz", "VAZ Communication Protocol");
// Nine blanks between "Normal" and "Access": the panel's own display line.
inline const QString kStatusNormal = QStringLiteral("Status - Normal         Access level 1");
inline const QString kConfigFilter = QStringLiteral("*.dvk");

// "MCU Version : V1.2" and so on; empty for a code no version stands for.
QString mcuStatusText(int code);

// Forgets type, zone and location of every address of one loop (1..4).
void kayitSil(Installation &cfg, int loop);

// After the loop count has gone below 4: clears loops 4 and 3, but only those
// whose tree branch the device window has built in this run. The device window
// builds the branches of loops 1 up to the loop count: branchesBuilt is the
// highest loop count it has built for (0: never), and no more than 2 after.
void KontrolCevrimCihaz(Installation &cfg, int &branchesBuilt);

// Type, zone and location of every device of loops 1..4.
void clearAllDevices(Installation &cfg);

// What a save would write at the last save or open, so that the tool can tell
// whether leaving now would lose anything. The bytes decide, not the fields:
// only what reaches the file counts.
class SaveBaseline {
public:
    void mark(const Installation &cfg);
    // A configuration that came from elsewhere (the panel) was never saved.
    void forget();
    // True while a configuration exists that differs from the one last saved or
    // opened (never saved nor opened counts as different).
    bool unsaved(const Installation &cfg) const;

private:
    QByteArray bytes_;
    bool marked_ = false;
};

}  // namespace vaz
