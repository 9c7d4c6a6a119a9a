#include "platform/DBEdit.h"

#include "data/ClientDataSet.h"
#include "data/DataSource.h"
#include "platform/ErrorReporting.h"

#include <QFocusEvent>
#include <QTimer>

namespace valorama {

QString DBEdit::qtMask(const QString &suiteMask)
{
    QString mask = suiteMask.section(QLatin1Char(';'), 0, 0);
    if (mask.startsWith(QLatin1Char('!')))
        mask.remove(0, 1);
    QString out;
    for (const QChar c : std::as_const(mask)) {
        if (c == QLatin1Char('9'))
            out += QLatin1Char('0');
        else if (c == QLatin1Char('0'))
            out += QLatin1Char('9');
        else
            out += c;
    }
    const QString blank = suiteMask.section(QLatin1Char(';'), 2, 2);
    return out + QLatin1Char(';') + (blank.isEmpty() ? QStringLiteral("_") : blank);
}

DBEdit::DBEdit(const QString &name, QWidget *parent) : QLineEdit(parent)
{
    setObjectName(name);
    setReadOnly(true);
    connect(this, &QLineEdit::textEdited, this, [this] { m_dirty = true; });
}

void DBEdit::bind(DataSource *source, const QString &field)
{
    m_source = source;
    m_field = field;
    const QString mask = source->dataSet()->editMask(field);
    if (!mask.isEmpty())
        setInputMask(qtMask(mask));
    ClientDataSet *ds = source->dataSet();
    connect(ds, &ClientDataSet::dataReset, this, &DBEdit::showField);
    connect(ds, &ClientDataSet::currentChanged, this, &DBEdit::showField);
    showField();
}

void DBEdit::showField()
{
    if (!m_source)
        return;
    ClientDataSet *ds = m_source->dataSet();
    m_dirty = false;
    setReadOnly(!ds->active());
    if (!ds->active() || ds->fieldIndex(m_field) < 0) {
        clear();
        return;
    }
    setText(ds->fieldByName(m_field).asString());
}

void DBEdit::commit()
{
    if (!m_dirty || !m_source)
        return;
    ClientDataSet *ds = m_source->dataSet();
    QString text = this->text();
    if (!inputMask().isEmpty()) {
        text.remove(QLatin1Char(' '));
        // A box with only its fixed separators is an empty value.
        if (text.count(QLatin1Char('/')) + text.count(QLatin1Char(':')) == text.size())
            text.clear();
    }
    ds->edit();
    ds->fieldByName(m_field).setAsString(text);
    m_dirty = false;
}

void DBEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // An empty masked box takes its first digit at the start, wherever it was clicked.
    if (!inputMask().isEmpty()
        && displayText().remove(QLatin1Char('_')).remove(QLatin1Char('/')).remove(QLatin1Char(':')).trimmed().isEmpty())
        QTimer::singleShot(0, this, [this] { setCursorPosition(0); });
}

void DBEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!m_dirty || event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    try {
        commit();
    } catch (const std::exception &e) {
        reportError(e);
        QTimer::singleShot(0, this, [this] { setFocus(); });
    }
}

} // namespace valorama
