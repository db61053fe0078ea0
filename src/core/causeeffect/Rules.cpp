#include "core/causeeffect/Rules.h"

#include "core/model/Conversions.h"

namespace vaz {

bool SSyerAl(Config &cfg, const QString &name)
{
    if (cfg.SSsayisi >= kMaxRules)
        return false;
    cfg.SSsayisi = cfg.SSsayisi + 1;
    cfg.SSismi(cfg.SSsayisi) = name.trimmed();
    return true;
}

void SSyerBirak(Config &cfg)
{
    if (cfg.SSsayisi < 1)
        return;
    cfg.SSismi(cfg.SSsayisi) = QString();
    cfg.SSsayisi = cfg.SSsayisi - 1;
}

namespace {
void emptySlot(Config &cfg, int r)
{
    cfg.SSismi(r) = QString();
    cfg.SSgirisler(r) = QString();
    cfg.SScikislar(r) = QString();
    cfg.SSkosul(r) = 0;
}
}  // namespace

void SSsil(Config &cfg, int r)
{
    if (r < 1 || r > cfg.SSsayisi)
        throw RangeError("rule " + std::to_string(r) + " does not exist (1 to " + std::to_string(cfg.SSsayisi) + ")");
    for (int i = r; i < cfg.SSsayisi; ++i) {
        cfg.SSismi(i) = cfg.SSismi(i + 1);
        cfg.SSgirisler(i) = cfg.SSgirisler(i + 1);
        cfg.SScikislar(i) = cfg.SScikislar(i + 1);
        cfg.SSkosul(i) = cfg.SSkosul(i + 1);
    }
    emptySlot(cfg, cfg.SSsayisi);
    cfg.SSsayisi = cfg.SSsayisi - 1;
}

std::optional<DeviceAddress> itemDevice(const Installation &inst, const ListItem &item)
{
    if (!(item.loop >= 1 && item.loop <= kLoops && item.address >= 1 && item.address <= kAddresses))
        return std::nullopt;
    const DeviceAddress at{int(item.loop), int(item.address)};
    return inst.CihazTipi(at.loop, at.address) != 0 ? std::optional(at) : std::nullopt;
}

int itemPanelOutput(const ListItem &item)
{
    return item.loop == kPanelOutputLoop && item.address >= 1 && item.address <= kPanelOutputs ? int(item.address) : 0;
}

bool duplicateRule(Config &cfg, int r, const QString &name)
{
    if (r < 1 || r > cfg.SSsayisi || !SSyerAl(cfg, name))
        return false;
    const int n = cfg.SSsayisi;
    cfg.SSgirisler(n) = cfg.SSgirisler(r), cfg.SScikislar(n) = cfg.SScikislar(r), cfg.SSkosul(n) = cfg.SSkosul(r);
    return true;
}

int SSbul(const Config &cfg, const QString &name)
{
    int last = qMin<int>(cfg.SSsayisi, kMaxRules);
    for (int r = 1; r <= last; ++r)
        if (cfg.SSismi(r) == name)
            return r;
    return 0;
}

QList<ListItem> DizidenListeyeCevir(const QString &list)
{
    QList<ListItem> items;
    QString buffers[2];
    int field = 0;  // 0 loop, 1 address
    qsizetype pos = 0;
    while (pos < list.size() && list[pos] != u':') {
        while (pos < list.size() && list[pos] != u',' && list[pos] != u'.')
            buffers[field] += list[pos++];
        if (field == 1) {
            items.append({buffers[0], buffers[1], textValue(buffers[0]), textValue(buffers[1])});
            buffers[0].clear();
            buffers[1].clear();
        }
        field ^= 1;
        ++pos;
    }
    return items;
}

bool listContains(const QString &list, int loop, int address)
{
    for (const ListItem &item : DizidenListeyeCevir(list))
        if (item.loop == loop && item.address == address)
            return true;
    return false;
}

bool CihazSSdurumunaBak(const Config &cfg, int loop, int address)
{
    int last = qMin<int>(cfg.SSsayisi, kMaxRules);
    for (int r = 1; r <= last; ++r)
        if (listContains(cfg.SSgirisler(r), loop, address) || listContains(cfg.SScikislar(r), loop, address))
            return true;
    return false;
}

namespace {
QString item(int loop, int address) { return QString::number(loop) + u',' + QString::number(address) + u'.'; }

QString markedDevices(const Grid<Int16, 4, 200> &marks, int r)
{
    QString text;
    for (int loop = 1; loop <= kLoops; ++loop)
        for (int address = 1; address <= kAddresses; ++address)
            if (marks(loop, address) == r)
                text += item(loop, address);
    return text;
}
}  // namespace

QString SSgirisListesi(const RuleDraft &draft, int r) { return markedDevices(draft.GirisIsareti, r) + u':'; }

QString SScikisListesi(const RuleDraft &draft, int r)
{
    QString text = markedDevices(draft.CikisIsareti, r);
    for (int k = 0; k < kPanelOutputs; ++k)
        if (draft.PanelCikisSecimi(k) == 1)
            text += item(kPanelOutputLoop, k + 1);
    return text + u':';
}

}  // namespace vaz
