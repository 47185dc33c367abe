#pragma once

#include "serial/link_error_reporter.h"

#include <QStringList>

// Keeps every link error text instead of showing a box.
class RecordingLinkErrorReporter : public LinkErrorReporter
{
public:
    void ShowLinkError(const QString& text) override { shown.append(text); }

    QStringList shown;
};
