#include "data/DatabaseError.h"

#include <firebird/Interface.h>

namespace valorama {

bool DatabaseError::isConnectionLost() const
{
    switch (m_code) {
    case isc_network_error:
    case isc_net_read_err:
    case isc_net_write_err:
    case isc_lost_db_connection:
    case isc_att_shutdown:
    case isc_shutdown:
    case isc_conn_lost:
        return true;
    default:
        return false;
    }
}

bool DatabaseError::isUpdateConflict() const
{
    return m_code == isc_deadlock || m_code == isc_update_conflict;
}

} // namespace valorama
