#include "data/InsertBatch.h"

#include "data/DatabaseError.h"

namespace valorama {

namespace {

QString declaredType(const ColumnInfo &c)
{
    switch (c.kind) {
    case ColumnInfo::Kind::Text:
        return QStringLiteral("VARCHAR(%1)").arg(qMax(1, c.length));
    case ColumnInfo::Kind::Integer:
        return QStringLiteral("BIGINT");
    case ColumnInfo::Kind::Numeric:
        return QStringLiteral("NUMERIC(18, %1)").arg(c.places);
    case ColumnInfo::Kind::Float:
        return QStringLiteral("DOUBLE PRECISION");
    case ColumnInfo::Kind::Date:
        return QStringLiteral("DATE");
    case ColumnInfo::Kind::Time:
        return QStringLiteral("TIME");
    case ColumnInfo::Kind::Timestamp:
        return QStringLiteral("TIMESTAMP");
    case ColumnInfo::Kind::Blob:
        return QStringLiteral("BLOB SUB_TYPE TEXT");
    }
    return QStringLiteral("VARCHAR(1)");
}

bool sameColumns(const QList<ColumnInfo> &a, const QList<ColumnInfo> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].kind != b[i].kind || a[i].length != b[i].length
            || a[i].places != b[i].places)
            return false;
    }
    return true;
}

} // namespace

bool InsertBatch::matches(const QString &table, const QList<ColumnInfo> &columns) const
{
    return m_rows.isEmpty() || (table == m_table && sameColumns(columns, m_columns));
}

void InsertBatch::add(const QString &table, const QList<ColumnInfo> &columns, const Row &row)
{
    if (m_rows.isEmpty()) {
        m_table = table;
        m_columns = columns;
    }
    m_rows.append(row);
}

QList<InsertBatch::Refusal> InsertBatch::send(FbAttachment &attachment, FbTransaction &tx)
{
    QList<Refusal> refused;
    if (m_rows.isEmpty())
        return refused;
    QStringList declarations;
    QStringList names;
    for (const ColumnInfo &c : std::as_const(m_columns))
        names << c.name;
    const QString columnList = names.join(QStringLiteral(", "));
    QString body;
    QList<Value> params;
    params.reserve(m_rows.size() * m_columns.size());
    for (int r = 0; r < m_rows.size(); ++r) {
        QStringList values;
        for (int c = 0; c < m_columns.size(); ++c) {
            const QString p = QStringLiteral("P%1_%2").arg(r).arg(c);
            declarations << p + QLatin1Char(' ') + declaredType(m_columns[c]) + QStringLiteral(" = ?");
            values << QLatin1Char(':') + p;
            params << m_rows[r].value(c);
        }
        body += QStringLiteral("  BEGIN INSERT INTO %1 (%2) VALUES (%3); WHEN ANY DO BEGIN BAD = %4; CODE = GDSCODE; "
                               "SUSPEND; END END\n")
                    .arg(m_table, columnList, values.join(QStringLiteral(", ")))
                    .arg(r);
    }
    const QString sql = QStringLiteral("EXECUTE BLOCK (") + declarations.join(QStringLiteral(", "))
        + QStringLiteral(") RETURNS (BAD INTEGER, CODE INTEGER) AS\nBEGIN\n") + body + QStringLiteral("END");
    m_rows.clear();
    const ResultTable result = attachment.run(tx, sql, params);
    for (const Row &row : result.rows)
        refused.append({ int(std::get<qint64>(row[0])), isNull(row[1]) ? 0L : long(std::get<qint64>(row[1])) });
    return refused;
}

QString InsertBatch::describe(long code)
{
    switch (code) {
    case 335544665:
    case 335544349:
        return QStringLiteral("já existe uma linha com a mesma chave");
    case 335544347:
        return QStringLiteral("um campo obrigatório ficou vazio");
    case 335544321:
        return QStringLiteral("um valor não cabe no campo");
    default:
        return QStringLiteral("o banco de dados recusou a linha (código %1)").arg(code);
    }
}

} // namespace valorama
