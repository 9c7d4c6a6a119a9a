#include "data/FbAttachment.h"

#include "core/Cp1252.h"
#include "data/DatabaseError.h"

#include <QScopeGuard>

#include <firebird/Interface.h>

#include <cstring>
#include <vector>

namespace valorama {

using namespace Firebird;

namespace {

// Releases a Firebird interface on every way out, unless handed on.
template<class T> struct Held
{
    T *p = nullptr;
    Held() = default;
    explicit Held(T *ptr) : p(ptr) { }
    ~Held()
    {
        if (p)
            p->release();
    }
    Held(const Held &) = delete;
    Held &operator=(const Held &) = delete;
    T *operator->() const { return p; }
    T *take()
    {
        T *r = p;
        p = nullptr;
        return r;
    }
};

// Wraps a status object so that every failing call throws FbException.
class Status
{
public:
    explicit Status(IMaster *master) : m_status(master->getStatus()), m_wrapper(m_status) { }
    ~Status() { m_status->dispose(); }
    ThrowStatusWrapper *operator&() { return &m_wrapper; }

private:
    IStatus *m_status;
    ThrowStatusWrapper m_wrapper;
};

[[noreturn]] void raise(IMaster *master, const FbException &e, const QString &sql, const QString &where)
{
    char buf[4096];
    master->getUtilInterface()->formatStatus(buf, sizeof buf, e.getStatus());
    const intptr_t *errors = e.getStatus()->getErrors();
    const long code = (errors && errors[0] == isc_arg_gds) ? long(errors[1]) : 0;
    throw DatabaseError(decodeCp1252(QByteArrayView(buf, qsizetype(std::strlen(buf)))), sql, where, code);
}

ColumnInfo::Kind kindOf(unsigned type, int scale)
{
    switch (type) {
    case SQL_TEXT:
    case SQL_VARYING:
        return ColumnInfo::Kind::Text;
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        return scale < 0 ? ColumnInfo::Kind::Numeric : ColumnInfo::Kind::Integer;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return ColumnInfo::Kind::Float;
    case SQL_TYPE_DATE:
        return ColumnInfo::Kind::Date;
    case SQL_TYPE_TIME:
        return ColumnInfo::Kind::Time;
    case SQL_TIMESTAMP:
        return ColumnInfo::Kind::Timestamp;
    case SQL_BLOB:
        return ColumnInfo::Kind::Blob;
    case SQL_BOOLEAN:
        return ColumnInfo::Kind::Integer;
    default:
        return ColumnInfo::Kind::Text;
    }
}

QTime decodeTime(IUtil *util, ISC_TIME t)
{
    unsigned h = 0, m = 0, s = 0, frac = 0;
    util->decodeTime(t, &h, &m, &s, &frac);
    return QTime(int(h), int(m), int(s), int(frac / 10));
}

QDate decodeDate(IUtil *util, ISC_DATE d)
{
    unsigned y = 0, m = 0, day = 0;
    util->decodeDate(d, &y, &m, &day);
    return QDate(int(y), int(m), int(day));
}

ISC_TIME encodeTime(IUtil *util, const QTime &t)
{
    return util->encodeTime(unsigned(t.hour()), unsigned(t.minute()), unsigned(t.second()), unsigned(t.msec()) * 10);
}

ISC_DATE encodeDate(IUtil *util, const QDate &d)
{
    return util->encodeDate(unsigned(d.year()), unsigned(d.month()), unsigned(d.day()));
}

FbAttachment::StatementObserver &statementObserver()
{
    static FbAttachment::StatementObserver observer;
    return observer;
}

} // namespace

FbAttachment::StatementObserver FbAttachment::setStatementObserver(StatementObserver observer)
{
    return std::exchange(statementObserver(), std::move(observer));
}

FbAttachment::FbAttachment(IMaster *master, const AttachmentParams &params) : m_master(master)
{
    Status st(master);
    try {
        IXpbBuilder *dpb = master->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
        auto disposeDpb = qScopeGuard([dpb] { dpb->dispose(); });
        dpb->insertString(&st, isc_dpb_user_name, encodeCp1252(params.user).constData());
        dpb->insertString(&st, isc_dpb_password, encodeCp1252(params.password).constData());
        if (!params.role.isEmpty())
            dpb->insertString(&st, isc_dpb_sql_role_name, encodeCp1252(params.role).constData());
        if (!params.charset.isEmpty())
            dpb->insertString(&st, isc_dpb_lc_ctype, params.charset.toLatin1().constData());
        dpb->insertInt(&st, isc_dpb_sql_dialect, params.dialect);
        Held<IProvider> provider(master->getDispatcher());
        m_attachment = provider->attachDatabase(&st, encodeCp1252(params.database).constData(),
                                                dpb->getBufferLength(&st), dpb->getBuffer(&st));
    } catch (const FbException &e) {
        raise(master, e, {}, QStringLiteral("conexão com %1").arg(params.database));
    }
}

FbAttachment::~FbAttachment()
{
    if (!m_attachment)
        return;
    for (IStatement *stmt : std::as_const(m_statements))
        stmt->release();
    Status st(m_master);
    try {
        m_attachment->detach(&st);
    } catch (const FbException &) {
        m_attachment->release(); // the server is gone: drop our side
    }
}

std::unique_ptr<FbTransaction> FbAttachment::begin(const TransactionOptions &options)
{
    Status st(m_master);
    try {
        IXpbBuilder *tpb = m_master->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::TPB, nullptr, 0);
        auto disposeTpb = qScopeGuard([tpb] { tpb->dispose(); });
        tpb->insertTag(&st, options.readOnly ? isc_tpb_read : isc_tpb_write);
        tpb->insertTag(&st, isc_tpb_read_committed);
        tpb->insertTag(&st, isc_tpb_rec_version);
        tpb->insertTag(&st, isc_tpb_wait);
        for (const QString &table : options.protectedWrites) {
            tpb->insertString(&st, isc_tpb_lock_write, table.toLatin1().constData());
            tpb->insertTag(&st, isc_tpb_protected);
        }
        ITransaction *tx = m_attachment->startTransaction(&st, tpb->getBufferLength(&st), tpb->getBuffer(&st));
        return std::make_unique<FbTransaction>(m_master, tx);
    } catch (const FbException &e) {
        raise(m_master, e, {}, QStringLiteral("início de transação"));
    }
}

