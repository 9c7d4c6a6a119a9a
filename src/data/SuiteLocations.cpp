#include "data/SuiteLocations.h"

#include "core/Cp1252.h"

#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace valorama {

QString SuiteLocations::defaultClientLibraryLocationFile()
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\quintora\\CaminhoGDS.txt");
#else
    return QStringLiteral("/opt/quintora/CaminhoGDS.txt");
#endif
}

QString SuiteLocations::defaultClientLibraryName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("fbclient.dll");
#else
    return QStringLiteral("libfbclient.so.2");
#endif
}

QString resolveClientLibrary(const SuiteLocations &locations)
{
    const QFileInfo info(locations.clientLibraryLocationFile);
    if (!info.exists())
        return locations.clientLibraryName;
    QFile file(locations.clientLibraryLocationFile);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("Não foi possível ler o arquivo %1: %2")
                                     .arg(locations.clientLibraryLocationFile,
                                          info.isDir() ? QStringLiteral("é uma pasta") : file.errorString())
                                     .toStdString());
    QByteArray line = file.readLine(101);
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    line = line.left(100);
    if (line.isEmpty())
        return locations.clientLibraryName;
#ifdef Q_OS_WIN
    const char separator = '\\';
#else
    const char separator = '/';
#endif
    if (line.size() < 100 && !line.endsWith(separator) && !line.endsWith('\\'))
        line.append(separator);
    return decodeCp1252(line) + locations.clientLibraryName;
}

} // namespace valorama
