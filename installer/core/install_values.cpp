#include "installer/core/install_values.h"

#include "installer/core/install_paths.h"
#include "language/ui_language.h"

namespace qm::install {

QString exeName()
{
    return kProductName + kExeSuffix;
}

QString linkName()
{
    return kProductName + QStringLiteral(".lnk");
}

QString helpFileName()
{
    return kProductName + QStringLiteral(".pdf");
}

QString englishHelpFileName()
{
    return documentEdition(helpFileName(), kEnglish);
}

QString helpFileFor(const QString &language)
{
    return language == kEnglish ? englishHelpFileName() : helpFileName();
}

QString uninstallExeName()
{
    return QStringLiteral("Uninstall") + kExeSuffix;
}

QString statsExeName()
{
    return QStringLiteral("QMStat") + kExeSuffix;
}

QString iconImageName()
{
    return kProductName + QStringLiteral(".png");
}

PayloadTable standardPayload()
{
    const QString statsExe = statsExeName();
    PayloadTable table;
    table.entries = {
        { QStringLiteral("MSFLXGRD.OCX"), kForcedMode },
        { QStringLiteral("RICHTX32.OCX"), kForcedMode },
        { QStringLiteral("MSSTDFMT.DLL"), QString() },
        { QStringLiteral("QM0.dat"), exeName() },
        { QStringLiteral("Quillmere.pdf"), helpFileName() },
        { QStringLiteral("QM1.dat"), exeName() + QStringLiteral(".manifest") },
        { QStringLiteral("QM2.dat"), uninstallExeName() },
        { QStringLiteral("QM3.dat"), statsExe },
        { QStringLiteral("QM4.dat"), statsExe + QStringLiteral(".manifest") },
        { QStringLiteral("Quillmere-en.pdf"), englishHelpFileName() },
    };
    table.componentCount = 3;
    return table;
}

} // namespace qm::install
