// Follower list and change notification of data objects.
#include <Gridlux/base/PbBase.h>

#include <Gridlux/base/PoBase.h>

PbBase::PbBase() = default;

PbBase::PbBase(const PbBase& other)
  : m_connections(nullptr), m_connectionEnabled(other.m_connectionEnabled), m_changeType(other.m_changeType)
{
}

PbBase& PbBase::operator=(const PbBase& other)
{
  if (this == &other)
    return *this;
  m_connectionEnabled = other.m_connectionEnabled;
  m_changeType = other.m_changeType;
  m_changeType = CHANGE_GENERAL;
  notifyChange();
  return *this;
}

PbBase::~PbBase()
{
  // Followers must drop their pointer whatever the connection switch says.
  m_changeType = CHANGE_DESTROY;
  tellFollowers();
  removeAllConnection();
}

void PbBase::addConnection(const PoBase* node)
{
  m_connections = new Connection{const_cast<PoBase*>(node), m_connections};
}

int PbBase::removeConnection(const PoBase* node)
{
  for (Connection** link = &m_connections; *link; link = &(*link)->next) {
    if ((*link)->node == node) {
      Connection* dead = *link;
      *link = dead->next;
      delete dead;
      return 1;
    }
  }
  return 0;
}

void PbBase::removeAllConnection()
{
  while (m_connections) {
    Connection* next = m_connections->next;
    delete m_connections;
    m_connections = next;
  }
}

void PbBase::tellFollowers()
{
  // A follower may disconnect itself while it is told (a node dropping a dying object does),
  // so the next record is fetched before each call.
  Connection* c = m_connections;
  while (c) {
    Connection* next = c->next;
    c->node->basicObjectChange(this);
    c = next;
  }
}

void PbBase::notifyChange()
{
  if (m_changeType == CHANGE_DESTROY || m_connectionEnabled)
    tellFollowers();
}

void PbBase::touch()
{
  m_changeType = CHANGE_GENERAL;
  if (m_connectionEnabled)
    tellFollowers();
}
