#include "data/ClientDataSet.h"

#include "core/Formats.h"
#include "data/BulkWriteScope.h"
#include "data/DatabaseError.h"
#include "data/SqlConnection.h"
#include "data/ValueText.h"

#include <QRegularExpression>

#include <cmath>

namespace valorama {

namespace {

[[noreturn]] void conversionError(const QString &message)
{
    throw DatabaseError(message, {}, QStringLiteral("conversão"));
}

// The value as the field's type holds it.
Value convertForField(const ColumnInfo &c, const Value &v)
{
    if (isNull(v))
        return v;
    const QString *text = std::get_if<QString>(&v);
    switch (c.kind) {
    case ColumnInfo::Kind::Text:
    case ColumnInfo::Kind::Blob: {
        QString s = valueToText(v);
        if (c.kind == ColumnInfo::Kind::Text && c.length > 0 && s.size() > c.length)
            s.truncate(c.length);
        return s;
    }
    case ColumnInfo::Kind::Integer:
        if (text) {
            if (text->trimmed().isEmpty())
                return Value {};
            if (auto n = Formats::parseInteger(*text))
                return *n;
            conversionError(Formats::integerConversionMessage(*text));
        }
        if (const auto *d = std::get_if<Decimal>(&v))
            return d->roundHalfEven();
        if (const auto *f = std::get_if<double>(&v))
            return qint64(std::llround(*f));
        if (std::holds_alternative<qint64>(v))
            return v;
        break;
    case ColumnInfo::Kind::Numeric: {
        std::optional<Decimal> d;
        if (text) {
            if (text->trimmed().isEmpty())
                return Value {};
            d = Decimal::parse(*text, c.places);
            if (!d)
                conversionError(Formats::floatConversionMessage(*text));
        } else if (const auto *dec = std::get_if<Decimal>(&v)) {
            d = dec->rescaled(c.places);
        } else if (const auto *n = std::get_if<qint64>(&v)) {
            d = Decimal { *n, 0 }.rescaled(c.places);
        } else if (const auto *f = std::get_if<double>(&v)) {
            d = Decimal::parse(Formats::generalFloat(*f), c.places);
        }
        if (!d)
            conversionError(Formats::floatConversionMessage(valueToText(v)));
        return *d;
    }
    case ColumnInfo::Kind::Float:
        if (text) {
            if (text->trimmed().isEmpty())
                return Value {};
            if (auto f = Formats::parseFloat(*text))
                return *f;
            conversionError(Formats::floatConversionMessage(*text));
        }
        if (const auto *d = std::get_if<Decimal>(&v))
            return d->toDouble();
        if (const auto *n = std::get_if<qint64>(&v))
            return double(*n);
        if (std::holds_alternative<double>(v))
            return v;
        break;
    case ColumnInfo::Kind::Date:
        if (text) {
            if (text->trimmed().isEmpty())
                return Value {};
            if (auto d = Formats::parseDate(*text))
                return *d;
            conversionError(Formats::dateConversionMessage(*text));
        }
        if (const auto *dt = std::get_if<QDateTime>(&v))
            return dt->date();
        if (std::holds_alternative<QDate>(v))
            return v;
        break;
    case ColumnInfo::Kind::Time:
        if (text) {
            if (text->trimmed().isEmpty())
                return Value {};
            if (auto t = Formats::parseTime(*text))
                return *t;
            conversionError(QStringLiteral("'%1' is not a valid time").arg(*text));
        }
        if (const auto *dt = std::get_if<QDateTime>(&v))
            return dt->time();
        if (std::holds_alternative<QTime>(v))
            return v;
        break;
    case ColumnInfo::Kind::Timestamp:
        if (text) {
            const QString t = text->trimmed();
            if (t.isEmpty())
                return Value {};
            const QString datePart = t.section(QLatin1Char(' '), 0, 0);
            const QString timePart = t.section(QLatin1Char(' '), 1);
            auto d = Formats::parseDate(datePart);
            auto tm = timePart.isEmpty() ? std::optional<QTime>(QTime(0, 0)) : Formats::parseTime(timePart);
            if (d && tm)
                return QDateTime(*d, *tm);
            conversionError(Formats::dateConversionMessage(*text));
        }
        if (const auto *d = std::get_if<QDate>(&v))
            return QDateTime(*d, QTime(0, 0));
        if (std::holds_alternative<QDateTime>(v))
            return v;
        break;
    }
    conversionError(QStringLiteral("O valor '%1' não pode ser gravado no campo %2.").arg(valueToText(v), c.name));
}

} // namespace

// ---- Field ------------------------------------------------------------------------------

QString Field::fieldName() const
{
    return info().name;
}

const ColumnInfo &Field::info() const
{
    return m_ds->m_columns[m_index];
}

Value Field::value() const
{
    m_ds->checkActive();
    if (m_ds->m_state == ClientDataSet::State::Browse && (m_ds->m_current < 0 || m_ds->m_rows.isEmpty()))
        return Value {};
    return m_ds->currentRow()[m_index];
}

bool Field::isNull() const
{
    return valorama::isNull(value());
}

QString Field::asString() const
{
    return valueToText(value());
}

QString Field::displayText() const
{
    return valorama::displayText(value(), m_ds->displayFormat(fieldName()));
}

qint64 Field::asInteger() const
{
    const Value v = convertForField(ColumnInfo { fieldName(), {}, ColumnInfo::Kind::Integer }, value());
    return isNull() ? 0 : std::get<qint64>(v);
}

Decimal Field::asDecimal() const
{
    const Value v = value();
    if (const auto *d = std::get_if<Decimal>(&v))
        return *d;
    if (valorama::isNull(v))
        return {};
    ColumnInfo c { fieldName(), {}, ColumnInfo::Kind::Numeric };
    c.places = 8;
    return std::get<Decimal>(convertForField(c, v));
}

double Field::asFloat() const
{
    const Value v = convertForField(ColumnInfo { fieldName(), {}, ColumnInfo::Kind::Float }, value());
    return valorama::isNull(v) ? 0.0 : std::get<double>(v);
}

QDate Field::asDate() const
{
    const Value v = convertForField(ColumnInfo { fieldName(), {}, ColumnInfo::Kind::Date }, value());
    return valorama::isNull(v) ? QDate() : std::get<QDate>(v);
}

void Field::setValue(const Value &v)
{
    m_ds->checkActive();
    if (m_ds->m_state != ClientDataSet::State::Edit && m_ds->m_state != ClientDataSet::State::Insert)
        throw DatabaseError(QStringLiteral("O conjunto de dados %1 não está em edição.").arg(m_ds->name()));
    m_ds->m_editRow[m_index] = convertForField(info(), v);
    emit m_ds->rowChanged(m_ds->m_state == ClientDataSet::State::Insert ? int(m_ds->m_rows.size()) : m_ds->m_current);
}

void Field::setAsString(const QString &text)
{
    setValue(text);
}

// ---- ClientDataSet ----------------------------------------------------------------------

ClientDataSet::ClientDataSet(const QString &name, DataSetProvider *provider, QObject *parent)
    : QObject(parent), m_provider(provider)
{
    setObjectName(name);
}

ClientDataSet::ClientDataSet(const QString &name, SqlDataSet *command, QObject *parent)
    : QObject(parent), m_source(command)
{
    setObjectName(name);
}

QString ClientDataSet::tableName() const
{
    static const QRegularExpression from(QStringLiteral("\\bfrom\\s+([A-Za-z_][A-Za-z0-9_$]*)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const auto m = from.match(source()->commandText);
    return m.hasMatch() ? m.captured(1).toUpper() : QString();
}

void ClientDataSet::setDisplayFormat(const QString &field, const QString &format)
{
    m_displayFormats.insert(field.toUpper(), format);
}

QString ClientDataSet::displayFormat(const QString &field) const
{
    return m_displayFormats.value(field.toUpper());
}

void ClientDataSet::setEditMask(const QString &field, const QString &mask)
{
    m_editMasks.insert(field.toUpper(), mask);
}

QString ClientDataSet::editMask(const QString &field) const
{
    return m_editMasks.value(field.toUpper());
}

void ClientDataSet::checkActive() const
{
    if (m_state == State::Inactive)
        throw DatabaseError(QStringLiteral("%1: operação não permitida com o conjunto de dados fechado.").arg(name()));
}

void ClientDataSet::checkBrowseMode()
{
    if (m_state == State::Edit || m_state == State::Insert)
        post();
}

void ClientDataSet::fetch()
{
    ResultTable result = connection()->query(source()->commandText, source()->params);
    m_columns = std::move(result.columns);
    m_rows = std::move(result.rows);
}

void ClientDataSet::open()
{
    if (active())
        return;
    fetch();
    m_state = State::Browse;
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_eof = m_rows.isEmpty();
    m_changes.clear();
    emit dataReset();
}

void ClientDataSet::close()
{
    if (!active())
        return;
    m_state = State::Inactive;
    m_rows.clear();
    m_changes.clear();
    m_current = -1;
    m_eof = true;
    emit dataReset();
}

void ClientDataSet::clearRows()
{
    m_rows.clear();
    m_current = -1;
    m_eof = true;
    emit dataReset();
}

void ClientDataSet::refresh()
{
    checkActive();
    if (BulkWriteScope *scope = connection()->bulkScope()) {
        scope->deferRefresh(this);
        return;
    }
    if (!m_changes.isEmpty())
        throw DatabaseError(QStringLiteral("%1: há alterações pendentes que não foram gravadas.").arg(name()));
    const int previous = m_current;
    if (m_state != State::Browse)
        m_state = State::Browse;
    try {
        fetch();
    } catch (...) {
        clearRows();
        throw;
    }
    m_current = m_rows.isEmpty() ? -1 : qBound(0, previous, int(m_rows.size()) - 1);
    m_eof = m_rows.isEmpty();
    emit dataReset();
}

void ClientDataSet::first()
{
    checkActive();
    checkBrowseMode();
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_eof = m_rows.isEmpty();
    emit currentChanged(m_current);
}

void ClientDataSet::next()
{
    checkActive();
    checkBrowseMode();
    if (m_current + 1 < m_rows.size()) {
        ++m_current;
        m_eof = false;
        emit currentChanged(m_current);
    } else {
        m_eof = true;
    }
}

void ClientDataSet::moveTo(int row)
{
    checkActive();
    if (row == m_current && m_state == State::Browse)
        return;
    checkBrowseMode();
    if (row < 0 || row >= m_rows.size())
        return;
    m_current = row;
    m_eof = false;
    emit currentChanged(m_current);
}

Row &ClientDataSet::currentRow()
{
    if (m_state == State::Edit || m_state == State::Insert)
        return m_editRow;
    return m_rows[m_current];
}

const Row &ClientDataSet::currentRow() const
{
    if (m_state == State::Edit || m_state == State::Insert)
        return m_editRow;
    return m_rows[m_current];
}

void ClientDataSet::checkWritable() const
{
    if (!m_provider)
        throw DatabaseError(QStringLiteral("%1: o conjunto de dados é somente leitura.").arg(name()));
}

void ClientDataSet::append()
{
    checkActive();
    checkWritable();
    checkBrowseMode();
    m_editRow = Row(m_columns.size());
    m_editOriginal.clear();
    m_state = State::Insert;
    emit dataReset();
}

void ClientDataSet::edit()
{
    checkActive();
    checkWritable();
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (m_rows.isEmpty()) {
        append();
        return;
    }
    m_editRow = m_rows[m_current];
    m_editOriginal = m_editRow;
    m_state = State::Edit;
}

void ClientDataSet::post()
{
    checkActive();
    if (m_state == State::Browse)
        throw DatabaseError(QStringLiteral("%1: o registro não está em edição.").arg(name()));
    if (m_state == State::Insert) {
        m_rows.append(m_editRow);
        m_current = int(m_rows.size()) - 1;
        m_changes.append({ Change::Insert, {}, m_editRow });
    } else if (m_editRow != m_editOriginal) {
        m_rows[m_current] = m_editRow;
        m_changes.append({ Change::Update, m_editOriginal, m_editRow });
    }
    m_state = State::Browse;
    m_eof = false;
    emit dataReset();
    if (afterPost)
        afterPost(*this);
}

void ClientDataSet::cancel()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    m_state = State::Browse;
    emit dataReset();
}

void ClientDataSet::deleteRecord()
{
    checkActive();
    checkWritable();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_state == State::Edit)
        cancel();
    if (m_rows.isEmpty())
        throw DatabaseError(QStringLiteral("%1: não há registro para excluir.").arg(name()));
    m_changes.append({ Change::Delete, m_rows[m_current], {} });
    m_rows.removeAt(m_current);
    m_current = m_rows.isEmpty() ? -1 : qMin(m_current, int(m_rows.size()) - 1);
    m_eof = m_rows.isEmpty();
    emit dataReset();
    if (afterDelete)
        afterDelete(*this);
}

int ClientDataSet::fieldIndex(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

Field ClientDataSet::fieldByName(const QString &name)
{
    checkActive();
    const int i = fieldIndex(name);
    if (i < 0)
        throw DatabaseError(QStringLiteral("%1: campo '%2' não encontrado.").arg(this->name(), name));
    return Field(this, i);
}

int ClientDataSet::visibleRowCount() const
{
    return int(m_rows.size()) + (m_state == State::Insert ? 1 : 0);
}

bool ClientDataSet::isInsertRow(int row) const
{
    return m_state == State::Insert && row == m_rows.size();
}

Value ClientDataSet::value(int row, int column) const
{
    if (isInsertRow(row) || (m_state == State::Edit && row == m_current))
        return m_editRow.value(column);
    if (row < 0 || row >= m_rows.size())
        return Value {};
    return m_rows[row].value(column);
}

QString ClientDataSet::whereClause(const Row &oldRow, QList<Value> &params) const
{
    QStringList terms;
    for (int i = 0; i < m_columns.size(); ++i) {
        const ColumnInfo &c = m_columns[i];
        if (c.kind == ColumnInfo::Kind::Blob)
            continue;
        const bool isKey = m_provider->keyFields.contains(c.name, Qt::CaseInsensitive);
        if (m_provider->updateMode == DataSetProvider::UpdateMode::KeyOnly && !isKey)
            continue;
        if (isNull(oldRow[i])) {
            terms << c.name + QStringLiteral(" is null");
        } else {
            terms << c.name + QStringLiteral(" = ?");
            params << oldRow[i];
        }
    }
    return terms.join(QStringLiteral(" and "));
}

void ClientDataSet::applyChange(const Change &c)
{
    const QString table = tableName();
    QString sql;
    QList<Value> params;
    if (c.kind == Change::Insert) {
        if (BulkWriteScope *scope = connection()->bulkScope()) {
            scope->queueInsert(table, m_columns, c.newRow);
            return;
        }
        QStringList cols;
        QStringList marks;
        for (int i = 0; i < m_columns.size(); ++i) {
            if (isNull(c.newRow[i]))
                continue;
            cols << m_columns[i].name;
            marks << QStringLiteral("?");
            params << c.newRow[i];
        }
        sql = cols.isEmpty() ? QStringLiteral("insert into %1 default values").arg(table)
                             : QStringLiteral("insert into %1 (%2) values (%3)")
                                   .arg(table, cols.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
        connection()->execute(sql, params, false);
        return;
    }
    if (m_provider->updateMode == DataSetProvider::UpdateMode::KeyOnly && m_provider->keyFields.isEmpty())
        throw WriteRefusedError(QStringLiteral("a tabela %1 não tem chave que identifique a linha").arg(table), {},
                                name());
    if (c.kind == Change::Update) {
        QStringList sets;
        for (int i = 0; i < m_columns.size(); ++i) {
            if (c.newRow[i] == c.oldRow[i])
                continue;
            sets << m_columns[i].name + QStringLiteral(" = ?");
            params << c.newRow[i];
        }
        if (sets.isEmpty())
            return;
        QList<Value> whereParams;
        const QString where = whereClause(c.oldRow, whereParams);
        params << whereParams;
        sql = QStringLiteral("update %1 set %2 where %3").arg(table, sets.join(QStringLiteral(", ")), where);
    } else {
        sql = QStringLiteral("delete from %1 where %2").arg(table, whereClause(c.oldRow, params));
    }
    if (connection()->execute(sql, params, true) == 0)
        throw WriteRefusedError(QStringLiteral("o registro não foi encontrado ou foi alterado por outro usuário"), sql,
                                name());
}

int ClientDataSet::applyUpdates(int maxErrors)
{
    m_applyErrors.clear();
    const QList<Change> changes = std::exchange(m_changes, {});
    for (const Change &c : changes) {
        try {
            applyChange(c);
        } catch (const DatabaseError &e) {
            m_applyErrors << e.message();
            if (e.isConnectionLost())
                throw;
            if (maxErrors >= 0 && m_applyErrors.size() > maxErrors)
                break;
        }
    }
    return int(m_applyErrors.size());
}

} // namespace valorama
