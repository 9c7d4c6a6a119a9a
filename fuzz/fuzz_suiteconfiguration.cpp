// libFuzzer target: any bytes as QUINTORA.INI never crash the reader, and every setting keeps
// its width.
#include "config/SuiteConfiguration.h"
#include "config/SuiteConfigurationLabels.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

using namespace valorama;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    {
        QFile f(QDir(dir.path()).filePath(QStringLiteral("QUINTORA.INI")));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char *>(data), qsizetype(size));
    }
    SuiteConfiguration config;
    if (config.read(dir.path()) != SuiteConfiguration::ReadResult::Read)
        std::abort();
    for (const SuiteSettingLabel &l : suiteSettingLabels()) {
        const QByteArray v = config.value(QByteArray(l.label));
        if (v.size() > l.width || v.startsWith(' ') || v.endsWith(' '))
            std::abort();
    }
    (void)config.centralServerAddress();
    return 0;
}
