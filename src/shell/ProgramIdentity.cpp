#include "shell/ProgramIdentity.h"

#include "platform/RootFolder.h"
#include "shell/VersionInfo.h"

#include <QFileInfo>

QString ComposeFullName(const QString& fileName, const QString& company, const QString& displayName,
                        const QString& version)
{
    if (!company.isEmpty() || !displayName.isEmpty())
        return QString("%1 (%2) %3").arg(displayName, company, version);
    const QString name = QFileInfo(fileName).fileName();
    return name.left(name.indexOf('.') < 0 ? name.size() : name.indexOf('.'));
}

ProgramIdentity::ProgramIdentity(const QString& fileName, const QString& company, const QString& displayName,
                                 const QString& version, const QString& comments, const QString& fileDescription)
    : FullName(ComposeFullName(fileName, company, displayName, version)),
      Company(company),
      DisplayName(displayName),
      Version(version),
      Comments(comments),
      FileDescription(fileDescription)
{
}

ProgramIdentity::ProgramIdentity()
    : ProgramIdentity(ProgramFileName(), VENDROLA_INFO_COMPANY, VENDROLA_INFO_PRODUCT, VENDROLA_INFO_VERSION,
                      VENDROLA_INFO_COMMENTS, VENDROLA_INFO_DESCRIPTION)
{
}
