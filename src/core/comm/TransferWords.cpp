#include "core/comm/TransferWords.h"

#include "core/comm/PanelLink.h"
#include "core/comm/SerialDevices.h"
#include "core/model/Conversions.h"

#include <QCoreApplication>
#include <QLocale>

namespace vaz::comm {

// The context of the texts below in the translations.
class TransferWords {
    Q_DECLARE_TR_FUNCTIONS(vaz::comm::TransferWords)

public:
    static QString caption(Transfer t)
    {
        switch (t) {
        case Transfer::Upload: return tr("Sending...");
        case Transfer::Download: return tr("Receiving Data...");
        case Transfer::Compare: return tr("Comparing...");
        case Transfer::Verify: return tr("Verifying...");
        }
        return {};
    }

    static QString pass(int p)
    {
        switch (p) {
        case 0: return tr("Receiving Zone Numbers...");
        case 1: return tr("Receiving Types...");
        case 2: return tr("Receiving Day Thresholds...");
        case 3: return tr("Receiving Night Thresholds...");
        case 4: return tr("Receiving Output ByPass Status...");
        case 5:
        case 6: return tr("Receiving Controller Actions...");
        default: return tr("Receiving Location Texts...");
        }
    }

    static QString status(Transfer t, TransferStatus s)
    {
        const bool done = s.stage == TransferStage::Completed;
        if (t == Transfer::Verify)
            return done                                     ? tr("Verification Completed")
                   : s.stage == TransferStage::NotCompleted ? tr("Verification Not Completed")
                                                            : tr("Verifying...");
        switch (s.stage) {
        case TransferStage::Waiting: return tr("Waiting for the panel...");
        case TransferStage::SendingPanelData: return tr("Sending Panel Data...");
        case TransferStage::Receiving: return pass(s.pass);
        case TransferStage::Completed:
        case TransferStage::NotCompleted:
            switch (t) {
            case Transfer::Upload: return done ? tr("Sending Completed") : tr("Sending Not Completed");
            case Transfer::Download: return done ? tr("Receiving Data Completed") : tr("Receiving Data Not Completed");
            case Transfer::Compare: return done ? tr("Comparison Completed") : tr("Comparison Not Completed");
            case Transfer::Verify: break;
            }
        }
        return {};
    }

    static QString place(const TransferPlace &p)
    {
        QString text;
        switch (p.kind) {
        case TransferPlace::Kind::None: break;
        case TransferPlace::Kind::Device: text = devicePlace(p.loop, p.address); break;
        case TransferPlace::Kind::PanelSettings: text = tr("the panel settings"); break;
        case TransferPlace::Kind::Rules: text = tr("the cause-effect rules"); break;
        case TransferPlace::Kind::Rule: text = tr("cause-effect rule %1").arg(p.rule); break;
        case TransferPlace::Kind::Named: text = p.named; break;
        }
        // Field names stay as the comparison names the panel's fields.
        return p.field.isEmpty() ? text : text + QStringLiteral(", ") + p.field;
    }

    static QString port(const PortProblem &p, DeviceChoice choice)
    {
        const bool window = choice == DeviceChoice::OptionsWindow;
        QString text = p.number > 0 ? tr("Cannot open port %1 (%2): %3.").arg(portLabel(p.number), p.device, p.error)
                                    : tr("Cannot open port %1: %2.").arg(p.device, p.error);
#ifndef Q_OS_WIN
        switch (p.kind) {
        case BytePort::OpenError::PermissionDenied:
            text += QLatin1Char('\n') + (p.access.isEmpty() ? tr("Your user may not be allowed to use serial ports: "
                                                                 "add it to the dialout group (sudo usermod -aG "
                                                                 "dialout $USER) and log in again.")
                                                            : p.access);
            break;
        case BytePort::OpenError::NotFound:
            if (p.number == 0)
                break;
            if (p.fromEnvironment)
                text += window ? tr("\nVAZ_COM%1 names this device; unset it to choose one under File > Options.")
                                     .arg(p.number)
                               : tr("\nVAZ_COM%1 names this device; correct it or use --port.").arg(p.number);
            else
                text += window ? tr("\nFor a USB serial adapter, plug it in and choose its device for %1 under File "
                                    "> Options.")
                                     .arg(portLabel(p.number))
                               : tr("\nFor a USB serial adapter, plug it in and use --port with its device.");
            break;
        case BytePort::OpenError::InUse: text += tr("\nAnother program may be using the port."); break;
        default: break;
        }
#endif
        return text;
    }

