#pragma once

#include <QString>

#include <functional>

namespace valorama {

class TDM;
struct SharedValues;

// Finds the logged-in user's station row in ESTACOES: sets StationCode and StoreCnpj, titles
// the window, and returns the workspace database name (empty when there is none).
class WorkspaceResolver
{
public:
    WorkspaceResolver(TDM &dm, SharedValues &values, std::function<void(const QString &)> setCaption);
    QString ResolveWorkspace();

    static QString noStationMessage(const QString &user);

private:
    TDM &m_dm;
    SharedValues &m_values;
    std::function<void(const QString &)> m_setCaption;
};

} // namespace valorama
