#pragma once

#include "platform/serial_open_failure.h"
#include "serial/port_discovery.h"

#include <QString>
#include <cstdint>

// The line that tells the operator why a port did not open and what to do about it, for the
// reasons the operator can act on: no such device (naming the one serial adapter in serialById
// when there is exactly one), permission denied (by group, or a device only root may open), held
// by another program, a refused baudRate.
// Empty for any other reason.
QString OpenFailureExplanation(const SerialOpenFailure& failure, std::int32_t baudRate,
                               const QString& serialById = QStringLiteral("/dev/serial/by-id"));

// The same reason in a few words, such as "permission denied" or "in use by logger (412)".
QString OpenFailureBrief(const SerialOpenFailure& failure);

// One line on the serial devices the survey found that do not open, such as "1 serial device
// cannot be opened now: ttyUSB1: permission denied"; "No serial device found." when there is none
// at all; empty when every device opens.
QString UnopenablePortsLine(const PortSurvey& survey);