    static QString breakOff(const TransferFailure &f, DeviceChoice choice)
    {
        const QLocale english(QLocale::English);
        const bool upload = f.transfer == Transfer::Upload;
        QString text = f.kind == TransferFailure::Kind::Unplugged
                           ? tr("The serial adapter (%1) was disconnected").arg(f.port.device)
                           : tr("No answer from the panel for %1 s").arg(f.waitedMs / 1000.0);
        if (!f.started)
            text += upload                             ? tr(" at the start of the upload.")
                    : f.transfer == Transfer::Download ? tr(" at the start of the download.")
                    : f.transfer == Transfer::Verify   ? tr(" at the start of the verification.")
                                                       : tr(" at the start of the comparison.");
        else if (upload)
            text += tr(" while sending %1 (field %2 of %3).")
                        .arg(place(f.place), english.toString(f.field), english.toString(f.total));
        else
            text += tr(" while receiving %1 (field %2).").arg(place(f.place), english.toString(f.field));
        if (upload && !f.started)
            text += tr(" Nothing was sent.");
        else if (upload)
            text += tr(" The panel may now hold part of the new configuration: upload again before leaving the site.");
        else if (f.transfer == Transfer::Compare)
            text += tr(" The comparison did not finish; the configuration in the tool is unchanged.");
        else if (f.transfer == Transfer::Verify)
            text += tr(" The upload itself completed, but the panel was not verified.");
        else
            text += tr(" The configuration in the tool is unchanged.");
        if (f.kind == TransferFailure::Kind::Unplugged)
            text += choice == DeviceChoice::OptionsWindow
                        ? tr(" Plug the adapter in again and check its device under File > Options.")
                        : tr(" Plug the adapter in again and use --port with its device.");
        else if (!f.started && f.transfer != Transfer::Verify)
            text += tr(" Check the cable, the port and that the panel is on.");
        return text;
    }

    static QString item(const Refusal &r)
    {
        const QString at = tr("loop %1, address %2").arg(r.loop).arg(deviceLabel(r.address));
        const QString rule = tr("rule %1 (\"%2\")").arg(r.rule).arg(r.ruleName);
        switch (r.item) {
        case Refusal::Item::Supplier: return tr("The supplier's name");
        case Refusal::Item::PanelName: return tr("The panel name");
        case Refusal::Item::Location:
            return tr("The location text of loop %1, address %2").arg(r.loop).arg(deviceLabel(r.address));
        case Refusal::Item::RuleInputs: return tr("The input list of %1").arg(rule);
        case Refusal::Item::RuleOutputs: return tr("The output list of %1").arg(rule);
        case Refusal::Item::RuleName: return tr("The name of %1").arg(rule);
        case Refusal::Item::Zone: return tr("the zone number of %1").arg(at);
        case Refusal::Item::Type: return tr("the device type of %1").arg(at);
        case Refusal::Item::Bypass: return tr("the bypass of %1").arg(at);
        case Refusal::Item::EventType: return tr("the event type of %1").arg(at);
        case Refusal::Item::OutputDelay: return tr("the output delay of %1").arg(at);
        case Refusal::Item::Delay:
            switch (r.index) {
            case 0: return tr("the Sounder 1 delay");
            case 1: return tr("the Sounder 2 delay");
            case 2: return tr("the Sounder 3 delay");
            case 3: return tr("the Sounder 4 delay");
            case 4: return tr("the Alarm relay delay");
            case 5: return tr("the Fire relay delay");
            default: return tr("the Fault relay delay");
            }
        case Refusal::Item::RingingMode: return tr("the ringing mode");
        case Refusal::Item::Condition: return tr("the condition of rule %1").arg(r.rule);
        }
        return {};
    }

