#pragma once

#include <QLineEdit>

namespace valorama {

class DataSource;

// An edit box bound to one field of a data source's current row, with the field's entry mask.
// The typed text reaches the field when the box is left or commit() is called; a text the
// field refuses raises the data layer's conversion message and keeps the focus in the box.
class DBEdit : public QLineEdit
{
    Q_OBJECT

public:
    DBEdit(const QString &name, QWidget *parent = nullptr);
    // The data modules come after the window: the box is bound once they exist.
    void bind(DataSource *source, const QString &field);

    // Writes the box's text into the field (throws DatabaseError when it is refused).
    void commit();
    void showField();

    // Qt's mask for a mask of the suite ("!99/99/00;1;_": 9 optional, 0 required digit).
    static QString qtMask(const QString &suiteMask);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    DataSource *m_source = nullptr;
    QString m_field;
    bool m_dirty = false;
};

} // namespace valorama
