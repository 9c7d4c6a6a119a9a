#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace valorama {

// The settings of QUINTORA.INI, the suite's fixed-column configuration file.
// Values are kept as the file's single-byte text.
class SuiteConfiguration
{
public:
    enum class ReadResult { Read, Missing, Unreadable };

    // Reads <folder>/QUINTORA.INI. Returns Missing when no file is there, Unreadable (with
    // errorString() set) when it cannot be opened or read; the settings then keep what was
    // read before the failure.
    ReadResult read(const QString &folder);

    // The setting of a label (48 characters, byte for byte); empty when the file has none.
    QByteArray value(const QByteArray &label) const;
    QString centralServerAddress() const;
    QString errorString() const { return m_error; }
    static QString fileName() { return QStringLiteral("QUINTORA.INI"); }

    // Applies one line of the file, as the reader does for every line.
    void applyLine(QByteArrayView line);

private:
    QHash<QByteArray, QByteArray> m_values;
    QString m_error;
};

} // namespace valorama
