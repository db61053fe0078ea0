#include "PanelSim.h"

#include "core/comm/TransferWords.h"
#include "core/model/Codepage.h"

namespace vaz::sim {

using namespace vaz::comm;

PanelMemory::PanelMemory()
{
    records.resize(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        auto &r = records[i];
        r[0] = numberField(i / kAddresses + 1);
        r[1] = numberField(i % kAddresses + 1);
        for (int f = 2; f < 9; ++f)
            r[f] = "0";
        r[4] = r[5] = "5";
    }
    settings.fill("0");
}

PanelMemory memoryFromConfig(const Installation &cfg)
{
    PanelMemory m;
    m.supplier = toCp1254(cfg.TedarikciAdi);
    m.panelName = toCp1254(cfg.PanelAdi);
    for (int l = 1; l <= kLoops; ++l)
        for (int a = 1; a <= kAddresses; ++a)
            m.records[(l - 1) * kAddresses + a - 1] = recordFields(cfg, l, a);
    m.settings = settingsFields(cfg);
    if (cfg.McuVersiyon >= 20 && cfg.SSsayisi > 0 && cfg.SSsayisi <= kMaxRules)
        for (int s = 0; s < kRuleSections; ++s)
            for (int r = 1; r <= cfg.SSsayisi; ++r)
                m.rules[s] << ruleField(cfg, s, r);
    return m;
}

bool configFromMemory(const PanelMemory &memory, int mcu, int loops, Installation &cfg, QString *why)
{
    Installation c;
    c.McuVersiyon = mcu;
    DownloadStore store(c);
    auto fail = [&] {
        if (why)
            *why = refusalText(store.refusal());
        return false;
    };
    for (int pass = 0; pass < kDevicePasses; ++pass)
        for (int i = 0; i < kRecords; ++i)
            if (!store.device(pass, i / kAddresses + 1, i % kAddresses + 1, memory.records[i][pass + 2]))
                return fail();
    store.supplier(memory.supplier);
    if (mcu > 14)
        store.panelName(memory.panelName);
    for (int i = 0; i < kSettings; ++i)
        if (!store.setting(i, memory.settings[i]))
            return fail();
    if (mcu >= 20) {
        const qsizetype n = memory.rules[0].size();
        if (!store.ruleCount(numberField(n)))
            return fail();
        for (int s = 0; s < kRuleSections; ++s)
            for (int r = 1; r <= n; ++r)
                if (!store.rule(s, r, memory.rules[s].value(r - 1)))
                    return fail();
    }
    if (!store.loopCount(numberField(loops)))
        return fail();
    cfg = c;
    return true;
}

PanelSim::PanelSim(int mcu, int loops) : mcu_(mcu), loops_(loops) {}

void PanelSim::reset()
{
    state_ = State::Idle;
    token_.clear();
    previous_.clear();
    plan_.clear();
}

bool PanelSim::silent() const { return silentAfter_ >= 0 && answered_ >= silentAfter_; }

void PanelSim::answer(QByteArray &out, const QByteArray &bytes)
{
    if (silent())
        return;
    ++answered_;
    out += bytes;
}

QByteArray PanelSim::feed(char c)
{
    QByteArray out;
    // A section end travels without a separator of its own.
    if (state_ == State::Rules && token_.isEmpty() && c == kSectionEnd) {
        ack(out);
        if (++section_ == kRuleSections)
            uploadDone();
        return out;
    }
    if (c != kSeparator) {
        token_.append(c);
        return out;
    }
    const QByteArray t = token_;
    token_.clear();
    token(t, out);
    return out;
}

void PanelSim::uploadDone()
{
    state_ = State::Idle;
    previous_.clear();
    if (onUploadComplete)
        onUploadComplete();
}

void PanelSim::token(const QByteArray &t, QByteArray &out)
{
    switch (state_) {
    case State::Idle:
        if (silent()) {
            // A silent panel answers nothing at all.
        } else if (t == "A" && previous_ == "S") {
            out += "B";
            state_ = State::Supplier;
            record_ = 0;
            field_ = 0;
        } else if (t == "A" && previous_ == "R") {
            out += "B~";
            startDownload();
        }
        previous_ = t;
        return;
    case State::Supplier:
        memory_.supplier = t;
        state_ = mcu_ > 14 ? State::PanelName : State::Record;
        return;
    case State::PanelName:
        memory_.panelName = t;
        state_ = State::Record;
        return;
    case State::Record:
        if (record_ < memory_.records.size())
            memory_.records[record_][field_] =
                long(record_) == storeDifferent_ && field_ == kRecordFields - 1 ? t + '?' : t;
        ack(out);
        if (++field_ == kRecordFields)
            state_ = State::AfterRecord;
        return;
    case State::AfterRecord:
        if (t == "N") {
            ++record_;
            field_ = 0;
            state_ = State::Record;
        } else if (t == "E") {
            field_ = 0;
            state_ = State::Settings;
        }
        return;
    case State::Settings:
        memory_.settings[field_] = t;
        ack(out);
        if (++field_ == kSettings) {
            if (mcu_ >= 20)
                state_ = State::RulesStart;
            else
                uploadDone();
        }
        return;
    case State::RulesStart:
        for (auto &s : memory_.rules)
            s.clear();
        if (t == "Y") {
            ack(out);
            section_ = 0;
            state_ = State::Rules;
        } else {
            uploadDone();
        }
        return;
    case State::Rules:
        memory_.rules[section_] << t;
        ack(out);
        return;
    case State::Download:
        if (t == "O")
            sendDueFields(out);
        return;
    }
}

void PanelSim::startDownload()
{
    static constexpr int kPassField[kDevicePasses] = {2, 3, 4, 5, 6, 7, 8, 9};
    plan_.clear();
    for (int p = 0; p < kDevicePasses; ++p)
        for (int i = 0; i < kRecords; ++i)
            plan_.push_back({i > 0 || p == 0 ? 1 : 2, memory_.records[i][kPassField[p]]});
    // No acknowledgement follows a name; the next request opens the next step.
    plan_.push_back({2, memory_.supplier});
    if (mcu_ > 14)
        plan_.push_back({1, memory_.panelName});
    for (int i = 0; i < kSettings; ++i)
        plan_.push_back({1, memory_.settings[i]});
    int loopRequests = 2;
    if (mcu_ >= 20) {
        const qsizetype n = memory_.rules[0].size();
        plan_.push_back({2, numberField(n)});
        for (int s = 0; s < kRuleSections; ++s)
            for (qsizetype r = 0; r < n; ++r)
                plan_.push_back({s == 0 && r == 0 ? 0 : 1, memory_.rules[s].value(r)});
        loopRequests = n > 0 ? 2 : 1;
    }
    plan_.push_back({loopRequests, numberField(loops_)});
    trailing_ = 1;
    state_ = State::Download;
}

void PanelSim::sendDueFields(QByteArray &out)
{
    if (plan_.empty()) {
        if (--trailing_ <= 0) {
            state_ = State::Idle;
            previous_.clear();
            if (onDownloadComplete)
                onDownloadComplete();
        }
        return;
    }
    --plan_.front().requests;
    while (!plan_.empty() && plan_.front().requests <= 0) {
        answer(out, "~" + plan_.front().field + "~");
        plan_.pop_front();
    }
}

}  // namespace vaz::sim
