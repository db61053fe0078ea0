#pragma once

#include "core/comm/TransferFacts.h"
#include "core/model/Prompts.h"

#include <QString>

// A transfer's facts in words. The texts go through Qt's translations: the
// windows, which load them, read them in the user's language; the command
// line, which does not, in English.
namespace vaz::comm {

class PanelLink;

// Where the user names the device behind a port: File > Options in the
// windows, --port on the command line.
enum class DeviceChoice { OptionsWindow, PortOption };

QString captionText(Transfer transfer);
QString statusText(Transfer transfer, TransferStatus status);
// "Transfer stopped": the user stopped it.
QString stoppedText();
// "Panel verified: fingerprint 3F2A-9C1B-07DE-55A0", or what else the read-back found.
QString verificationText(Verification result, const QString &fingerprint);
QString placeText(const TransferPlace &place);
QString portProblemText(const PortProblem &problem, DeviceChoice choice = DeviceChoice::OptionsWindow);
QString failureText(const TransferFailure &failure, DeviceChoice choice = DeviceChoice::OptionsWindow);
// An upload's refusal ends "Nothing was sent."; a download's is a clause for failureText.
QString refusalText(const Refusal &refusal);

// The message for a port that would not open.
QString openFailureMessage(const BytePort &port, DeviceChoice choice = DeviceChoice::OptionsWindow);

// Tells messages every failure of link, worded for choice, when it happens.
void tellFailures(PanelLink &link, Messages &messages, DeviceChoice choice = DeviceChoice::OptionsWindow);

}  // namespace vaz::comm