ResultTable FbAttachment::run(FbTransaction &tx, const QString &sql, const QList<Value> &params, bool wantAffected)
{
    Status st(m_master);
    IUtil *util = m_master->getUtilInterface();
    ResultTable result;
    if (statementObserver())
        statementObserver()(sql);
    try {
        IStatement *stmt = m_statements.value(sql);
        if (!stmt) {
            const QByteArray text = encodeCp1252(sql);
            stmt = m_attachment->prepare(&st, tx.handle(), 0, text.constData(), 3,
                                         IStatement::PREPARE_PREFETCH_METADATA);
            if (m_statements.size() >= MaxCachedStatements) {
                for (IStatement *old : std::as_const(m_statements))
                    old->release();
                m_statements.clear();
            }
            m_statements.insert(sql, stmt);
        }
        Held<IMessageMetadata> serverIn(stmt->getInputMetadata(&st));
        const unsigned inCount = serverIn->getCount(&st);
        if (inCount != unsigned(params.size()))
            throw DatabaseError(
                QStringLiteral("O comando espera %1 parâmetros e recebeu %2.").arg(inCount).arg(params.size()), sql,
                QStringLiteral("preparação"));

        // Describe the parameters by the values we bind; the server converts them.
        std::vector<QByteArray> textParams(inCount);
        Held<IMetadataBuilder> builder(serverIn->getBuilder(&st));
        for (unsigned i = 0; i < inCount; ++i) {
            const unsigned serverType = serverIn->getType(&st, i) & ~1u;
            const bool serverText = serverType == SQL_TEXT || serverType == SQL_VARYING;
            const Value &v = params[int(i)];
            auto setNumeric = [&](unsigned type, unsigned length, int scale) {
                builder->setType(&st, i, type);
                builder->setLength(&st, i, length);
                builder->setScale(&st, i, scale);
                builder->setSubType(&st, i, 0);
            };
            if (const auto *s = std::get_if<QString>(&v)) {
                textParams[i] = encodeCp1252(*s);
                builder->setType(&st, i, SQL_VARYING);
                builder->setLength(&st, i, unsigned(qMax<qsizetype>(1, textParams[i].size())));
                builder->setScale(&st, i, 0);
                if (!serverText) {
                    builder->setSubType(&st, i, 0);
                    builder->setCharSet(&st, i, 0);
                }
            } else if (std::holds_alternative<qint64>(v)) {
                setNumeric(SQL_INT64, 8, 0);
            } else if (const auto *d = std::get_if<Decimal>(&v)) {
                setNumeric(SQL_INT64, 8, -d->places);
            } else if (std::holds_alternative<double>(v)) {
                setNumeric(SQL_DOUBLE, 8, 0);
            } else if (std::holds_alternative<QDate>(v)) {
                setNumeric(SQL_TYPE_DATE, 4, 0);
            } else if (std::holds_alternative<QTime>(v)) {
                setNumeric(SQL_TYPE_TIME, 4, 0);
            } else if (std::holds_alternative<QDateTime>(v)) {
                setNumeric(SQL_TIMESTAMP, 8, 0);
            }
        }
        Held<IMessageMetadata> in(builder->getMetadata(&st));
        std::vector<unsigned char> inBuf(in->getMessageLength(&st), 0);
        for (unsigned i = 0; i < inCount; ++i) {
            unsigned char *data = inBuf.data() + in->getOffset(&st, i);
            auto *nullFlag = reinterpret_cast<short *>(inBuf.data() + in->getNullOffset(&st, i));
            const Value &v = params[int(i)];
            *nullFlag = isNull(v) ? -1 : 0;
            if (std::holds_alternative<QString>(v)) {
                const QByteArray &b = textParams[i];
                const auto len = static_cast<unsigned short>(b.size());
                std::memcpy(data, &len, 2);
                std::memcpy(data + 2, b.constData(), size_t(b.size()));
            } else if (const auto *n = std::get_if<qint64>(&v)) {
                std::memcpy(data, n, 8);
            } else if (const auto *d = std::get_if<Decimal>(&v)) {
                std::memcpy(data, &d->units, 8);
            } else if (const auto *f = std::get_if<double>(&v)) {
                std::memcpy(data, f, 8);
            } else if (const auto *date = std::get_if<QDate>(&v)) {
                const ISC_DATE x = encodeDate(util, *date);
                std::memcpy(data, &x, 4);
            } else if (const auto *time = std::get_if<QTime>(&v)) {
                const ISC_TIME x = encodeTime(util, *time);
                std::memcpy(data, &x, 4);
            } else if (const auto *ts = std::get_if<QDateTime>(&v)) {
                const ISC_TIMESTAMP x { encodeDate(util, ts->date()), encodeTime(util, ts->time()) };
                std::memcpy(data, &x, 8);
            }
        }

        Held<IMessageMetadata> out(stmt->getOutputMetadata(&st));
        const unsigned outCount = out->getCount(&st);
        const unsigned type = stmt->getType(&st);
        const bool isSelect = type == isc_info_sql_stmt_select || type == isc_info_sql_stmt_select_for_upd;
        if (!isSelect) {
            std::vector<unsigned char> outBuf(outCount ? out->getMessageLength(&st) : 0);
            stmt->execute(&st, tx.handle(), in.p, inBuf.data(), outCount ? out.p : nullptr,
                          outCount ? outBuf.data() : nullptr);
            if (wantAffected)
                result.affected = qint64(stmt->getAffectedRecords(&st));
            return result;
        }

        for (unsigned i = 0; i < outCount; ++i) {
            ColumnInfo c;
            c.name = decodeCp1252(out->getAlias(&st, i));
            c.relation = decodeCp1252(out->getRelation(&st, i));
            const unsigned t = out->getType(&st, i) & ~1u;
            const int scale = out->getScale(&st, i);
            c.kind = kindOf(t, scale);
            c.places = scale < 0 ? -scale : 0;
            c.length = int(out->getLength(&st, i));
            c.fixedLength = t == SQL_TEXT;
            result.columns.append(c);
        }
        std::vector<unsigned char> outBuf(out->getMessageLength(&st));
        Held<IResultSet> rs(stmt->openCursor(&st, tx.handle(), in.p, inBuf.data(), out.p, 0));
        while (rs->fetchNext(&st, outBuf.data()) == IStatus::RESULT_OK) {
            Row row;
            row.reserve(int(outCount));
            for (unsigned i = 0; i < outCount; ++i) {
                const unsigned char *data = outBuf.data() + out->getOffset(&st, i);
                if (*reinterpret_cast<const short *>(outBuf.data() + out->getNullOffset(&st, i))) {
                    row.append(Value {});
                    continue;
                }
                const unsigned t = out->getType(&st, i) & ~1u;
                const int scale = out->getScale(&st, i);
                auto integer = [&](qint64 v) { row.append(scale < 0 ? Value { Decimal { v, -scale } } : Value { v }); };
                switch (t) {
                case SQL_TEXT:
                    row.append(decodeCp1252(
                        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(out->getLength(&st, i)))));
                    break;
                case SQL_VARYING: {
                    unsigned short len;
                    std::memcpy(&len, data, 2);
                    row.append(decodeCp1252(QByteArrayView(reinterpret_cast<const char *>(data + 2), len)));
                    break;
                }
                case SQL_SHORT: {
                    qint16 v;
                    std::memcpy(&v, data, 2);
                    integer(v);
                    break;
                }
                case SQL_LONG: {
                    qint32 v;
                    std::memcpy(&v, data, 4);
                    integer(v);
                    break;
                }
                case SQL_INT64: {
                    qint64 v;
                    std::memcpy(&v, data, 8);
                    integer(v);
                    break;
                }
                case SQL_BOOLEAN:
                    row.append(Value { qint64(*data ? 1 : 0) });
                    break;
                case SQL_FLOAT: {
                    float v;
                    std::memcpy(&v, data, 4);
                    row.append(Value { double(v) });
                    break;
                }
                case SQL_DOUBLE:
                case SQL_D_FLOAT: {
                    double v;
                    std::memcpy(&v, data, 8);
                    row.append(Value { v });
                    break;
                }
                case SQL_TYPE_DATE: {
                    ISC_DATE v;
                    std::memcpy(&v, data, 4);
                    row.append(Value { decodeDate(util, v) });
                    break;
                }
                case SQL_TYPE_TIME: {
                    ISC_TIME v;
                    std::memcpy(&v, data, 4);
                    row.append(Value { decodeTime(util, v) });
                    break;
                }
                case SQL_TIMESTAMP: {
                    ISC_TIMESTAMP v;
                    std::memcpy(&v, data, 8);
                    row.append(
                        Value { QDateTime(decodeDate(util, v.timestamp_date), decodeTime(util, v.timestamp_time)) });
                    break;
                }
                case SQL_BLOB: {
                    ISC_QUAD id;
                    std::memcpy(&id, data, sizeof id);
                    Held<IBlob> blob(m_attachment->openBlob(&st, tx.handle(), &id, 0, nullptr));
                    QByteArray bytes;
                    char seg[8192];
                    unsigned got = 0;
                    for (;;) {
                        const int r = blob->getSegment(&st, sizeof seg, seg, &got);
                        if (r != IStatus::RESULT_OK && r != IStatus::RESULT_SEGMENT)
                            break;
                        bytes.append(seg, qsizetype(got));
                    }
                    blob->close(&st);
                    blob.take();
                    row.append(decodeCp1252(bytes));
                    break;
                }
                default:
                    row.append(Value {});
                }
            }
            result.rows.append(std::move(row));
        }
        rs->close(&st);
        rs.take();
    } catch (const FbException &e) {
        raise(m_master, e, sql, QStringLiteral("execução"));
    }
    return result;
}

FbTransaction::FbTransaction(IMaster *master, ITransaction *tx) : m_master(master), m_tx(tx) { }

FbTransaction::~FbTransaction()
{
    if (!m_tx)
        return;
    Status st(m_master);
    try {
        m_tx->rollback(&st);
    } catch (const FbException &) {
        m_tx->release();
    }
    m_tx = nullptr;
}

void FbTransaction::commit()
{
    Status st(m_master);
    try {
        m_tx->commit(&st);
        m_tx = nullptr;
    } catch (const FbException &e) {
        raise(m_master, e, {}, QStringLiteral("confirmação da transação"));
    }
}

void FbTransaction::rollback()
{
    if (!m_tx)
        return;
    Status st(m_master);
    ITransaction *tx = m_tx;
    m_tx = nullptr;
    try {
        tx->rollback(&st);
    } catch (const FbException &e) {
        tx->release();
        raise(m_master, e, {}, QStringLiteral("desfazimento da transação"));
    }
}

} // namespace valorama
