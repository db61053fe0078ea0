#include "core/causeeffect/RuleLists.h"

#include "core/devices/DeviceCatalog.h"
#include "core/model/Conversions.h"
#include "core/model/NameCheck.h"

#include <QCoreApplication>

#include <cmath>

namespace vaz {

namespace {

// Shown through QCoreApplication::translate("vaz::RuleLists", ...).
const char *const kPanelOutputNames[kPanelOutputs] = {
    QT_TRANSLATE_NOOP("vaz::RuleLists", "Sounder 1"),  QT_TRANSLATE_NOOP("vaz::RuleLists", "Sounder 2"),
    QT_TRANSLATE_NOOP("vaz::RuleLists", "Sounder 3"),  QT_TRANSLATE_NOOP("vaz::RuleLists", "Sounder 4"),
    QT_TRANSLATE_NOOP("vaz::RuleLists", "Fire relay"), QT_TRANSLATE_NOOP("vaz::RuleLists", "Alarm relay"),
    QT_TRANSLATE_NOOP("vaz::RuleLists", "Fault relay")};

QString blanks(int n) { return QString(n, u' '); }

// Device (loop, address) by list position + 1, for the devices of one role;
// the first device in loop and address order wins, as a scan would find it.
struct DeviceAt {
    qint16 loop = 0;
    qint16 address = 0;
};

template <typename Role>
std::vector<DeviceAt> devicesByPosition(const Installation &inst, const RuleDraft &draft, Role isRole)
{
    std::vector<DeviceAt> at;
    for (int loop = 1; loop <= kLoops; ++loop)
        for (int address = 1; address <= kAddresses; ++address) {
            const int pos = draft.ListeSirasi(loop, address);
            if (pos < 1 || !isRole(inst.CihazTipi(loop, address)))
                continue;
            if (at.size() <= std::size_t(pos))
                at.resize(pos + 1);
            if (at[pos].loop == 0)
                at[pos] = {qint16(loop), qint16(address)};
        }
    return at;
}

template <int Hi>
void clearMarks(Grid<Int16, 4, Hi> &marks)
{
    for (int loop = 1; loop <= kLoops; ++loop)
        for (int address = 1; address <= kAddresses; ++address)
            marks(loop, address) = 0;
}

// The fixed columns first, as they always were; the location last, so that
// nothing before it moves.
QString withLocation(const QString &entry, const QString &location)
{
    const QString shown = location.trimmed();
    return shown.isEmpty() ? entry : entry + QStringLiteral("   ") + shown;
}

template <typename Role>
QStringList fillList(const Installation &inst, RuleDraft &draft, QStringList entries, Role isRole)
{
    for (int loop = 1; loop <= kLoops; ++loop)
        for (int address = 1; address <= kAddresses; ++address) {
            const int type = inst.CihazTipi(loop, address);
            if (type == 0 || !isRole(type))
                continue;
            entries << withLocation(GirisSatiri(loop, address, inst.BolgeNo(loop, address), type),
                                    inst.MahalText(loop, address));
            draft.ListeSirasi(loop, address) = int(entries.size());
        }
    return entries;
}

// Marks the devices behind the selected rows; false when none was found.
template <typename Role>
bool markSelected(const Installation &inst, const RuleDraft &draft, const QList<int> &rows, int firstRow,
                  Grid<Int16, 4, 200> &marks, Role isRole, int *count)
{
    const std::vector<DeviceAt> at = devicesByPosition(inst, draft, isRole);
    bool any = false;
    for (int row : rows) {
        if (row < firstRow)
            continue;
        const std::size_t pos = std::size_t(row) + 1;
        if (pos >= at.size() || at[pos].loop == 0)
            continue;  // no device holds that position
        marks(at[pos].loop, at[pos].address) = draft.slot(inst);
        any = true;
        if (count)
            ++*count;
    }
    return any;
}

}  // namespace

QString panelOutputName(int k)
{
    return k >= 0 && k < kPanelOutputs ? QCoreApplication::translate("vaz::RuleLists", kPanelOutputNames[k])
                                       : QString();
}

QString GirisSatiri(int loop, int address, int zone, int type)
{
    QString s = blankLed(loop) + blanks(address <= 9 ? 21 : address <= 99 ? 19 : 17) + blankLed(address);
    if (zone == 0)
        s += blanks(23);
    else
        s += blanks(zone >= 1 && zone <= 9 ? 20 : 18) + blankLed(zone);
    return s + blanks(29) + devices::shortName(type);
}

QStringList GirisCihazAl(const Installation &inst, RuleDraft &draft)
{
    return fillList(inst, draft, {}, devices::isRuleInput);
}

QStringList CikisCihazAl(const Installation &inst, RuleDraft &draft)
{
    QStringList outputs;
    for (int k = 0; k < kPanelOutputs; ++k)
        outputs << panelOutputName(k);
    return fillList(inst, draft, outputs, devices::isRuleOutput);
}

ListClick SSlisteSecimi(const Installation &inst, RuleDraft &draft, const QList<int> &selectedRows)
{
    ListClick click;
    draft.GirisSecildi = 0;
    draft.GirisSecimSayisi = 0;
    draft.SeciliSayisi = 0;
    // Without a name nothing is recorded; the label stays as it was.
    if (draft.SSyeniIsim.trimmed().isEmpty()) {
        click.showCount = false;
        return click;
    }
    clearMarks(draft.GirisIsareti);
    draft.SeciliSayisi = int(selectedRows.size());
    if (selectedRows.size() > kMaxListChoice) {
        click.overLimit = true;
        return click;
    }
    int count = 0;
    if (markSelected(inst, draft, selectedRows, 0, draft.GirisIsareti, devices::isRuleInput, &count))
        draft.GirisSecildi = 1;
    draft.GirisSecimSayisi = count;
    return click;
}

ListClick CikisListeSecimi(const Installation &inst, RuleDraft &draft, const QList<int> &selectedRows)
{
    ListClick click;
    draft.SeciliSayisi = 0;
    clearMarks(draft.CikisIsareti);
    for (int k = 0; k < kPanelOutputs; ++k)
        draft.PanelCikisSecimi(k) = 0;
    for (int row : selectedRows)
        if (row >= 0 && row < kPanelOutputs) {
            draft.PanelCikisSecimi(row) = 1;
            click.forward = true;
        }
    draft.SeciliSayisi = int(selectedRows.size());
    // Panel outputs count even beyond the limit; devices do not.
    if (selectedRows.size() > kMaxListChoice) {
        click.overLimit = true;
        return click;
    }
    if (markSelected(inst, draft, selectedRows, kPanelOutputs, draft.CikisIsareti, devices::isRuleOutput, nullptr))
        click.forward = true;
    return click;
}

SelectAll selectAllPrefix(const std::vector<bool> &selected)
{
    // Selecting entry i leaves i + 1 selected before it plus those already selected after it.
    int after = 0;
    for (bool s : selected)
        after += s;
    for (std::size_t i = 0; i < selected.size(); ++i) {
        after -= selected[i];
        if (int(i) + 1 + after > kMaxListChoice)
            return {int(i) + 1, true};
    }
    return {int(selected.size()), false};
}

void KayitlariDuzenle(Installation &inst, const RuleDraft &draft)
{
    const int r = draft.slot(inst);
    inst.SSgirisler(r) = SSgirisListesi(draft, r);
    inst.SScikislar(r) = SScikisListesi(draft, r);
}

QList<int> storedRows(const Installation &inst, const RuleDraft &draft, const QString &list, bool outputs)
{
    QList<int> rows;
    for (const ListItem &item : DizidenListeyeCevir(list)) {
        if (const int k = itemPanelOutput(item); outputs && k) {
            rows << k - 1;
            continue;
        }
        const std::optional<DeviceAddress> at = itemDevice(inst, item);
        if (!at)
            continue;
        const int type = inst.CihazTipi(at->loop, at->address), position = draft.ListeSirasi(at->loop, at->address);
        if ((outputs ? devices::isRuleOutput(type) : devices::isRuleInput(type)) && position > 0)
            rows << position - 1;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

QString newRuleNameProblem(const Config &cfg, const QString &name)
{
    if (const QString problem = ruleNameProblem(name); !problem.isEmpty())
        return problem;
    if (name.trimmed().isEmpty())
        return QCoreApplication::translate("vaz::RuleLists", "A rule needs a name.");
    if (SSbul(cfg, name.trimmed()) != 0)
        return QCoreApplication::translate("vaz", kDuplicateNameMessage);
    if (cfg.SSsayisi >= kMaxRules)
        return QCoreApplication::translate("vaz", kRuleLimitMessage);
    return {};
}

QString ruleNameProblem(const QString &text)
{
    if (text.size() > kRuleNameLength)
        return QCoreApplication::translate("vaz::RuleLists", "A name holds at most 10 characters.");
    // The panel link takes a leading "}" for its own framing.
    if (text.trimmed().startsWith(u'}'))
        return QCoreApplication::translate("vaz::RuleLists", "A name cannot start with }.");
    return nameInputProblem(text);
}

QString conditionText(int code)
{
    switch (code) {
    case kConditionOr: return QCoreApplication::translate("vaz::RuleLists", "OR");
    case kConditionCoincidence: return QCoreApplication::translate("vaz::RuleLists", "Coincidence");
    case kConditionAnd: return QCoreApplication::translate("vaz::RuleLists", "AND");
    default: return QString();
    }
}

void listelemeYap(const Config &cfg, const ListItem &item, int ListeHedefi, RuleView &view)
{
    if (!std::isfinite(item.loop) || !std::isfinite(item.address))
        return;
    const double l = roundHalfEven(item.loop), a = roundHalfEven(item.address);
    // Bounds checked as doubles: a file may hold digit runs no integer can take.
    if (!(l >= 0 && l <= kPanelOutputLoop && a >= 0 && a <= Grid<Int16, 5>::lastAddress()))
        return;
    const int loop = int(l), address = int(a);
    if (loop == kPanelOutputLoop) {
        // By the digits as written: "1" to "6" name their output, anything else the last.
        const QString &d = item.addressDigits;
        const bool named = d.size() == 1 && d[0] >= u'1' && d[0] <= u'6';
        view.outputs << panelOutputName(named ? d[0].unicode() - u'1' : kPanelOutputs - 1);
        view.outputWords << view.outputs.last();
        return;
    }
    QString s = item.loopDigits + blanks(address <= 9 ? 13 : address <= 99 ? 11 : 9) + item.addressDigits;
    const int zone = cfg.BolgeNo(loop, address);
    if (zone == 0)
        s += blanks(12);
    else
        s += blanks(zone >= 1 && zone <= 9 ? 9 : 7) + blankLed(zone);
    const int type = cfg.CihazTipi(loop, address);
    s += blanks(8) + devices::shortName(type);
    // The zone's name after the location, so that nothing before it moves.
    const QString zoneName = cfg.site.zoneName(zone);
    (ListeHedefi == 0 ? view.inputs : view.outputs)
        << withLocation(withLocation(s, cfg.MahalText(loop, address)), zoneName);
    QString words = devices::spokenDevice(loop, address, zone, type, cfg.MahalText(loop, address));
    (ListeHedefi == 0 ? view.inputWords : view.outputWords)
        << (zoneName.isEmpty() ? words : words + QStringLiteral(", ") + zoneName);
}

RuleView SSicerikGoruntule(const Config &cfg, int r)
{
    RuleView view;
    view.name = cfg.SSismi(r);
    view.condition = conditionText(cfg.SSkosul(r));
    int ListeHedefi = 0;
    for (const QString *list : {&cfg.SSgirisler(r), &cfg.SScikislar(r)}) {
        for (const ListItem &item : DizidenListeyeCevir(*list))
            listelemeYap(cfg, item, ListeHedefi, view);
        ListeHedefi = 1;
    }
    return view;
}

}  // namespace vaz
