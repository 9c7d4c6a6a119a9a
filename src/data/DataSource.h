#pragma once

#include <QObject>

namespace valorama {

class ClientDataSet;

// Binds the window's grids and edit boxes to a client dataset.
class DataSource : public QObject
{
    Q_OBJECT

public:
    DataSource(const QString &name, ClientDataSet *dataSet, QObject *parent = nullptr)
        : QObject(parent), m_dataSet(dataSet)
    {
        setObjectName(name);
    }
    ClientDataSet *dataSet() const { return m_dataSet; }

private:
    ClientDataSet *m_dataSet;
};

} // namespace valorama