    static QString refusal(const Refusal &r)
    {
        switch (r.kind) {
        case Refusal::Kind::None: return {};
        case Refusal::Kind::Separator:
            return tr("%1 holds the character \"~\", which the panel takes as the end of a field. Nothing was sent.")
                .arg(item(r));
        case Refusal::Kind::Unshowable:
            return tr("%1 holds the character \"%2\", which the panel cannot show. Nothing was sent.")
                .arg(item(r), r.character);
        case Refusal::Kind::SectionEnd:
            return tr("%1 begins with \"}\", which the panel takes as the end of a cause-effect section. Nothing "
                      "was sent.")
                .arg(item(r));
        case Refusal::Kind::TooManyRules:
            return tr("The configuration holds %1 cause-effect rules; the panel takes 0 to %2. Nothing was sent.")
                .arg(r.count)
                .arg(kMaxRules);
        case Refusal::Kind::DoesNotFit:
            return tr("the panel sent \"%1\" as %2, which does not fit.").arg(r.received, item(r));
        case Refusal::Kind::RuleCount:
            return tr("the panel sent \"%1\" as the number of cause-effect rules; the tool holds 0 to %2.")
                .arg(r.received)
                .arg(kMaxRules);
        case Refusal::Kind::LoopCount: return tr("the panel sent \"%1\" as the number of loops.").arg(r.received);
        }
        return {};
    }

    static QString refused(const TransferFailure &f)
    {
        const QString reason =
            f.kind == TransferFailure::Kind::TooLong
                ? tr("the panel sent more than %1 characters without a separator for %2; no field is that long.")
                      .arg(f.total)
                      .arg(place(f.place))
                : refusal(f.refusal);
        switch (f.transfer) {
        case Transfer::Upload: return reason;
        case Transfer::Download: return tr("Download refused: %1 The configuration was not changed.").arg(reason);
        case Transfer::Compare: return tr("Comparison refused: %1 The configuration was not changed.").arg(reason);
        case Transfer::Verify:
            return tr("Verification refused: %1 The upload itself completed, but the panel was not verified.")
                .arg(reason);
        }
        return reason;
    }
};

PortProblem portProblem(const BytePort &port)
{
    PortProblem p;
    p.number = port.numbered() ? port.portNumber() : 0;
    p.device = port.deviceName();
    p.error = port.errorString();
    p.kind = port.openError();
    p.fromEnvironment = p.number > 0 && !environmentDevice(p.number).isEmpty();
#ifndef Q_OS_WIN
    if (p.kind == BytePort::OpenError::PermissionDenied)
        p.access = accessProblem(p.device);
#endif
    return p;
}

QString captionText(Transfer transfer) { return TransferWords::caption(transfer); }

QString stoppedText() { return TransferWords::tr("Transfer stopped"); }

QString verificationText(Verification result, const QString &fingerprint)
{
    switch (result) {
    case Verification::NotRun: return {};
    case Verification::Verified: return TransferWords::tr("Panel verified: fingerprint %1").arg(fingerprint);
    case Verification::Differs: return TransferWords::tr("The panel does not hold what was sent");
    case Verification::BrokenOff:
        return TransferWords::tr("The verification did not finish; the upload itself completed.");
    }
    return {};
}
QString statusText(Transfer transfer, TransferStatus status) { return TransferWords::status(transfer, status); }
QString placeText(const TransferPlace &place) { return TransferWords::place(place); }
QString portProblemText(const PortProblem &problem, DeviceChoice choice)
{
    return TransferWords::port(problem, choice);
}

QString refusalText(const Refusal &refusal) { return TransferWords::refusal(refusal); }

QString failureText(const TransferFailure &failure, DeviceChoice choice)
{
    switch (failure.kind) {
    case TransferFailure::Kind::PortNotOpened: return TransferWords::port(failure.port, choice);
    case TransferFailure::Kind::NoAnswer:
    case TransferFailure::Kind::Unplugged: return TransferWords::breakOff(failure, choice);
    case TransferFailure::Kind::Refused:
    case TransferFailure::Kind::TooLong: return TransferWords::refused(failure);
    }
    return {};
}

QString openFailureMessage(const BytePort &port, DeviceChoice choice)
{
    return portProblemText(portProblem(port), choice);
}

void tellFailures(PanelLink &link, Messages &messages, DeviceChoice choice)
{
    QObject::connect(&link, &PanelLink::failed, &link,
                     [&messages, choice](const TransferFailure &f) { messages.message(failureText(f, choice)); });
}

}  // namespace vaz::comm
