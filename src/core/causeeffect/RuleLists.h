#pragma once

#include "core/causeeffect/Rules.h"
#include "core/model/Config.h"

#include <QList>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

// The texts and the bookkeeping behind the rule editor's two selection lists
// and the rule viewer, kept apart from the windows so they can be checked
// without any.
namespace vaz {

inline constexpr int kMaxListChoice = 254;
// Shown through QCoreApplication::translate("vaz", ...).
inline constexpr char kListLimitMessage[] = QT_TRANSLATE_NOOP("vaz", "Max. 254 inputs/outputs per cause-effect");
inline constexpr char kRuleLimitMessage[] = QT_TRANSLATE_NOOP("vaz", "The panel holds at most 200 cause-effect rules.");
inline constexpr char kDuplicateNameMessage[] =
    QT_TRANSLATE_NOOP("vaz", "A cause-effect with this name already exists.");
inline constexpr int kRuleNameLength = 10;

// "Sounder 1" .. "Fault relay" for panel output k = 0..6.
QString panelOutputName(int k);

// One device line of the editor's lists; the blank runs line the columns up
// under the heading in a face where a blank is half a digit wide.
QString GirisSatiri(int loop, int address, int zone, int type);

// Fill the input (output) list: the entry texts in list order, and ListeSirasi
// of every listed device set to its position + 1. The output list starts with
// the seven panel outputs.
QStringList GirisCihazAl(const Installation &inst, RuleDraft &draft);
QStringList CikisCihazAl(const Installation &inst, RuleDraft &draft);

// What a click on a list leaves for the window to show.
struct ListClick {
    bool overLimit = false;  // tell the user about the 254 limit
    bool showCount = true;   // the count label follows the selection
    bool forward = false;    // Forward may be enabled (outputs only)
};

// Rebuild the record of the rule being made (slot SSsayisi) from the list's
// selected rows (ascending): input marks, GirisSecildi, GirisSecimSayisi; or
// output marks and PanelCikisSecimi.
ListClick SSlisteSecimi(const Installation &inst, RuleDraft &draft, const QList<int> &selectedRows);
ListClick CikisListeSecimi(const Installation &inst, RuleDraft &draft, const QList<int> &selectedRows);

// "Select all" selects from the first entry on until more than 254 would be
// selected. Returns how many leading entries to select; overLimit when it
// stopped early.
struct SelectAll {
    int leading = 0;
    bool overLimit = false;
};
SelectAll selectAllPrefix(const std::vector<bool> &selected);

// Stores both list texts of the draft's rule from the recorded marks.
void KayitlariDuzenle(Installation &inst, const RuleDraft &draft);

// The rows of the input (outputs false) or output list that a stored list
// text names, once the list is filled; items the list does not show are left
// out.
QList<int> storedRows(const Installation &inst, const RuleDraft &draft, const QString &list, bool outputs);

// Why a rule name cannot take this text; empty when it can.
QString ruleNameProblem(const QString &text);
// Why no new rule can be named so, said as the editor says it; empty when one can.
QString newRuleNameProblem(const Config &cfg, const QString &name);

// The viewer: "OR", "Coincidence", "AND", or nothing.
QString conditionText(int code);

struct RuleView {
    QString name;
    QString condition;
    QStringList inputs;
    QStringList outputs;
    // The same entries as a screen reader says them, one for one.
    QStringList inputWords;
    QStringList outputWords;
};

// One item of a rule's list as the viewer shows it. ListeHedefi 0 sends loop
// devices to the inputs, 1 to the outputs; panel outputs always go to the
// outputs; items outside the device tables add nothing.
void listelemeYap(const Config &cfg, const ListItem &item, int ListeHedefi, RuleView &view);

// Everything the viewer shows of rule r.
RuleView SSicerikGoruntule(const Config &cfg, int r);

}  // namespace vaz
