#pragma once
#include <QString>

// Who a program is, from its version information. A default-made identity is the running
// program's own, from the version information compiled into it.
struct ProgramIdentity {
    ProgramIdentity();
    ProgramIdentity(const QString& fileName, const QString& company, const QString& displayName,
                    const QString& version, const QString& comments = {}, const QString& fileDescription = {});

    QString FullName;         // "Vendrola (Studio ZUN) 1.0.0"
    QString Company;
    QString DisplayName;
    QString Version;
    QString Comments;
    QString FileDescription;
};

// "DisplayName (Company) Version" when company or display name is known, otherwise the program
// file's name up to its first ".".
QString ComposeFullName(const QString& fileName, const QString& company, const QString& displayName,
                        const QString& version);
