#include "config/SuiteConfiguration.h"

#include "config/SuiteConfigurationLabels.h"
#include "core/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace valorama {

namespace {

const QHash<QByteArray, int> &widthsByLabel()
{
    static const QHash<QByteArray, int> widths = [] {
        QHash<QByteArray, int> map;
        for (const auto &l : suiteSettingLabels())
            map.insert(QByteArray(l.label), l.width);
        return map;
    }();
    return widths;
}

QByteArrayView trimSpaces(QByteArrayView v)
{
    // Only the space character: a tab at either end is part of the value.
    while (!v.isEmpty() && v.front() == ' ')
        v = v.sliced(1);
    while (!v.isEmpty() && v.back() == ' ')
        v.chop(1);
    return v;
}

} // namespace

void SuiteConfiguration::applyLine(QByteArrayView line)
{
    constexpr qsizetype LabelLength = 48;
    constexpr qsizetype ValueStart = 49; // column 50, counted from 0
    constexpr qsizetype ValueLength = 60;
    const QByteArrayView label = line.first(qMin(line.size(), LabelLength));
    const auto it = widthsByLabel().constFind(label.toByteArray());
    if (it == widthsByLabel().constEnd())
        return;
    QByteArrayView value;
    if (line.size() > ValueStart)
        value = line.sliced(ValueStart, qMin(ValueLength, line.size() - ValueStart));
    value = trimSpaces(value);
    m_values.insert(it.key(), value.first(qMin<qsizetype>(value.size(), it.value())).toByteArray());
}

SuiteConfiguration::ReadResult SuiteConfiguration::read(const QString &folder)
{
    const QString path = QDir(folder).filePath(fileName());
    const QFileInfo info(path);
    if (!info.exists())
        return ReadResult::Missing;
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("Não foi possível ler o arquivo %1: %2")
                      .arg(QDir::toNativeSeparators(path),
                           info.isDir() ? QStringLiteral("é uma pasta") : file.errorString());
        return ReadResult::Unreadable;
    }
    QByteArray pending;
    bool failed = false;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(1 << 16);
        if (chunk.isEmpty() && file.error() != QFileDevice::NoError) {
            failed = true;
            break;
        }
        pending += chunk;
        qsizetype start = 0;
        for (qsizetype lf; (lf = pending.indexOf('\n', start)) >= 0; start = lf + 1) {
            qsizetype end = lf;
            if (end > start && pending.at(end - 1) == '\r')
                --end;
            applyLine(QByteArrayView(pending).sliced(start, end - start));
        }
        pending.remove(0, start);
    }
    if (failed) {
        m_error = QStringLiteral("Erro de leitura no arquivo %1: %2")
                      .arg(QDir::toNativeSeparators(path), file.errorString());
        return ReadResult::Unreadable;
    }
    if (!pending.isEmpty())
        applyLine(pending); // last line without a line end
    return ReadResult::Read;
}

QByteArray SuiteConfiguration::value(const QByteArray &label) const
{
    return m_values.value(label);
}

QString SuiteConfiguration::centralServerAddress() const
{
    return decodeCp1252(value(QByteArray(CentralServerAddressLabel)));
}

} // namespace valorama
