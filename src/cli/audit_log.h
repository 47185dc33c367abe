#pragma once

#include <QJsonObject>
#include <QSet>
#include <QString>

// The audit log of `orvane-cli program`: one JSON object a line, appended with one write and
// made durable with fsync, so a crash loses at most the line being written.
class AuditLog
{
public:
    AuditLog() = default;
    ~AuditLog();
    AuditLog(const AuditLog&) = delete;
    AuditLog& operator=(const AuditLog&) = delete;

    // Opens (or creates) the file at path for appending. Returns the system's reason when it
    // cannot be opened, else an empty text.
    QString Open(const QString& path);

    // The UIDs of the lines whose result is done (lines that are no JSON object are passed over).
    QSet<QString> UidsWithResult(const QString& done) const;

    // Appends entry as one line. Returns the system's reason when the line could not be written
    // whole and synced (the file may then end in a part of it), else an empty text.
    QString Append(const QJsonObject& entry);

private:
    QString path;
    int descriptor = -1;
};
