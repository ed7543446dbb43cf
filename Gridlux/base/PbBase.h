// Base of every data object that lives outside the scene graph and is followed by nodes.
#ifndef GRIDLUX_PBBASE_H
#define GRIDLUX_PBBASE_H

class PoBase;

/**
 * @brief Data-object base: the list of nodes that follow the object and its change notification.
 *
 * Meshes, data mappings, isovalue lists, domains and formats derive from it. A node that follows
 * an object is told of every change through PoBase::basicObjectChange(), and reads
 * getChangeType() meanwhile to learn what changed. The object does not own the nodes.
 */
class PbBase {
public:
  /** Kind of the latest change, read by the nodes while they are told of it. */
  enum ChangeType {
    CHANGE_GENERAL = 0,        ///< any modification reported by touch()
    CHANGE_DESTROY = 1,        ///< the object is being destroyed
    CHANGE_GEOMETRY = 2,       ///< coordinates or sizes of a mesh
    CHANGE_SCALAR_SET = 3,     ///< a scalar value set added or removed
    CHANGE_STRING_SET = 4,     ///< a string value set added or removed
    CHANGE_VECTOR_SET = 5,     ///< a vector value set added or removed
    CHANGE_TRANSFORM_TYPE = 6  ///< a domain's transform type alone
  };

  virtual ~PbBase();

  /** Adds a follower at the head of the list; adding a node twice makes two records. */
  void addConnection(const PoBase* node);
  /** Removes the first record of @p node from the head; returns 1 when one was removed. */
  int removeConnection(const PoBase* node);

  /** While disabled, ordinary changes are not reported (destruction always is). */
  void enableConnection(int onOff) { m_connectionEnabled = onOff; }
  int isConnectionEnabled() const { return m_connectionEnabled; }

  ChangeType getChangeType() const { return m_changeType; }

  /** Reports a general change to every follower, most recently connected first. */
  void touch();

protected:
  PbBase();
  /** A copy has no followers: nodes follow the source object, not the copy. */
  PbBase(const PbBase& other);
  /** Keeps this object's followers and tells them of the change. */
  PbBase& operator=(const PbBase& other);

  void setChangeType(ChangeType type) { m_changeType = type; }
  /** Tells the followers of the change recorded by setChangeType(). */
  void notifyChange();
  void removeAllConnection();

private:
  struct Connection {
    PoBase* node;
    Connection* next;
  };
  void tellFollowers();

  Connection* m_connections = nullptr;
  int m_connectionEnabled = 1;
  ChangeType m_changeType = CHANGE_GENERAL;
};

#endif
