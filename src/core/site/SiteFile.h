#pragma once

#include "core/model/Config.h"
#include "core/site/SiteData.h"
#include "core/storage/SafeFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// NAME.site.json beside NAME.dvk: readable, diffable JSON with a format
// number, so that a later version can refuse what it does not know.
namespace vaz::site {

inline constexpr int kSiteFormat = 1;
inline constexpr qint64 kSiteFileLimit = 4 * 1024 * 1024;

// The site file that belongs to a configuration file.
QString siteFilePath(const QString &configPath);

// Keys in a fixed order, indented: the same data always gives the same bytes.
QByteArray siteFileBytes(const SiteData &site);

// Why a site file was not read, as values; siteProblemText words it.
struct SiteProblem {
    enum class Kind { None, CannotOpen, TooLarge, NotJson, NewerFormat, WrongKind, OutOfRange };
    Kind kind = Kind::None;
    storage::InputProblem input;  // CannotOpen
    QString field;                // WrongKind, OutOfRange: "zones[2].name"
    int format = 0;               // NewerFormat
};

struct SiteRead {
    SiteData site;
    bool found = false;  // a missing site file is no problem: there is no site data
    QString name;        // the file's name for messages
    SiteProblem problem;
    bool ok() const { return problem.kind == SiteProblem::Kind::None; }
};

SiteRead readSiteBytes(QByteArrayView bytes);
SiteRead readSiteFile(const QString &path);

// Saves the configuration with its site file beside it: either both files
// are replaced or neither (core/storage/SafeFile's writeBoth). The message of
// a failure reads as the configuration save's own.
struct SavedPair {
    bool ok = false;
    QString message;
};
SavedPair saveWithSite(Config &cfg, const QString &path);

// "The site file "x" cannot be read: zone 49 ... " in the user's language in
// the windows, in English on the command line; empty when it was read.
QString siteReadText(const SiteRead &r);

}  // namespace vaz::site
