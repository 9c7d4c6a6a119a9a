#pragma once

#include <QStringList>

namespace valorama {

class TDM;
class TDM2;
struct SharedValues;

// The data refresh of every activation: store check, INSUMOS rebuilt from COMPONEN, the list
// of stores. Database errors are raised to the caller.
class ActivationRefresh
{
public:
    ActivationRefresh(TDM &dm, TDM2 &dm2, SharedValues &values);

    // Clears StoreMissing, then sets it and shows the store message when the current store
    // has no DADOSGER row. Returns whether the activation goes on.
    bool checkStore();
    // Empties INSUMOS and writes one row per component with a DCB (groups REV, HOM and null
    // left out), in COMPONENTE order; a row the database refuses is skipped. Returns how many
    // rows were written.
    int refillInsumos();
    // The distinct CNPJs of ESTACOES in the server's order, and the position of StoreCnpj
    // among them (0 when absent, -1 when the list is empty).
    QStringList storeList(int *selected);

private:
    TDM &m_dm;
    TDM2 &m_dm2;
    SharedValues &m_values;
};

} // namespace valorama
